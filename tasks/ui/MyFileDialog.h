// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The file chooser of program tasks: an open-file dialog 150 pixels taller than usual, so its
// file list shows more entries, with filters given as caption|patterns pairs.

#include <QFileDialog>
#include <string_view>
#include <vector>

class QSortFilterProxyModel;

#include "tasks/FileFilter.h"

namespace tocklet {

/// The filter of the add-task dialog's chooser.
inline constexpr std::string_view kProgramFilter = "ExeFiles (*.exe)|*.exe|All Files(*.*)|*.*||";

/// Captions keep their text. What a filter shows follows KindOfFilter: "*.exe" shows the
/// folders and the files the user may execute (programs here carry no ".exe"), "*.*" shows
/// every file (a name needs no dot); other patterns match names as usual.
class CMyFileDialog : public QFileDialog {
    Q_OBJECT
public:
    static constexpr int kExtraHeight = 150;

    explicit CMyFileDialog(QWidget* owner, std::string_view filter = kProgramFilter);

    /// Runs the chooser modally; kIdOk when a file was chosen, kIdCancel otherwise.
    [[nodiscard]] int DoModal();

    /// The chosen file's full path; empty when the chooser was cancelled.
    [[nodiscard]] QString GetPathName() const;

    /// The filter entry now in use.
    [[nodiscard]] int CurrentFilterIndex() const { return m_filterIndex; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ApplyFilter();

    QSortFilterProxyModel* m_rule = nullptr;
    std::vector<FileFilter> m_filters;
    int m_filterIndex = 0;
    bool m_grown = false;
    QString m_pathName;
};

}  // namespace tocklet
