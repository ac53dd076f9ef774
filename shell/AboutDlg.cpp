// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shell/AboutDlg.h"

#include <QPushButton>

#include "controls/DialogBuilder.h"
#include "platform/MessageBox.h"
#include "resources/Templates.h"

namespace tocklet {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    BuildDialog(AboutTemplate(), this);
    if (auto* ok = ControlAs<QPushButton>(this, kIdOk)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
}

void CAboutDlg::DoModal() { exec(); }

}  // namespace tocklet
