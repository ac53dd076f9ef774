// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// What the programs say about their release: the version the build was made as and the
// licence, for --version and the About box.

#include <string>
#include <string_view>

namespace tocklet {

/// The release's version, "1.0.0": the package's, not the product's own "1.0".
std::string_view PackageVersion();

/// The licence's SPDX identifier.
inline constexpr std::string_view kLicence = "GPL-3.0-or-later";

/// What `program --version` prints: the program and version, the copyright, the licence.
std::string VersionText(std::string_view program);

}  // namespace tocklet
