// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMovie>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <algorithm>
#include <tuple>
#include <vector>

#include "controls/DialogBuilder.h"
#include "controls/DialogFont.h"
#include "controls/MenuBuilder.h"
#include "controls/TintedStatic.h"
#include "resources/CommandIds.h"
#include "resources/MainPanelIds.h"
#include "resources/ReminderIds.h"
#include "resources/Templates.h"

namespace tocklet {
namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect Expected(const DluRect& rect, BaseUnits units) {
    const PixelRect p = DluToPixels(rect, units);
    return QRect(p.x, p.y, p.width, p.height);
}

// The Qt class each kind is built as.
bool HasClassOfKind(const QWidget* widget, ControlKind kind) {
    switch (kind) {
        case ControlKind::PushButton:
        case ControlKind::DefPushButton:
        case ControlKind::RoundButton:
            return qobject_cast<const QPushButton*>(widget) != nullptr;
        case ControlKind::CheckBox:
            return qobject_cast<const QCheckBox*>(widget) != nullptr;
        case ControlKind::RadioButton:
            return qobject_cast<const QRadioButton*>(widget) != nullptr;
        case ControlKind::GroupBox:
            return qobject_cast<const QGroupBox*>(widget) != nullptr;
        case ControlKind::Edit:
            return qobject_cast<const QLineEdit*>(widget) != nullptr;
        case ControlKind::SliderH:
        case ControlKind::SliderV:
            return qobject_cast<const QSlider*>(widget) != nullptr;
        case ControlKind::Pager:
            return widget->metaObject() == &QWidget::staticMetaObject;
        case ControlKind::TextLeft:
        case ControlKind::TextCentre:
        case ControlKind::TextRight:
        case ControlKind::Hyperlink:
        case ControlKind::Picture:
        case ControlKind::Animation:
            return qobject_cast<const QLabel*>(widget) != nullptr;
        default:
            return false;
    }
}

// What a screen reader first hears of a control: its name, else what describes it (a value
// static before it shows a value).
QString Heard(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    const QString name = face->text(QAccessible::Name);
    return name.isEmpty() ? face->text(QAccessible::Description) : name;
}

// Everything built for a template, as (id, kind, place, heard name) rows.
using Row = std::tuple<int, int, int, int, int, int, QString>;

std::vector<Row> BuiltRows(const BuiltDialog& built) {
    std::vector<Row> rows;
    for (QWidget* widget : built.client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!widget->property(kControlKindProperty).isValid()) continue;
        const QRect g = widget->geometry();
        rows.emplace_back(ControlIdOf(widget), widget->property(kControlKindProperty).toInt(),
                          g.x(), g.y(), g.width(), g.height(), Heard(widget));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<Row> TemplateRows(const DialogTemplate& dialog, BaseUnits units) {
    std::vector<Row> rows;
    for (const ControlTemplate& c : dialog.controls) {
        const QRect g = Expected(c.rect, units);
        rows.emplace_back(c.id, static_cast<int>(c.kind), g.x(), g.y(), g.width(), g.height(),
                          Utf8(c.caption.empty() ? c.accessibleName : c.caption));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

TEST(DialogBuilderTest, MainPanelGetsEveryControlAtItsPlace) {
    QDialog dialog;
    const DialogTemplate& panel = MainPanelTemplate();
    const BuiltDialog built = BuildDialog(panel, &dialog);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("超级守时鸟"));
    EXPECT_GT(built.units.x, 0);
    EXPECT_GT(built.units.y, 0);
    const BaseUnits measured = MeasureBaseUnits(dialog.font());
    EXPECT_EQ(built.units.x, measured.x);
    EXPECT_EQ(built.units.y, measured.y);
    EXPECT_EQ(built.client->size(),
              QSize(MulDiv(290, built.units.x, 4), MulDiv(175, built.units.y, 8)));
    EXPECT_EQ(BuiltRows(built), TemplateRows(panel, built.units));

    for (const ControlTemplate& c : panel.controls) {
        if (c.id == kNoControlId) continue;
        SCOPED_TRACE(c.id);
        QWidget* widget = ControlById(&dialog, c.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName(), QString::number(c.id));
        EXPECT_EQ(widget->property(kControlIdProperty).toInt(), c.id);
        EXPECT_TRUE(HasClassOfKind(widget, c.kind));
        EXPECT_EQ(widget->geometry(), Expected(c.rect, built.units));
        EXPECT_TRUE(widget->isVisibleTo(&dialog));
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), Utf8(c.caption));
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label && IsText(c.kind)) {
            EXPECT_EQ(label->text(), Utf8(c.caption));
        }
    }
    for (const ControlTemplate& c : panel.controls) {
        if (c.id != kNoControlId) continue;
        SCOPED_TRACE(c.caption);
        EXPECT_TRUE(c.kind == ControlKind::GroupBox || IsText(c.kind) ||
                    c.kind == ControlKind::Picture);
    }
}

TEST(DialogBuilderTest, MainPanelControlDetails) {
    QDialog dialog;
    BuildDialog(MainPanelTemplate(), &dialog);

    EXPECT_TRUE(ControlAs<QLineEdit>(&dialog, kIdShutdownTime)->isReadOnly());
    EXPECT_EQ(ControlById(&dialog, kIdShutdownTime)->accessibleName(),
              QStringLiteral("预设关机时间"));
    EXPECT_EQ(ControlAs<QLabel>(&dialog, kIdMailLink)->text(), QStringLiteral("  给作者写信"));
    EXPECT_EQ(ControlAs<QLabel>(&dialog, kIdBanner)->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    for (int id : {kIdDelayText, kIdRepeatText, kIdTaskCountText})
        EXPECT_EQ(ControlAs<QLabel>(&dialog, id)->frameShape(), QFrame::Panel) << id;

    auto* delay = ControlAs<QSlider>(&dialog, kIdDelaySlider);
    ASSERT_NE(delay, nullptr);
    EXPECT_EQ(delay->orientation(), Qt::Vertical);
    EXPECT_TRUE(delay->invertedAppearance());  // minimum at the top
    EXPECT_EQ(ControlAs<QSlider>(&dialog, kIdRepeatSlider)->orientation(), Qt::Horizontal);

    auto* animation = ControlAs<QLabel>(&dialog, kIdAnimation);
    ASSERT_NE(animation, nullptr);
    ASSERT_NE(animation->movie(), nullptr);
    EXPECT_EQ(animation->movie()->state(), QMovie::Running);

    const auto pictures = dialog.findChildren<QLabel*>();
    const bool hasPicture = std::any_of(pictures.begin(), pictures.end(), [](QLabel* label) {
        return label->property(kControlKindProperty).toInt() ==
                   static_cast<int>(ControlKind::Picture) &&
               !label->pixmap().isNull();
    });
    EXPECT_TRUE(hasPicture);

    // No default button on the panel.
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->text().toStdString();

    // Group boxes sit behind the controls they frame and let clicks through.
    QWidget* radio = ControlById(&dialog, kIdLaunchMinimised);
    QWidget* hit = radio->parentWidget()->childAt(radio->geometry().center());
    EXPECT_TRUE(hit == radio || radio->isAncestorOf(hit));
}

TEST(DialogBuilderTest, MainPanelWindowAndMenu) {
    QDialog dialog;
    const BuiltDialog built = BuildDialog(MainPanelTemplate(), &dialog);
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

    ASSERT_NE(built.menuBar, nullptr);
    ASSERT_EQ(built.menuBar->actions().size(), 3);
    EXPECT_EQ(built.menuBar->actions()[0]->text(), QStringLiteral("  时间参数设置[&F]"));
    QAction* exit = FindCommandAction(built.menuBar, kCmdExitMenu);
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->text(), QStringLiteral("退出程序 [&X]"));

    // The menu bar sits above the client area, which keeps the template's size.
    dialog.adjustSize();
    EXPECT_GE(dialog.height(), built.client->height() + built.menuBar->sizeHint().height());
    EXPECT_GE(built.client->y(), built.menuBar->sizeHint().height());
}

TEST(DialogBuilderTest, DialogFontHasChineseGlyphs) {
    QDialog dialog;
    const BuiltDialog built = BuildDialog(MainPanelTemplate(), &dialog);
    const QFontMetrics metrics(built.font);
    EXPECT_TRUE(metrics.inFont(QChar(0x9E1F)));  // 鸟
    EXPECT_TRUE(metrics.inFont(QChar(0x5B88)));  // 守
    EXPECT_EQ(QFontInfo(built.font).pixelSize(), PointsToPixels(9, ScreenDotsPerInch()));
    const QFont hei = DialogFontFor(ReminderTemplate());
    EXPECT_TRUE(QFontMetrics(hei).inFont(QChar(0x8C22)));  // 谢
}

TEST(DialogBuilderTest, ConsecutiveRadiosFormOneExclusiveGroup) {
    QDialog dialog;
    BuildDialog(MainPanelTemplate(), &dialog);
    auto* minimised = ControlAs<QRadioButton>(&dialog, kIdLaunchMinimised);
    auto* normal = ControlAs<QRadioButton>(&dialog, kIdLaunchNormal);
    ASSERT_NE(minimised, nullptr);
    ASSERT_NE(normal, nullptr);
    ASSERT_NE(RadioGroupOf(&dialog, kIdLaunchMinimised), nullptr);
    EXPECT_EQ(RadioGroupOf(&dialog, kIdLaunchMinimised), RadioGroupOf(&dialog, kIdLaunchNormal));
    EXPECT_TRUE(RadioGroupOf(&dialog, kIdLaunchMinimised)->exclusive());
    EXPECT_EQ(RadioGroupOf(&dialog, kIdChimeOn), nullptr);  // a check box

    EXPECT_FALSE(minimised->isChecked());
    EXPECT_FALSE(normal->isChecked());
    minimised->click();
    EXPECT_TRUE(minimised->isChecked());
    normal->click();
    EXPECT_TRUE(normal->isChecked());
    EXPECT_FALSE(minimised->isChecked());
    normal->click();  // clicking the checked one keeps it checked
    EXPECT_TRUE(normal->isChecked());

    CheckRadioButton(&dialog, kIdLaunchMinimised, kIdLaunchNormal, kIdLaunchMinimised);
    EXPECT_TRUE(minimised->isChecked());
    EXPECT_FALSE(normal->isChecked());
    // Check boxes do not take part in radio groups.
    auto* chime = ControlAs<QCheckBox>(&dialog, kIdChimeOn);
    chime->click();
    EXPECT_TRUE(minimised->isChecked());
}

TEST(DialogBuilderTest, ReminderPopUp) {
    QDialog dialog;
    const BuiltDialog built = BuildDialog(ReminderTemplate(), &dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Hi"));
    EXPECT_EQ(built.menuBar, nullptr);
    EXPECT_EQ(built.client, &dialog);
    EXPECT_EQ(dialog.size(), QSize(MulDiv(207, built.units.x, 4), MulDiv(122, built.units.y, 8)));
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(BuiltRows(built), TemplateRows(ReminderTemplate(), built.units));

    auto* thanks = ControlAs<QPushButton>(&dialog, kReminderThanksId);
    ASSERT_NE(thanks, nullptr);
    EXPECT_TRUE(thanks->isDefault());
    EXPECT_EQ(thanks->text(), QStringLiteral("谢谢提醒"));
    EXPECT_EQ(ControlAs<QLabel>(&dialog, kReminderHeadingId)->text(),
              QStringLiteral("-Hi,不知您是否记得,此时-"));
    for (int id : kReminderLineIds) {
        auto* line = ControlAs<QLabel>(&dialog, id);
        ASSERT_NE(line, nullptr) << id;
        EXPECT_TRUE(line->text().isEmpty());
        // Heard by the text it will show; the template's name only describes it.
        EXPECT_TRUE(line->accessibleName().isEmpty());
        EXPECT_FALSE(line->accessibleDescription().isEmpty());
    }
    // The bordered picture fits inside its frame.
    QLabel* picture = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (!label->pixmap().isNull()) picture = label;
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->frameShape(), QFrame::Box);
    const QSize room = picture->contentsRect().size();
    EXPECT_LE(picture->pixmap().width(), room.width());
    EXPECT_LE(picture->pixmap().height(), room.height());
}

TEST(DialogBuilderTest, FactoriesReplaceTheStandardWidgetButKeepCaptionAndPlace) {
    QDialog dialog;
    BuildOptions options;
    options.factories[kReminderHeadingId] = [](const ControlTemplate&, QWidget* parent) {
        return new CTintedStatic(parent);
    };
    const BuiltDialog built = BuildDialog(ReminderTemplate(), &dialog, options);
    auto* heading = ControlAs<CTintedStatic>(&dialog, kReminderHeadingId);
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), QStringLiteral("-Hi,不知您是否记得,此时-"));
    EXPECT_EQ(heading->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(heading->geometry(),
              Expected(FindControl(ReminderTemplate(), kReminderHeadingId)->rect, built.units));
    EXPECT_EQ(heading->TextColor(), Rgb(0, 0, 238));
}

TEST(DialogBuilderTest, ControlsOfOwnedDialogsAreNotConfused) {
    QDialog panel;
    BuildDialog(MainPanelTemplate(), &panel);
    auto* reminder = new QDialog(&panel);
    BuildDialog(ReminderTemplate(), reminder);
    // Both dialogs give a button the same number; each finds its own.
    static_assert(kIdUserInfo == kReminderThanksId);
    EXPECT_EQ(ControlAs<QPushButton>(&panel, kIdUserInfo)->text(), QStringLiteral("修改用户信息"));
    EXPECT_EQ(ControlAs<QPushButton>(reminder, kReminderThanksId)->text(),
              QStringLiteral("谢谢提醒"));
    // A control of the owned dialog is none of the panel's.
    EXPECT_THROW(static_cast<void>(ControlById(&panel, kReminderHeadingId)), ControlLookupError);
}

}  // namespace
}  // namespace tocklet
