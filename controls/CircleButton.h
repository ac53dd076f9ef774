// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A round push button: its window is cut to a circle and it draws its own rim pixel by pixel,
// lit from the upper left, so that it looks like a dome that sinks in when pressed. Its colours
// follow the desktop's palette; clicks arrive as ordinary button clicks.

#include <QPushButton>

#include "controls/CircleMaths.h"

namespace tocklet {

class CCircleButton : public QPushButton {
    Q_OBJECT

public:
    explicit CCircleButton(QWidget* parent = nullptr);

    /// Makes the button a square of the smaller of its width and height at the same top-left
    /// corner and cuts it to the circle in that square. Called once it has its place.
    void Attach();

    [[nodiscard]] int CentreX() const { return m_nCentreX; }
    [[nodiscard]] int CentreY() const { return m_nCentreY; }
    [[nodiscard]] int Radius() const { return m_nRadius; }

    /// The desktop's three-dimensional colours as the palette gives them.
    [[nodiscard]] static ThreeDColours ColoursOf(const QPalette& palette);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    int m_nCentreX = 0;
    int m_nCentreY = 0;
    int m_nRadius = 0;
    bool m_bFocusRing = true;
};

}  // namespace tocklet
