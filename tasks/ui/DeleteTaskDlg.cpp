// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/ui/DeleteTaskDlg.h"

#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "controls/DialogBuilder.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "resources/Templates.h"
#include "store/Text.h"

namespace tocklet {

CDeleteTaskDlg::CDeleteTaskDlg(MessageBoxes& boxes, QWidget* parent)
    : NoDefaultButtonDialog(parent), boxes_(boxes) {
    BuildDialog(DeleteTaskTemplate(), this);
    list_ = ControlAs<QListWidget>(this, kDeleteListId);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSortingEnabled(false);
    DropDefaultButtons();
    connect(ControlAs<QPushButton>(this, kDeleteButtonId), &QPushButton::clicked, this,
            &CDeleteTaskDlg::OnDelete);
    connect(ControlAs<QPushButton>(this, kDeleteExitId), &QPushButton::clicked, this,
            &CDeleteTaskDlg::reject);
}

void CDeleteTaskDlg::SetRows(const std::vector<TaskRow>& rows) {
    m_nRowCount = static_cast<int>(std::min<std::size_t>(rows.size(), kMaxTasks));
    for (std::size_t i = 0; i < kMaxTasks; ++i) {
        const bool used = i < rows.size();
        m_strRows[i] = used ? rows[i].text : std::string();
        m_nRowValues[i] = used ? rows[i].valueNumber : 0;
    }
}

bool CDeleteTaskDlg::OnInitDialog(const std::vector<TaskRow>& rows) {
    SetRows(rows);
    m_nDeletedRow = -1;
    m_nDeletedValue = 0;
    list_->clear();
    if (m_nRowCount <= 0) {
        boxes_.Tell(Gb("    没有取得数据,可能是没有任务,\n 也可能是调用数据失败,请重新添加任务 "),
                    Gb("守时鸟提示您"));
        setResult(kIdOk);
        return false;
    }
    const int shown = std::min(m_nRowCount, kMaxTasks);
    for (int i = 0; i < shown; ++i) {
        list_->addItem(FromGb(m_strRows[static_cast<std::size_t>(i)]));
    }
    list_->setCurrentRow(0);
    list_->setFocus();
    return true;
}

int CDeleteTaskDlg::DoModal(const std::vector<TaskRow>& rows) {
    if (OnInitDialog(rows)) exec();
    return m_nDeletedValue;
}

int CDeleteTaskDlg::SelectedRow() const {
    if (list_->count() == 0) return 0;
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void CDeleteTaskDlg::OnDelete() {
    const int row = SelectedRow();
    QListWidgetItem* item = row >= 0 && row < kMaxTasks ? list_->takeItem(row) : nullptr;
    if (item == nullptr) {
        boxes_.Tell(Gb(" 没有选项可删除了"), Gb("请您注意"));
        done(kIdOk);
        return;
    }
    delete item;
    --m_nRowCount;
    const auto index = static_cast<std::size_t>(row);
    m_strRows[index] = std::string(kDeletedRowMark);
    // The caller deletes by value number: a task whose own text is "!" must not be mistaken
    // for the marked row.
    m_nDeletedRow = row;
    m_nDeletedValue = m_nRowValues[index];
    done(kIdOk);
}

void CDeleteTaskDlg::reject() { done(kIdCancel); }

}  // namespace tocklet
