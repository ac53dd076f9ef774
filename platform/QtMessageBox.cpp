// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/QtMessageBox.h"

#include <QLabel>
#include <QMessageBox>

#include "platform/QtText.h"

namespace tocklet {
namespace {

QMessageBox::StandardButtons ButtonsOf(MbButtons b) {
    switch (b) {
        case MbButtons::Ok:
            return QMessageBox::Ok;
        case MbButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MbButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MbButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MbButtons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MbIcon i) {
    switch (i) {
        case MbIcon::None:
            return QMessageBox::NoIcon;
        case MbIcon::Question:
            return QMessageBox::Question;
        case MbIcon::Information:
            return QMessageBox::Information;
        case MbIcon::Warning:
            return QMessageBox::Warning;
        case MbIcon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// What the icon says, for screen readers: Qt leaves the icon unnamed.
const char* IconName(MbIcon i) {
    switch (i) {
        case MbIcon::None:
            return "";
        case MbIcon::Question:
            return "询问";
        case MbIcon::Information:
            return "信息";
        case MbIcon::Warning:
            return "警告";
        case MbIcon::Error:
            return "错误";
    }
    return "";
}

int ResultOf(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return kIdOk;
        case QMessageBox::Yes:
            return kIdYes;
        case QMessageBox::No:
            return kIdNo;
        case QMessageBox::Retry:
            return kIdRetry;
        default:
            return kIdCancel;
    }
}

}  // namespace

int QtMessageBoxes::Show(std::string_view text, std::optional<std::string_view> caption,
                         MbButtons buttons, MbIcon icon) {
    QMessageBox box(IconOf(icon), FromGb(caption.value_or(kAppCaption)), FromGb(text),
                    ButtonsOf(buttons), parent_);
    box.setAccessibleName(box.windowTitle());
    if (auto* image = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        image->setAccessibleName(QString::fromUtf8(IconName(icon)));
    return ResultOf(box.exec());
}

}  // namespace tocklet
