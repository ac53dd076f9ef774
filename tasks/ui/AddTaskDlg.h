// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The add-task dialog: choose a message or a program, a schedule, a time and the text or
// file, then "存入" appends the task to the registry at once; "下一个" prepares another one and
// "退出" closes. Each opening starts from the owner's task count and returns it grown by one
// for every task stored.

#include <QDialog>
#include <functional>
#include <string>

#include "controls/SpinField.h"
#include "resources/AddTaskIds.h"
#include "tasks/AddTaskLogic.h"

namespace tocklet {

class MessageBoxes;
class TaskStore;

/// Shows a file chooser owned by owner and returns the chosen file's full path, or an empty
/// text when the user cancelled.
using ProgramChooser = std::function<QString(QWidget* owner)>;

class CAddTaskDlg : public QDialog {
    Q_OBJECT
public:
    /// chooser defaults to CMyFileDialog with the program filters.
    CAddTaskDlg(TaskStore& store, MessageBoxes& boxes, QWidget* parent = nullptr,
                ProgramChooser chooser = {});

    /// Starts an opening with the owner's task count: the controls as a fresh opening shows
    /// them, no task saved yet. Call before exec().
    void OnInitDialog(int taskCount);

    /// Initialises and runs the dialog modally until "退出", the close box or Escape; returns
    /// the task count after it.
    [[nodiscard]] int DoModal(int taskCount);

    void OnMessageRadio();
    void OnProgramRadio();
    void OnDailyRadio();
    void OnDateRadio();
    void OnWeeklyRadio();
    void OnSave();
    void OnNext();
    void OnExit();
    void OnBrowse();

    void reject() override;

    /// The task count: the owner's, plus one for every task stored in this opening.
    [[nodiscard]] int TaskCount() const { return m_nTaskCount; }
    /// Tasks stored in this opening.
    [[nodiscard]] int SavedCount() const { return m_nSavedCount; }
    /// The reminder text the edit holds (code page 936, at most 66 bytes).
    [[nodiscard]] const std::string& ReminderText() const { return m_strReminderText; }
    /// The chosen program (code page 936); empty when none. Kept between openings.
    [[nodiscard]] const std::string& ProgramPath() const { return m_strProgramPath; }

private:
    void ApplyEnabling(int radioId);
    void SetEnabled(int id, bool enabled);
    [[nodiscard]] int CheckedRadio(int first, int last);
    void Say(std::string_view utf8);

    int m_nTaskCount = 0;
    int m_nSavedCount = 0;
    std::string m_strReminderText;
    std::string m_strProgramPath;
    TaskStore& m_store;
    MessageBoxes& m_boxes;
    ProgramChooser m_chooser;
    SpinField* m_hour = nullptr;
    SpinField* m_minute = nullptr;
};

}  // namespace tocklet
