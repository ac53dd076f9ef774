// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Static text in a colour of its own, optionally in a font of its own, drawn straight onto
// the parent's background (no box is filled behind the letters).

#include <QFont>
#include <QLabel>
#include <optional>

#include "settings/Colour.h"

namespace tocklet {

class CTintedStatic : public QLabel {
    Q_OBJECT

public:
    /// Blue text (RGB(0, 0, 238)) in the parent's font until told otherwise.
    explicit CTintedStatic(QWidget* parent = nullptr);

    /// Paints the text in colour from now on.
    void SetTextColor(COLORREF colour);

    /// With flag 1, switches to a demibold "news" font (or whatever the font matching offers
    /// for that name) of the given height and average character width in pixels; a height of
    /// 0 keeps the current size, a negative one counts the character height without its
    /// leading, a width of 0 keeps the natural proportions. Any other flag changes nothing.
    void SetFontSpec(int flag, int height, int width);

    [[nodiscard]] COLORREF TextColor() const { return m_clrText; }
    /// True once SetFontSpec has given the control a font of its own.
    [[nodiscard]] bool HasOwnFont() const { return m_font.has_value(); }

private:
    void ApplyColour();

    COLORREF m_clrText = Rgb(0, 0, 238);
    std::optional<QFont> m_font;
};

}  // namespace tocklet
