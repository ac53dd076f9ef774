// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/DialogFont.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

namespace tocklet {

void InstallFontSubstitutions() {
    static const bool installed = [] {
        // Fonts a Debian desktop may have, best match first; WenQuanYi Zen Hei is the one the
        // program's packages guarantee.
        const QStringList song{"SimSun",
                               "NSimSun",
                               "AR PL UMing CN",
                               "Noto Serif CJK SC",
                               "Source Han Serif SC",
                               "WenQuanYi Zen Hei"};
        const QStringList hei{"SimHei", "WenQuanYi Zen Hei", "Noto Sans CJK SC",
                              "Source Han Sans SC", "Droid Sans Fallback"};
        const QStringList kai{"KaiTi", "AR PL UKai CN", "AR PL KaitiM GB", "WenQuanYi Zen Hei",
                              "Noto Sans CJK SC"};
        const QStringList fang{"FangSong", "AR PL UMing CN", "Noto Serif CJK SC",
                               "WenQuanYi Zen Hei"};
        const QStringList sans{"Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans",
                               "WenQuanYi Zen Hei"};
        QFont::insertSubstitutions(QStringLiteral("宋体"), song);
        QFont::insertSubstitutions(QStringLiteral("新宋体"), song);
        QFont::insertSubstitutions(QStringLiteral("黑体"), hei);
        QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), kai);
        QFont::insertSubstitutions(QStringLiteral("楷体"), kai);
        QFont::insertSubstitutions(QStringLiteral("仿宋_GB2312"), fang);
        QFont::insertSubstitutions(QStringLiteral("仿宋"), fang);
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
        QFont::insertSubstitutions(QStringLiteral("MS Shell Dlg"), sans);
        return true;
    }();
    (void)installed;
}

int ScreenDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 96;
    const int dpi = qRound(screen->logicalDotsPerInchY());
    return dpi > 0 ? dpi : 96;
}

QFont DialogFont(std::string_view faceUtf8, int pointSize, int dotsPerInch) {
    InstallFontSubstitutions();
    QFont font(QString::fromUtf8(faceUtf8.data(), static_cast<qsizetype>(faceUtf8.size())));
    const int pixels = PointsToPixels(pointSize, dotsPerInch);
    if (pixels > 0) font.setPixelSize(pixels);
    return font;
}

QFont DialogFontFor(const DialogTemplate& dialog) {
    return DialogFont(dialog.fontFace, dialog.fontPointSize, ScreenDotsPerInch());
}

BaseUnits MeasureBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString sample =
        QString::fromLatin1(kBaseUnitSample.data(), static_cast<qsizetype>(kBaseUnitSample.size()));
    return BaseUnitsOf(metrics.horizontalAdvance(sample), metrics.height());
}

}  // namespace tocklet
