#pragma once
// "更新密码": the old password and the new one twice. "确认" stores nothing itself; it reports a
// valid change in m_bChanged and leaves the new password in m_strPassword for the caller.

#include <string>

#include "controls/NoDefaultButtonDialog.h"

class QLineEdit;

namespace tocklet {

class MessageBoxes;

inline constexpr int kChangeOldId = 1025;
inline constexpr int kChangeConfirmId = 1026;
inline constexpr int kChangeNewId = 1009;
inline constexpr int kChangeOkId = 1097;
inline constexpr int kChangeCancelId = 1008;

class CChangePasswordDlg : public NoDefaultButtonDialog {
    Q_OBJECT
public:
    explicit CChangePasswordDlg(MessageBoxes& boxes, QWidget* parent = nullptr);

    /// Starts an opening: outcome 0 and three empty edits.
    void OnInitDialog();

    /// Initialises and runs the dialog modally; read m_bChanged afterwards. Enter away from
    /// the buttons gives kIdOk with nothing changed.
    int DoModal();

    /// "确认": checks the old password and the confirmation.
    void OnConfirm();

    /// "取消", Escape, the close box: kIdCancel, nothing changed.
    void reject() override;

    int m_bChanged = 0;         ///< 1 after a valid change in this opening
    std::string m_strPassword;  ///< in: the current password; out: the new one after a change
    std::string m_strOld;       ///< edit 1025 (code page 936)
    std::string m_strConfirm;   ///< edit 1026
    std::string m_strNew;       ///< edit 1009

private:
    void UpdateData();

    MessageBoxes& boxes_;
    QLineEdit* old_ = nullptr;
    QLineEdit* confirm_ = nullptr;
    QLineEdit* new_ = nullptr;
};

}  // namespace tocklet
