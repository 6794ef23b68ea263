#pragma once

class InstanceLock;
class Prompts;

namespace shell {

inline constexpr const char* kApplicationTitle = "Orvi Duna";
inline constexpr const char* kAlreadyRunning =
    "Błąd! Próbujesz uruchomić program, który już działa. ";

// Takes the one-instance lock; when another copy runs, says so and returns
// false before anything touches the working copy or the settings file.
bool ClaimSingleInstance(InstanceLock& lock, Prompts& prompts);

}  // namespace shell
