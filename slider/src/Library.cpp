// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include <sarv/Library.h>

#include "LibraryInfo.h"

namespace sarv {

QString libraryName()
{
    return QString::fromUtf8(sarv_library_name());
}

QString libraryDescription()
{
    return QString::fromUtf8(sarv_library_description());
}

QString libraryVersion()
{
    return QString::fromUtf8(sarv_library_version());
}

} // namespace sarv

const char* sarv_library_name(void)
{
    return SARV_LIBRARY_NAME;
}

const char* sarv_library_description(void)
{
    return SARV_LIBRARY_DESCRIPTION;
}

const char* sarv_library_version(void)
{
    return SARV_LIBRARY_VERSION;
}
