// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/ui/ReminderDlg.h"

#include <QLabel>
#include <QPushButton>

#include "controls/DialogBuilder.h"
#include "controls/TintedStatic.h"
#include "platform/QtText.h"
#include "resources/Templates.h"
#include "tasks/ReminderLines.h"

namespace tocklet {

CReminderDlg::CReminderDlg(QWidget* parent) : QDialog(parent) {
    BuildOptions options;
    options.factories[kReminderHeadingId] = [this](const ControlTemplate&, QWidget* p) {
        heading_ = new CTintedStatic(p);
        heading_->setAlignment(Qt::AlignCenter);
        return heading_;
    };
    BuildDialog(ReminderTemplate(), this, options);
    connect(ControlAs<QPushButton>(this, kReminderThanksId), &QPushButton::clicked, this,
            &QDialog::accept);
}

void CReminderDlg::OnInitDialog() {
    m_strLines = SplitReminderLines(m_strText);
    for (std::size_t i = 0; i < kReminderLineIds.size(); ++i)
        ControlAs<QLabel>(this, kReminderLineIds[i])->setText(FromGb(m_strLines[i]));
}

void CReminderDlg::DoModal() {
    OnInitDialog();
    show();
    raise();
    activateWindow();
    exec();
}

}  // namespace tocklet
