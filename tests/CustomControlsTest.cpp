// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The mail link, the round button and the toolbar strip as widgets.
#include <gtest/gtest.h>

#include <QAction>
#include <QMouseEvent>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "controls/CircleButton.h"
#include "controls/LinkLabel.h"
#include "controls/LinkLogic.h"
#include "controls/MenuBuilder.h"
#include "controls/ToolbarPager.h"
#include "fakes/FakeDefaultApps.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeShellOpen.h"
#include "platform/QtText.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "store/Text.h"

namespace tocklet::testing {
namespace {

struct LinkScene {
    QWidget parent;
    FakeShellOpen shell;
    FakeDefaultApps apps;
    FakeMessageBoxes boxes;
    CLinkLabel* link = new CLinkLabel({shell, apps, boxes}, &parent);

    explicit LinkScene(const QString& text) {
        parent.resize(300, 100);
        link->setGeometry(10, 20, 200, 30);
        link->setText(text);
        link->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // as a left-aligned static is built
    }
    void Move(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, link->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(link, &move);
    }
};

TEST(LinkLabel, AttachTakesTextOrTargetAndFitsTheText) {
    LinkScene withText(QStringLiteral("  给作者写信"));
    withText.link->Attach();
    CLinkLabel& a = *withText.link;
    EXPECT_EQ(a.Target(), Gb("  给作者写信"));
    const QSize text = QFontMetrics(a.font()).size(Qt::TextSingleLine, a.text());
    EXPECT_EQ(a.geometry(), QRect(QPoint(10, 20), text));  // keeps its top-left corner
    EXPECT_TRUE(a.font().underline());
    EXPECT_EQ(a.cursor().shape(), Qt::PointingHandCursor);
    a.SetTarget("mailto:x@example.org");
    EXPECT_EQ(a.toolTip(), QStringLiteral("mailto:x@example.org"));

    LinkScene empty(QString{});
    empty.link->SetTarget("mailto:y@example.org");
    empty.link->SetUnderlined(false);
    empty.link->Attach();
    EXPECT_EQ(empty.link->text(), QStringLiteral("mailto:y@example.org"));
    EXPECT_EQ(empty.link->toolTip(), empty.link->text());
    EXPECT_FALSE(empty.link->font().underline());
}

TEST(LinkLabel, ColoursFollowThePointerAndTheLastClick) {
    LinkScene s(QStringLiteral("link"));
    CLinkLabel& link = *s.link;
    link.Attach();
    link.SetTarget("mailto:x@example.org");
    link.SetLinkColors(Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(255, 0, 0));
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0, 255, 0));
    s.Move({2, 2});
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    s.Move({2, 500});  // moved out while the button is held
    EXPECT_FALSE(link.IsMouseOver());

    QTest::mouseClick(&link, Qt::LeftButton, {}, {2, 2});
    EXPECT_EQ(s.shell.opened, std::vector<std::string>{"mailto:x@example.org"});
    EXPECT_TRUE(link.IsOpened());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&link, &leave);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(s.boxes.shown.empty());

    // A failed click clears the opened state and says why.
    s.shell.result = false;
    QTest::mouseClick(&link, Qt::LeftButton, {}, {2, 2});
    EXPECT_FALSE(link.IsOpened());
    ASSERT_EQ(s.boxes.shown.size(), 1u);
    EXPECT_EQ(s.boxes.shown[0].text, OpenErrorText(kOpenNoAssociation));
    EXPECT_EQ(s.boxes.shown[0].icon, MbIcon::Warning);
}

TEST(LinkLabel, TheDefaultBrowserOpensWhatTheDesktopRefused) {
    LinkScene s(QStringLiteral("link"));
    s.shell.result = false;
    s.apps.commands["text/html"] = "/bin/true --new \"%u\"";
    EXPECT_EQ(s.link->OpenTarget("mailto:x@example.org"), kOpened);
    s.apps.commands["text/html"] = "/nonexistent/browser %u";
    EXPECT_EQ(s.link->OpenTarget("mailto:x@example.org"), kOpenFileNotFound);
    s.apps.commands["text/html"] = "\"unclosed %u";
    EXPECT_EQ(s.link->OpenTarget("mailto:x@example.org"), kOpenNoAssociation);
}

TEST(CircleButton, SquareRoundAndLitFromTheUpperLeft) {
    QWidget parent;
    parent.resize(100, 100);
    auto* button = new CCircleButton(&parent);
    button->setGeometry(7, 9, 46, 40);
    button->Attach();
    EXPECT_EQ(button->geometry(), QRect(7, 9, 40, 40));
    EXPECT_EQ(button->Radius(), 19);
    EXPECT_TRUE(button->mask().contains(QPoint(20, 20)));
    EXPECT_FALSE(button->mask().contains(QPoint(1, 1)));

    // Rim pixels at the upper left and lower right of the outer circle.
    const auto rim = [button] {
        const QImage image = button->grab().toImage();
        return std::pair{image.pixelColor(6, 7).lightness(), image.pixelColor(34, 33).lightness()};
    };
    const auto [upLight, upDark] = rim();
    EXPECT_GT(upLight, upDark);
    button->setDown(true);
    const auto [downLight, downDark] = rim();
    EXPECT_LT(downLight, downDark);
}

TEST(ToolbarPager, ArrowsOnlyWhenTheChildIsWider) {
    CToolbarPager pager;
    pager.resize(200, 30);
    pager.SetChild(new QWidget);
    pager.SetButtonSize(25);
    pager.SetChildSize(150, 45);
    EXPECT_FALSE(pager.ForwardArrow()->isVisibleTo(&pager));
    EXPECT_EQ(pager.Child()->width(), 150);
    PagerCalcSize height{kCalcHeight, 0, 0};
    pager.OnPagerCalcSize(height);
    EXPECT_EQ(height.iHeight, 45);

    pager.SetChildSize(300, 45);
    ASSERT_TRUE(pager.ForwardArrow()->isVisibleTo(&pager));
    EXPECT_EQ(pager.ForwardArrow()->geometry(), QRect(175, 0, 25, 30));
    EXPECT_EQ(pager.BackArrow()->geometry(), QRect(0, 0, 25, 30));
    EXPECT_FALSE(pager.BackArrow()->isEnabled());
    pager.ForwardArrow()->click();
    EXPECT_EQ(pager.ScrollPosition(), 25);
    EXPECT_EQ(pager.Child()->x(), -25);
    for (int i = 0; i < 10; ++i) pager.ForwardArrow()->click();
    EXPECT_EQ(pager.ScrollPosition(), 150);  // 300 - (200 - 2 * 25)
    EXPECT_FALSE(pager.ForwardArrow()->isEnabled());
}

TEST(ToolbarPager, PanelToolbarSendsItsCommands) {
    CToolbarPager pager;
    pager.resize(400, 30);
    QToolBar* toolbar = CreatePagerToolbar(pager, kPanelToolbarId);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(CreatePagerToolbar(pager, 999), nullptr);
    std::vector<int> commands;
    for (QAction* action : toolbar->actions()) {
        commands.push_back(CommandOf(action));
        if (action->isSeparator()) continue;
        QWidget* button = toolbar->widgetForAction(action);
        EXPECT_TRUE(button->toolTip().isEmpty());
        EXPECT_FALSE(button->accessibleName().isEmpty());
    }
    EXPECT_EQ(commands, ToolbarButtons(kPanelToolbarId));
    EXPECT_EQ(toolbar->iconSize(), QSize(20, 20));
    EXPECT_EQ(pager.Child()->width(), toolbar->sizeHint().width() + 15);
    EXPECT_EQ(pager.ForwardArrow()->isVisibleTo(&pager), toolbar->sizeHint().width() + 15 > 400);

    int sent = 0;
    QObject::connect(toolbar, &QToolBar::actionTriggered,
                     [&sent](QAction* action) { sent = CommandOf(action); });
    qobject_cast<QToolButton*>(toolbar->widgetForAction(toolbar->actions().back()))->click();
    EXPECT_EQ(sent, kCmdAboutToolbar);
}

}  // namespace
}  // namespace tocklet::testing
