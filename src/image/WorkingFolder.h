#pragma once

#include <QString>

// The folder of the working copy and of temporary files: the one TEMP names
// when it exists, else a fixed fallback folder (created with its parents).
namespace working_folder {

inline constexpr char kWorkingCopyName[] = "BDTemp.bdt";

// The fallback folder of this platform: "C:\Duna_Tmp" on Windows, "Duna_Tmp"
// in the system's temporary folder elsewhere.
QString FallbackFolder();

// Determines the folder, creating the fallback when it is needed; no message.
QString Folder();
// The working copy's path in Folder().
QString WorkingCopyPath();

}  // namespace working_folder
