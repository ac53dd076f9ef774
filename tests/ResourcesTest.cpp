// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QMovie>
#include <cstdint>

#include "resources/Images.h"

namespace tocklet {
namespace {

TEST(ResourcesTest, BitmapsByNumber) {
    for (int id : {124, 125, 126, 127}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(Bitmap(id).isNull());
    }
    // The reminder picture is drawn for a 59 x 89 unit frame at the usual font size.
    EXPECT_EQ(Bitmap(126).size(), QSize(88, 145));
    // The toolbar strip holds one 20 x 20 image per button (separators take none).
    EXPECT_EQ(Bitmap(102).size(), QSize(8 * 20, 20));
    // The clock's glyphs: the digits 0..9, the colon and the blank cell.
    for (int id = 136; id <= 147; ++id) EXPECT_EQ(Bitmap(id).size(), QSize(13, 23)) << id;
    EXPECT_TRUE(Bitmap(148).isNull());
    EXPECT_TRUE(Bitmap(123).isNull());
    EXPECT_TRUE(Bitmap(128).isNull());
}

TEST(ResourcesTest, IconsComeInTrayAndWindowSizes) {
    for (int id : {102, 120, 121, 122}) {
        SCOPED_TRACE(id);
        const QIcon icon = Icon(id);
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.pixmap(16, 16).size(), QSize(16, 16));
        EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    }
    EXPECT_TRUE(Icon(119).isNull());
    // Paused monitoring must look different from running monitoring in the tray.
    EXPECT_NE(Icon(120).pixmap(16, 16).toImage(), Icon(121).pixmap(16, 16).toImage());
}

TEST(ResourcesTest, AnimationLoopsThroughItsFrames) {
    const QString path = AnimationPath(128);
    ASSERT_FALSE(path.isEmpty());
    QMovie movie(path);
    ASSERT_TRUE(movie.isValid());
    EXPECT_EQ(movie.frameCount(), 8);
    EXPECT_EQ(movie.loopCount(), -1);  // for ever
    ASSERT_TRUE(movie.jumpToFrame(0));
    const QImage first = movie.currentImage();
    EXPECT_EQ(first.size(), QSize(54, 21));
    // GIF frames are decoded one after the other.
    ASSERT_TRUE(movie.jumpToNextFrame());
    ASSERT_TRUE(movie.jumpToNextFrame());
    EXPECT_EQ(movie.currentFrameNumber(), 2);
    EXPECT_NE(first, movie.currentImage());
    EXPECT_TRUE(AnimationPath(127).isEmpty());
}

// Reads a little-endian field of a WAVE header.
template <typename T>
T Field(const QByteArray& bytes, int offset) {
    // Byte by byte: GCC's bounds check cannot see that the size was checked before a memcpy.
    std::uint64_t value = 0;
    for (int i = 0; i < static_cast<int>(sizeof(T)); ++i) {
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes.at(offset + i)))
                 << (8 * i);
    }
    return static_cast<T>(value);
}

TEST(ResourcesTest, SoundsSitNextToTheProgramInTheBuildTree) {
    for (const char* name : {"clock.wav", "close.wav"}) {
        SCOPED_TRACE(name);
        QFile file(QStringLiteral(TOCKLET_SHELL_BUILD_DIR "/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), 44);
        EXPECT_EQ(bytes.left(4), "RIFF");
        EXPECT_EQ(bytes.mid(8, 4), "WAVE");
        EXPECT_EQ(Field<quint16>(bytes, 20), 1);  // PCM
        const auto channels = Field<quint16>(bytes, 22);
        const auto rate = Field<quint32>(bytes, 24);
        const auto bits = Field<quint16>(bytes, 34);
        EXPECT_EQ(channels, 1);
        EXPECT_EQ(bits, 16);
        const double seconds = double(bytes.size() - 44) / (rate * channels * bits / 8);
        EXPECT_GT(seconds, 0.8);
        EXPECT_LT(seconds, 1.5);
    }
}

}  // namespace
}  // namespace tocklet
