#pragma once
// "更新任务": the stored tasks by their text; "删除[&D]" deletes the selected one and closes
// the dialog, so each opening deletes at most one task. The dialog only marks the row; the
// caller deletes the task, stores the shortened list and restarts.

#include <array>
#include <string>
#include <vector>

#include "controls/NoDefaultButtonDialog.h"
#include "tasks/TaskRecord.h"
#include "tasks/TaskStore.h"

class QListWidget;

namespace tocklet {

class MessageBoxes;

inline constexpr int kDeleteListId = 1105;
inline constexpr int kDeleteButtonId = 1108;
inline constexpr int kDeleteExitId = 1081;

/// The entry a deleted row's text becomes.
inline constexpr std::string_view kDeletedRowMark = "!";

class CDeleteTaskDlg : public NoDefaultButtonDialog {
    Q_OBJECT
public:
    explicit CDeleteTaskDlg(MessageBoxes& boxes, QWidget* parent = nullptr);

    /// Hands in the rows (TaskStore::DeleteRows(), at most kMaxTasks of them): texts, value
    /// numbers and m_nRowCount.
    void SetRows(const std::vector<TaskRow>& rows);

    /// Fills the list and selects its first row. Without rows it tells the user, ends the
    /// dialog with kIdOk and returns false.
    bool OnInitDialog();

    /// Initialises and runs the dialog modally; kIdOk after a deletion (read
    /// m_nDeletedValue), kIdCancel after "退出[&E]" or the close box. Enter away from the
    /// buttons gives kIdOk with nothing deleted.
    int DoModal();

    /// "删除[&D]": marks the selected row deleted and ends the dialog with kIdOk.
    void OnDelete();

    /// "退出[&E]", Escape, the close box: kIdCancel, nothing deleted.
    void reject() override;

    int m_nRowCount = 0;                           ///< rows handed in; one less after a deletion
    std::array<std::string, kMaxTasks> m_strRows;  ///< row texts (code page 936); "!" when deleted
    std::array<int, kMaxTasks> m_nRowValues{};     ///< the value number each row stands for
    int m_nDeletedRow = -1;                        ///< row deleted in this opening, or -1
    int m_nDeletedValue = 0;  ///< value number of the task to delete, 0 when none

private:
    int SelectedRow() const;

    MessageBoxes& boxes_;
    QListWidget* list_ = nullptr;
};

}  // namespace tocklet
