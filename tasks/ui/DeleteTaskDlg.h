// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// "更新任务": the stored tasks by their text; "删除[&D]" deletes the selected one and closes
// the dialog, so each opening deletes at most one task. The dialog only marks the row; the
// caller deletes the task, stores the shortened list and restarts.

#include <array>
#include <string>
#include <vector>

#include "controls/NoDefaultButtonDialog.h"
#include "resources/DeleteTaskIds.h"
#include "tasks/TaskRecord.h"
#include "tasks/TaskStore.h"

class QListWidget;

namespace tocklet {

class MessageBoxes;

/// The entry a deleted row's text becomes.
inline constexpr std::string_view kDeletedRowMark = "!";

class CDeleteTaskDlg : public NoDefaultButtonDialog {
    Q_OBJECT
public:
    explicit CDeleteTaskDlg(MessageBoxes& boxes, QWidget* parent = nullptr);

    /// Starts an opening with the rows (TaskStore::DeleteRows(), at most kMaxTasks of them):
    /// fills the list and selects its first row. Without rows it tells the user, ends the
    /// dialog with kIdOk and returns false.
    [[nodiscard]] bool OnInitDialog(const std::vector<TaskRow>& rows);

    /// Initialises and runs the dialog modally; returns the value number of the task to
    /// delete, or 0 when none was deleted ("退出[&E]", the close box, Escape, or Enter away
    /// from the buttons).
    [[nodiscard]] int DoModal(const std::vector<TaskRow>& rows);

    /// "删除[&D]": marks the selected row deleted and ends the dialog with kIdOk.
    void OnDelete();

    /// "退出[&E]", Escape, the close box: kIdCancel, nothing deleted.
    void reject() override;

    /// Rows handed in; one less after a deletion.
    [[nodiscard]] int RowCount() const { return m_nRowCount; }
    /// A row's text (code page 936); kDeletedRowMark once deleted.
    [[nodiscard]] const std::string& RowText(int row) const {
        return m_strRows.at(static_cast<std::size_t>(row));
    }
    /// The row deleted in this opening, or -1.
    [[nodiscard]] int DeletedRow() const { return m_nDeletedRow; }
    /// The value number of the task to delete, 0 when none.
    [[nodiscard]] int DeletedValue() const { return m_nDeletedValue; }

private:
    void SetRows(const std::vector<TaskRow>& rows);
    [[nodiscard]] int SelectedRow() const;

    int m_nRowCount = 0;
    std::array<std::string, kMaxTasks> m_strRows;
    std::array<int, kMaxTasks> m_nRowValues{};  // the value number each row stands for
    int m_nDeletedRow = -1;
    int m_nDeletedValue = 0;

    MessageBoxes& boxes_;
    QListWidget* list_ = nullptr;
};

}  // namespace tocklet
