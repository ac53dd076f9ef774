// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The LED face, the floating clock window and the colour dialog, offscreen with fakes.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "clock/ui/ClockColorDlg.h"
#include "clock/ui/FloatClockDlg.h"
#include "clock/ui/GlyphClock.h"
#include "controls/DialogBuilder.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeTimers.h"
#include "resources/ImageIds.h"
#include "resources/Images.h"

namespace tocklet {
namespace {

using testing::FakeClock;
using testing::FakeTimers;

constexpr QRgb kRed = 0xFFFF0000u, kDarkRed = 0xFF800000u, kYellow = 0xFFFFFF00u;

TEST(GlyphClock, RecoloursPureRedOnlyAndNeverReloadsTheSameColour) {
    FakeClock clock;
    FakeTimers timers;
    CGlyphClock face(clock, timers);
    const qint64 before = face.Glyph(8).cacheKey();
    EXPECT_EQ(face.SetDigitColor(Rgb(255, 0, 0)), Rgb(255, 0, 0));
    EXPECT_EQ(face.Glyph(8).cacheKey(), before);

    EXPECT_EQ(face.SetDigitColor(Rgb(255, 255, 0)), Rgb(255, 0, 0));
    EXPECT_EQ(face.SetDigitColor(Rgb(0, 255, 255)), Rgb(255, 255, 0));
    EXPECT_EQ(face.SetDigitColor(Rgb(255, 255, 0)), Rgb(0, 255, 255));  // from the originals
    int lit = 0, unlit = 0;
    for (int i = 0; i < kGlyphCount; ++i) {
        const QImage original = Bitmap(kFirstGlyphBitmap + i).toImage();
        for (int y = 0; y < 23; ++y) {
            for (int x = 0; x < 13; ++x) {
                const QRgb was = original.pixel(x, y), now = face.Glyph(i).pixel(x, y);
                EXPECT_EQ(now, was == kRed ? kYellow : was) << i << " " << x << "," << y;
                lit += was == kRed;
                unlit += was == kDarkRed;
            }
        }
    }
    EXPECT_GT(lit, 0);
    EXPECT_GT(unlit, 0);
}

TEST(GlyphClock, DrawsOnItsOwnTicksOnlyAndStopsItsTimerWhenDestroyed) {
    FakeClock clock;
    clock.SetLocal(2026, 12, 7, 9, 5, 7);
    FakeTimers timers;
    auto face = std::make_unique<CGlyphClock>(clock, timers);
    EXPECT_TRUE(timers.IsRunning(kFaceTimerId));
    EXPECT_EQ(timers.running[kFaceTimerId], 1000);
    face->resize(135, 25);
    const QImage blank = face->grab().toImage();
    timers.Fire(kFaceTimerId + 1);
    EXPECT_EQ(face->grab().toImage(), blank);
    timers.Fire(kFaceTimerId);
    EXPECT_EQ(face->CellWidth(), 16);
    EXPECT_EQ(face->CellHeight(), 25);
    const QImage shown = face->grab().toImage();
    EXPECT_NE(shown, blank);
    // Cell 7 shows the 7 in red; the 7 pixels right of the cells keep the background.
    EXPECT_EQ(shown.copy(112, 0, 16, 25),
              face->Glyph(7).scaled(16, 25).convertToFormat(shown.format()));
    EXPECT_EQ(shown.copy(128, 0, 7, 25), blank.copy(128, 0, 7, 25));
    face.reset();
    EXPECT_FALSE(timers.IsRunning(kFaceTimerId));
}

struct FloatClockTest : ::testing::Test {
    FakeClock clock;
    FakeTimers timers;
    CFloatClockDlg dlg{Rgb(0, 0, 255), clock, timers};
    void SetUp() override { dlg.Create(); }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(&dlg, Qt::LeftButton, {}, from);
        QTest::mouseRelease(&dlg, Qt::LeftButton, {}, to);
    }
};

TEST_F(FloatClockTest, FramelessOnTopAtItsPlaceWithItsFace) {
    EXPECT_EQ(dlg.pos(), QPoint(395, 0));
    EXPECT_EQ(dlg.size(), QSize(135, 25));
    EXPECT_TRUE(dlg.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dlg.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    ASSERT_EQ(ControlById(&dlg, kFloatClockFaceId), dlg.Face());
    EXPECT_EQ(dlg.Face()->geometry(), QRect(0, 0, 135, 25));
    EXPECT_EQ(dlg.Face()->DigitColor(), Rgb(0, 0, 255));
}

TEST_F(FloatClockTest, JumpsByTheDragOnReleaseOnly) {
    Drag({5, 10}, {105, 60});
    EXPECT_EQ(dlg.pos(), QPoint(495, 50));
    Drag({20, 5}, {20, 5});
    EXPECT_EQ(dlg.pos(), QPoint(495, 50));
    // A release whose press was not on the clock moves nothing.
    QTest::mouseRelease(&dlg, Qt::LeftButton, {}, {60, 20});
    EXPECT_EQ(dlg.pos(), QPoint(495, 50));
}

TEST(ClockColorDlg, OpensWithNothingCheckedAndTakesTheCheckedColour) {
    struct Row {
        int radio;
        COLORREF colour;
        int number;
    };
    for (const Row& r : {Row{0, Rgb(0, 255, 0), 2}, Row{kClockColorBrownId, Rgb(0, 255, 255), 5},
                         Row{kClockColorRedId, Rgb(255, 0, 0), 1}}) {
        CClockColorDlg dlg;
        QTimer::singleShot(0, &dlg, [&dlg, r] {
            for (int id = kClockColorFirstRadio; id <= kClockColorLastRadio; ++id)
                EXPECT_FALSE(ControlAs<QRadioButton>(&dlg, id)->isChecked()) << id;
            if (r.radio != 0) ControlAs<QRadioButton>(&dlg, r.radio)->click();
            QTest::keyClick(&dlg, Qt::Key_Return);
        });
        EXPECT_EQ(dlg.DoModal(), r.number);
        EXPECT_EQ(dlg.ChosenColor(), r.colour);
    }
    CClockColorDlg dlg;
    QTimer::singleShot(0, &dlg, [&dlg] {
        ControlAs<QRadioButton>(&dlg, kClockColorBlueId)->click();
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_FALSE(dlg.DoModal().has_value());
}

}  // namespace
}  // namespace tocklet
