// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The Qt boundary: code page 936 bytes to and from QString.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace tocklet {

/// Code page 936 bytes shown as a QString.
[[nodiscard]] QString FromGb(std::string_view gb);

/// A QString as code page 936 bytes; nullopt when a character has no code page 936 form.
[[nodiscard]] std::optional<std::string> TryToGb(const QString& text);

/// A QString known to be representable as code page 936 bytes (unrepresentable characters
/// become '?').
[[nodiscard]] std::string ToGb(const QString& text);

}  // namespace tocklet
