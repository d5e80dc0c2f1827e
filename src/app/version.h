// The texts that name this version.
#pragma once

#include <cstddef>
#include <string>

namespace veldo {

inline constexpr const char *kVersionMajor = "1.02.";
inline constexpr const char *kVersionMinor = "8";
inline constexpr const char *kCredit = " - (c) 1998-2002 by the Veldo authors";

// "Morvane Version 1.02.8" and the credit: the version label and the tray
// icon's tip.
std::string VersionLine();
// "Version 1.02.8".
std::string VersionText();

// What the tray icon's tip holds.
inline constexpr size_t kTrayTipLength = 127;
// The version line cut to kTrayTipLength characters.
std::string TrayTipText();

} // namespace veldo
