// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The pieces the dialog builder makes its windows and controls from.

#include <QRadioButton>
#include <QStyle>
#include <QWidget>
#include <cstdint>

#include "resources/DialogTemplate.h"

namespace tocklet {

/// A radio button kept exclusive by its group rather than by Qt's auto-exclusivity, yet still
/// announced to screen readers as a radio button (with its checked state).
class GroupedRadioButton : public QRadioButton {
    Q_OBJECT

public:
    explicit GroupedRadioButton(QWidget* parent = nullptr);
};

/// Window flags for a template's DialogStyle bits.
[[nodiscard]] Qt::WindowFlags WindowFlagsFor(std::uint32_t style);

/// The standard widget class for the control's kind, before captions and styles are applied.
[[nodiscard]] QWidget* MakeStandardWidget(const ControlTemplate& control, QWidget* parent);

/// Raises and activates window each time it is shown.
void RaiseWhenShown(QWidget* window);

/// A style for check boxes and radios with a 13-pixel mark and a narrow gap before the text,
/// so captions fit the widths templates give them; owned by parent.
[[nodiscard]] QStyle* NewDialogButtonStyle(QObject* parent);

}  // namespace tocklet
