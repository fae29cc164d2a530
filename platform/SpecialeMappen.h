#pragma once

#include <QString>

namespace Platform {

inline constexpr int CSIDL_COMMON_APPDATA = 35;

// The native folder that stands for a shell special folder, without trailing slash, or empty when this
// system has none. CSIDL 35 (common application data) is the XDG data home.
QString SpecialeMap(int csidl);

} // namespace Platform
