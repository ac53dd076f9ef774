// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A number edit driven by a pair of arrow buttons, as the add-task and shutdown time dialogs
// use it.

#include <QObject>

#include "settings/SpinRange.h"

class QLineEdit;

namespace tocklet {

class UpDownButtons;

/// An up-down control with its buddy edit. The arrows and the Up/Down keys in the edit step
/// the position, wrapping at the ends, and write it into the edit as plain decimal digits.
/// Typing changes only the edit; the position follows the edit when it is read or stepped,
/// and only while the edit holds a number within the range.
class SpinField : public QObject {
    Q_OBJECT
public:
    SpinField(QLineEdit* edit, UpDownButtons* arrows, SpinRange range, QObject* parent);

    /// Sets the position and shows it in the edit.
    void SetPosition(int position);

    /// The position after adopting the edit's text when it is a number within the range;
    /// otherwise the last valid position.
    [[nodiscard]] int ReadPosition();

    /// Moves by delta steps from the current position (read as above) and shows it.
    void Step(int delta);

    [[nodiscard]] QLineEdit* Edit() const { return m_edit; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit;
    SpinRange m_range;
    int m_position;
};

}  // namespace tocklet
