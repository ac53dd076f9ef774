// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The clock colour dialog: six radio buttons, none checked when it opens, and "选定", which
// takes the checked colour (green when none is). The caller stores and applies the choice.

#include <QDialog>
#include <optional>
#include <vector>

#include "resources/ClockColorIds.h"
#include "settings/Colour.h"

class QAbstractButton;

namespace tocklet {

/// The colour number (as INI "color" stores it) of a radio button; 2, green, for any other id.
[[nodiscard]] int ClockColorNumberOfRadio(int radioId);

class CClockColorDlg : public QDialog {
    Q_OBJECT
public:
    explicit CClockColorDlg(QWidget* parent = nullptr);

    /// Runs the dialog modally: the colour number taken by "选定"; nothing after Escape or the
    /// close box.
    [[nodiscard]] std::optional<int> DoModal();

    /// "选定": takes the checked colour and ends the dialog with kIdOk.
    void OnChoose();

    /// The colour "选定" took, as its number stands for it.
    [[nodiscard]] COLORREF ChosenColor() const { return m_clrChosen; }

private:
    COLORREF m_clrChosen;
    int m_nChosen;
    std::vector<QAbstractButton*> radios_;  // red to brown, in number order
};

}  // namespace tocklet
