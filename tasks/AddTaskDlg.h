#pragma once
// The add-task dialog: choose a message or a program, a schedule, a time and the text or
// file, then "存入" appends the task to the registry at once; "下一个" prepares another one and
// "退出" closes. The owner hands in the task count before each opening and reads it back
// afterwards: it grows by one for every task stored.

#include <QDialog>
#include <functional>
#include <string>

#include "tasks/AddTaskInputs.h"

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

    /// Resets the controls as a fresh opening shows them; call before exec().
    void OnInitDialog();

    /// Initialises and runs the dialog modally: kIdOk after "退出", kIdCancel after the close
    /// box or Escape.
    int DoModal();

    void OnMessageRadio();
    void OnProgramRadio();
    void OnDailyRadio();
    void OnDateRadio();
    void OnWeeklyRadio();
    void OnSave();
    void OnNext();
    void OnExit();
    void OnBrowse();

    int m_nTaskCount = 0;           ///< set by the owner before opening; each stored task adds one
    int m_nSavedCount = 0;          ///< tasks stored in this opening; the owner sets it to 0
    std::string m_strReminderText;  ///< code page 936, at most 66 bytes
    std::string m_strProgramPath;   ///< code page 936

    void reject() override;

private:
    void ApplyEnabling(int radioId);
    void SetEnabled(int id, bool enabled);
    int CheckedRadio(int first, int last);
    void Say(std::string_view utf8);

    TaskStore& m_store;
    MessageBoxes& m_boxes;
    ProgramChooser m_chooser;
    SpinField* m_hour = nullptr;
    SpinField* m_minute = nullptr;
};

}  // namespace tocklet
