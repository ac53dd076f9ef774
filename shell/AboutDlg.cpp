// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shell/AboutDlg.h"

#include <QPushButton>

#include "controls/DialogBuilder.h"
#include "resources/AboutIds.h"
#include "resources/Templates.h"

namespace tocklet {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    BuildDialog(AboutTemplate(), this);
    connect(ControlAs<QPushButton>(this, kAboutOkId), &QPushButton::clicked, this,
            &QDialog::accept);
}

void CAboutDlg::DoModal() { exec(); }

}  // namespace tocklet
