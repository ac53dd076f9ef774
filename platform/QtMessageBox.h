// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Message boxes shown with QMessageBox.

#include "platform/MessageBox.h"

class QWidget;

namespace tocklet {

class QtMessageBoxes final : public MessageBoxes {
public:
    /// Boxes are modal to parent when it is given.
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    [[nodiscard]] int Show(std::string_view text, std::optional<std::string_view> caption,
                           MbButtons buttons, MbIcon icon) override;

private:
    QWidget* parent_;
};

}  // namespace tocklet
