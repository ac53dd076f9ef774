// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A pair of arrow buttons, one above the other, as an up-down control shows beside its buddy
// edit. The dialog that owns it decides what a step means (range, wrapping, the edit's text).

#include <QToolButton>
#include <QWidget>

namespace tocklet {

class UpDownButtons : public QWidget {
    Q_OBJECT

public:
    explicit UpDownButtons(QWidget* parent = nullptr);

    [[nodiscard]] QToolButton* UpButton() const { return m_up; }
    [[nodiscard]] QToolButton* DownButton() const { return m_down; }

Q_SIGNALS:
    /// +1 for each press (and auto-repeat) of the up arrow, -1 for the down arrow.
    void Stepped(int delta);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

}  // namespace tocklet
