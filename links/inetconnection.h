// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Module inetConnection: the web links of the main window. The program only
// asks the desktop to open a page in the user's browser; it sends and reads
// nothing over the network itself.
#pragma once

#include <QString>

#include "platform/platform.h"

namespace links {

// The maker's web host, as configured at build time, e.g. "http://www.tintra.example".
[[nodiscard]] QString webHost();

// The site: the host followed by "/tintra".
[[nodiscard]] QString siteUrl();

// The version-check page, its query carrying major, minor and revision
// joined without separator: version 1, 2, 2 gives "...?Version=122".
[[nodiscard]] QString updateCheckUrl(const platform::Version& version);

// Opens the link with the desktop's default handler under the busy pointer.
// A launch that the platform reports as failed (a result of 32 or less) is
// told to the user in a message box; nothing is reported to the caller.
void ExecuteLink(platform::Platform& platform, const QString& link);

// "WebSite" and "Tintra Web Site..".
void webSite(platform::Platform& platform);

// "Check Update" and "Check for Update..": reads the version afresh each time.
void updateCheck(platform::Platform& platform);

}  // namespace links
