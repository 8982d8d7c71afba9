// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <sarv/sarv_export.h>

#include <QString>

// What the library says about itself at run time: its name, its description
// and its version, the same as its CMake package and its Debian package say.
namespace sarv {

SARV_EXPORT QString libraryName();
SARV_EXPORT QString libraryDescription();
// The library's version, "major.minor.patch"; the major number is its SOVERSION.
SARV_EXPORT QString libraryVersion();

} // namespace sarv

// The same, as UTF-8 C strings, for hosts that open the library with dlopen or
// QLibrary and look the symbols up by name.
extern "C" {
SARV_EXPORT const char* sarv_library_name(void);
SARV_EXPORT const char* sarv_library_description(void);
SARV_EXPORT const char* sarv_library_version(void);
}
