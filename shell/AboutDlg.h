// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The About box: program icon, name and version, and how to reach the project.

#include <QDialog>

namespace tocklet {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    /// Runs the box modally until OK, Escape or the close box: it only shows, so there is
    /// nothing to report.
    void DoModal();
};

}  // namespace tocklet
