// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// What the program says about itself: its name and version, and where its users reach the
// project. The address and the home page are set when the program is built (CMake cache
// variables TOCKLET_CONTACT_MAIL and TOCKLET_HOME_PAGE).

#include <string>
#include <string_view>

namespace tocklet {

inline constexpr std::string_view kProductName = "超级守时鸟";  // UTF-8
inline constexpr std::string_view kProductVersion = "1.0";

/// The project's mail address, without "mailto:".
std::string_view ContactMail();

/// The project's home page address.
std::string_view HomePage();

/// "mailto:" followed by ContactMail().
std::string MailTarget();

}  // namespace tocklet
