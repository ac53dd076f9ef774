// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Opening addresses and files through QDesktopServices.

#include <QString>
#include <QUrl>
#include <string_view>

#include "platform/ShellOpen.h"

namespace tocklet {

/// The address for a target: text starting with a scheme of two or more letters and a colon
/// is an address as it stands; anything else is a file, relative ones under currentDir.
[[nodiscard]] QUrl ShellTargetUrl(std::string_view target, const QString& currentDir);

class QtShellOpen final : public ShellOpen {
public:
    [[nodiscard]] bool Open(std::string_view target) override;
};

}  // namespace tocklet
