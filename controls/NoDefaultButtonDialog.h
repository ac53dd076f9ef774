// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A dialog with no default button. Enter presses the push button that has the focus; with the
// focus anywhere else it ends the dialog with kIdOk, which leaves the outcome flags as they are.

#include <QDialog>

class QKeyEvent;

namespace tocklet {

class NoDefaultButtonDialog : public QDialog {
    Q_OBJECT
public:
    explicit NoDefaultButtonDialog(QWidget* parent = nullptr) : QDialog(parent) {}

protected:
    /// Takes the default role from every push button the dialog holds, so that none becomes
    /// the default one, not even on show. Call once the buttons are built.
    void DropDefaultButtons();

    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tocklet
