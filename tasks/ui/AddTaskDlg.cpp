// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/ui/AddTaskDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include "controls/DialogBuilder.h"
#include "controls/GbLimitValidator.h"
#include "controls/UpDownButtons.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "resources/Templates.h"
#include "store/Text.h"
#include "tasks/TaskRecord.h"
#include "tasks/TaskStore.h"
#include "tasks/ui/AddTaskEnabling.h"
#include "tasks/ui/MyFileDialog.h"
#include "tasks/ui/TaskMessages.h"

namespace tocklet {
namespace {

using Id = AddTaskIds;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void FillCombo(QComboBox* combo, const QStringList& entries) {
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(0);
}

QStringList Numbers(int from, int to) {
    QStringList list;
    for (int n = from; n <= to; ++n) list << QString::number(n);
    return list;
}

QString ComboText(QWidget* dialog, int id) {
    return ControlAs<QComboBox>(dialog, id)->currentText();
}

}  // namespace

CAddTaskDlg::CAddTaskDlg(TaskStore& store, MessageBoxes& boxes, QWidget* parent,
                         ProgramChooser chooser)
    : QDialog(parent), m_store(store), m_boxes(boxes), m_chooser(std::move(chooser)) {
    BuildDialog(AddTaskTemplate(), this);
    if (!m_chooser) {
        m_chooser = [](QWidget* owner) {
            CMyFileDialog chooserDialog(owner);
            // Cancelled, the chooser gives no path, and no path it is.
            return chooserDialog.DoModal() == kIdOk ? chooserDialog.GetPathName() : QString();
        };
    }

    m_hour = new SpinField(ControlAs<QLineEdit>(this, Id::kHourEdit),
                           ControlAs<UpDownButtons>(this, Id::kHourSpin), kHourRange, this);
    m_minute = new SpinField(ControlAs<QLineEdit>(this, Id::kMinuteEdit),
                             ControlAs<UpDownButtons>(this, Id::kMinuteSpin), kMinuteRange, this);

    auto* text = ControlAs<QLineEdit>(this, Id::kReminderEdit);
    // The stored task text is walked by lead bytes, so the euro sign's lone byte 0x80 would
    // swallow the byte after it; a change that does not fit is refused whole.
    text->setValidator(new GbLimitValidator(kMaxReminderBytes, GbLimitValidator::Euro::kRefuse,
                                            GbLimitValidator::Breach::kRefuseChange, text));
    // The member always holds what the edit shows.
    connect(text, &QLineEdit::textChanged, this,
            [this](const QString& now) { m_strReminderText = ToGb(now); });

    const std::pair<int, void (CAddTaskDlg::*)()> handlers[] = {
        {Id::kMessage, &CAddTaskDlg::OnMessageRadio},
        {Id::kProgram, &CAddTaskDlg::OnProgramRadio},
        {Id::kDaily, &CAddTaskDlg::OnDailyRadio},
        {Id::kOnDate, &CAddTaskDlg::OnDateRadio},
        {Id::kWeekly, &CAddTaskDlg::OnWeeklyRadio},
        {Id::kSave, &CAddTaskDlg::OnSave},
        {Id::kNext, &CAddTaskDlg::OnNext},
        {Id::kExit, &CAddTaskDlg::OnExit},
        {Id::kBrowse, &CAddTaskDlg::OnBrowse},
    };
    for (const auto& [id, handler] : handlers)
        connect(ControlAs<QAbstractButton>(this, id), &QAbstractButton::clicked, this, handler);
}

void CAddTaskDlg::OnInitDialog(int taskCount) {
    m_nTaskCount = taskCount;
    m_nSavedCount = 0;
    ControlAs<QLineEdit>(this, Id::kReminderEdit)->setText(FromGb(m_strReminderText));

    FillCombo(ControlAs<QComboBox>(this, Id::kMonth), Numbers(1, 12));
    FillCombo(ControlAs<QComboBox>(this, Id::kDay), Numbers(1, 31));
    QStringList weekdays;
    for (std::string_view day : WeekdayEntries()) weekdays << Utf8(day);
    FillCombo(ControlAs<QComboBox>(this, Id::kWeekday), weekdays);

    // Each opening starts with no choice made, as a newly created dialog does.
    CheckRadioButton(this, Id::kDaily, Id::kWeekly, 0);
    CheckRadioButton(this, Id::kMessage, Id::kProgram, 0);
    for (int id : InitiallyDisabledControls()) SetEnabled(id, false);

    m_hour->SetPosition(kHourStart);
    m_minute->SetPosition(kMinuteStart);
    ControlById(this, Id::kMessage)->setFocus();
}

int CAddTaskDlg::DoModal(int taskCount) {
    OnInitDialog(taskCount);
    exec();
    return m_nTaskCount;
}

void CAddTaskDlg::OnMessageRadio() { ApplyEnabling(Id::kMessage); }
void CAddTaskDlg::OnProgramRadio() { ApplyEnabling(Id::kProgram); }
void CAddTaskDlg::OnDailyRadio() { ApplyEnabling(Id::kDaily); }
void CAddTaskDlg::OnDateRadio() { ApplyEnabling(Id::kOnDate); }
void CAddTaskDlg::OnWeeklyRadio() { ApplyEnabling(Id::kWeekly); }

void CAddTaskDlg::OnSave() {
    AddTaskChoices choices;
    choices.hour = m_hour->ReadPosition();
    choices.minute = m_minute->ReadPosition();
    // Text that is no valid time was not taken; show what is stored instead.
    m_hour->SetPosition(choices.hour);
    m_minute->SetPosition(choices.minute);
    choices.action =
        CheckedRadio(Id::kMessage, Id::kProgram) == Id::kMessage ? kActionMessage : kActionProgram;
    switch (CheckedRadio(Id::kDaily, Id::kWeekly)) {
        case Id::kDaily:
            choices.schedule = kScheduleDaily;
            break;
        case Id::kOnDate:
            choices.schedule = kScheduleDate;
            break;
        default:
            choices.schedule = kScheduleWeekly;
    }
    choices.monthText = ToGb(ComboText(this, Id::kMonth));
    choices.dayText = ToGb(ComboText(this, Id::kDay));
    choices.weekdayText = ToGb(ComboText(this, Id::kWeekday));
    choices.reminderText = m_strReminderText;
    choices.programPath = m_strProgramPath;

    const BuiltTask task = BuildTaskRecord(choices);
    if (task.problem != AddTaskProblem::None) {
        Say(ProblemText(task.problem));
        return;
    }
    // The store refuses a 21st task or a record too long for its value, and says so; the
    // count then stays and everything typed stays for another try.
    const AppendResult stored = m_store.AppendTask(task.record, m_nTaskCount);
    ShowNotices(m_boxes, AppendNotices(stored));
    if (stored.outcome != AppendResult::Outcome::Stored) return;
    m_nTaskCount = stored.count;
    ++m_nSavedCount;
    // Each Save stores exactly one task; Next makes Save available again.
    SetEnabled(Id::kSave, false);
}

void CAddTaskDlg::OnNext() {
    m_strReminderText.clear();
    ControlAs<QLineEdit>(this, Id::kReminderEdit)->clear();
    SetEnabled(Id::kSave, true);
}

void CAddTaskDlg::OnExit() { done(kIdOk); }

void CAddTaskDlg::reject() { done(kIdCancel); }

void CAddTaskDlg::OnBrowse() {
    const QString chosen = QDir::toNativeSeparators(m_chooser(this));
    m_strProgramPath.clear();
    ControlById(this, Id::kBrowse)->setToolTip(QString());
    if (chosen.isEmpty()) return;  // cancelled: no program chosen
    const std::optional<std::string> gb = TryToGb(chosen);
    if (!gb) {
        Say(kPathNotGb);
        return;
    }
    if (auto refusal = ProgramPathRefusal(*gb)) {
        Say(*refusal);
        return;
    }
    m_strProgramPath = *gb;
    // The dialog has no field for the path; the button tells which file it holds.
    ControlById(this, Id::kBrowse)->setToolTip(chosen);
}

void CAddTaskDlg::ApplyEnabling(int radioId) {
    const Enabling change = EnablingAfterClick(radioId);
    for (int id : change.enabled) SetEnabled(id, true);
    for (int id : change.disabled) SetEnabled(id, false);
}

void CAddTaskDlg::SetEnabled(int id, bool enabled) { ControlById(this, id)->setEnabled(enabled); }

int CAddTaskDlg::CheckedRadio(int first, int last) {
    for (int id = first; id <= last; ++id)
        if (ControlAs<QAbstractButton>(this, id)->isChecked()) return id;
    return 0;
}

void CAddTaskDlg::Say(std::string_view utf8) { m_boxes.Tell(Gb(utf8), Gb(kAddTaskCaption)); }

}  // namespace tocklet
