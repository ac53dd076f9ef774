// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/ui/MyFileDialog.h"

#include <QFileSystemModel>
#include <QRegularExpression>
#include <QShowEvent>
#include <QSortFilterProxyModel>

#include "platform/MessageBox.h"

namespace tocklet {
namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// Decides which files the chooser lists. The dialog's own name filtering is switched off
// (its model gets no patterns), so every entry reaches this model and the rule of the current
// filter entry applies.
class FilterRuleModel : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetRule(const FileFilter& filter) {
        m_kind = KindOfFilter(filter);
        m_patterns.clear();
        for (const std::string& p : filter.patterns) {
            m_patterns.push_back(
                QRegularExpression(QRegularExpression::wildcardToRegularExpression(
                                       Utf8(p), QRegularExpression::UnanchoredWildcardConversion),
                                   QRegularExpression::CaseInsensitiveOption));
        }
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files == nullptr) return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        if (info.isDir()) return true;
        switch (m_kind) {
            case FilterKind::Everything:
                return true;
            case FilterKind::Programs:
                return info.isExecutable();
            case FilterKind::Patterns:
                break;
        }
        for (const QRegularExpression& re : m_patterns) {
            if (re.match(info.fileName()).hasMatch()) return true;
        }
        return false;
    }

private:
    FilterKind m_kind = FilterKind::Everything;
    std::vector<QRegularExpression> m_patterns;
};

}  // namespace

CMyFileDialog::CMyFileDialog(QWidget* owner, std::string_view filter)
    : QFileDialog(owner), m_filters(SplitFileFilter(filter)) {
    // The widget dialog, not the desktop's: it takes the filter rules and the extra height.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptOpen);
    // Only a file that exists can be started later.
    setFileMode(QFileDialog::ExistingFile);
    m_rule = new FilterRuleModel(this);
    setProxyModel(m_rule);

    QStringList captions;
    for (const FileFilter& f : m_filters) captions << Utf8(f.caption);
    setNameFilters(captions);
    connect(this, &QFileDialog::filterSelected, this, [this] { ApplyFilter(); });
    ApplyFilter();
}

void CMyFileDialog::ApplyFilter() {
    m_filterIndex = std::max<int>(0, nameFilters().indexOf(selectedNameFilter()));
    auto* rule = static_cast<FilterRuleModel*>(m_rule);
    if (auto* files = qobject_cast<QFileSystemModel*>(rule->sourceModel())) {
        files->setNameFilters({});
    }
    if (m_filterIndex < static_cast<int>(m_filters.size())) {
        rule->SetRule(m_filters[static_cast<std::size_t>(m_filterIndex)]);
    }
}

void CMyFileDialog::showEvent(QShowEvent* event) {
    if (!m_grown && !event->spontaneous()) {
        // The list gets the extra room; the layout moves everything below it down.
        m_grown = true;
        resize(width(), height() + kExtraHeight);
    }
    QFileDialog::showEvent(event);
}

int CMyFileDialog::DoModal() {
    m_pathName.clear();
    const bool chosen = exec() == QDialog::Accepted;
    const QStringList files = selectedFiles();
    if (chosen && !files.isEmpty()) m_pathName = files.front();
    return chosen ? kIdOk : kIdCancel;
}

QString CMyFileDialog::GetPathName() const { return m_pathName; }

}  // namespace tocklet
