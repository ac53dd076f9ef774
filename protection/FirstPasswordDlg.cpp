#include "protection/FirstPasswordDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "controls/DialogBuilder.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "protection/PasswordEdit.h"
#include "protection/PasswordStore.h"
#include "resources/Templates.h"

namespace tocklet {

CFirstPasswordDlg::CFirstPasswordDlg(Registry& reg, Profile& profile, MessageBoxes& boxes,
                                     QWidget* parent)
    : QDialog(parent), reg_(reg), profile_(profile), boxes_(boxes) {
    BuildDialog(FirstPasswordTemplate(), this);
    password_ = ControlAs<QLineEdit>(this, kFirstPasswordId);
    confirm_ = ControlAs<QLineEdit>(this, kFirstConfirmId);
    for (QLineEdit* edit : {password_, confirm_}) {
        MakePasswordEdit(edit);
        connect(edit, &QLineEdit::textChanged, this, &CFirstPasswordDlg::UpdateData);
    }
    connect(ControlAs<QPushButton>(this, kFirstOkId), &QPushButton::clicked, this,
            &CFirstPasswordDlg::OnConfirm);
}

void CFirstPasswordDlg::UpdateData() {
    m_strPassword = ToGb(password_->text());
    m_strConfirm = ToGb(confirm_->text());
}

int CFirstPasswordDlg::DoModal() {
    password_->setFocus();
    return exec();
}

void CFirstPasswordDlg::OnConfirm() {
    if (m_strPassword != m_strConfirm) {
        boxes_.Show(Gb("  数 据 不 符 合 "));
    } else if (StoreFirstPassword(reg_, boxes_, m_strPassword)) {
        m_bStored = true;
        boxes_.Show(Gb("  请 您 记 住 您 的 密 码"), Gb("守时鸟向您提示"), MbButtons::Ok,
                    MbIcon::Question);
        done(kIdOk);
    }
    // The clock's first-use defaults are written after every press of the button.
    WriteFirstUseClockOptions(profile_);
}

void CFirstPasswordDlg::reject() { done(kIdCancel); }

}  // namespace tocklet
