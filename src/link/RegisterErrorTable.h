#pragma once

#include <QString>
#include <array>

// The register's numbered error texts, indexed by the code of its error frame.
inline constexpr int kRegisterErrorSlots = 120;

const std::array<QString, kRegisterErrorSlots>& RegisterErrorTable();

// Text of an error code; empty for codes the register does not name (and for
// every code from 120 on).
QString RegisterErrorText(int code);
