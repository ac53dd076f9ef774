// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A static text that works as a hyperlink: drawn in link colours and underlined, another colour
// while the pointer is over it, a pointing-hand cursor and a tooltip with its target; a click
// opens the target through the desktop, or else with the default web browser's command, and
// explains a failure in a message.

#include <QFont>
#include <QLabel>
#include <string>
#include <string_view>

#include "settings/Colour.h"

namespace tocklet {

class ShellOpen;
class DefaultApps;
class MessageBoxes;

/// The desktop services a link opens its target with and reports through.
struct LinkServices {
    ShellOpen& shell;
    DefaultApps& defaultApps;
    MessageBoxes& boxes;
};

/// Passed to SetLinkColors for the hover colour: the desktop's highlight colour.
inline constexpr COLORREF kSystemHighlight = 0xFFFFFFFFu;

class CLinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit CLinkLabel(LinkServices services, QWidget* parent = nullptr);

    /// Takes over the text as it was laid out: a missing target or text is taken from the
    /// other, the font gets its underline, the window fits its text, and the cursor and the
    /// tooltip are set.
    void Attach();

    /// target: code page 936. Once attached, the window fits its text again and the tooltip
    /// shows the new target.
    void SetTarget(std::string_view target);
    void SetLinkColors(COLORREF link, COLORREF visited, COLORREF hover);
    void SetOpened(bool opened);
    void SetUnderlined(bool underlined);

    /// Opens target through the desktop, else with the default web browser's command; a result
    /// above kOpenFailedMax means it opened, otherwise it is the failure code.
    [[nodiscard]] int OpenTarget(std::string_view target);
    /// Tells the user why opening failed with code.
    void ShowOpenError(int code);

    [[nodiscard]] const std::string& Target() const { return m_strTarget; }
    [[nodiscard]] bool IsOpened() const { return m_bOpened; }
    [[nodiscard]] bool IsMouseOver() const { return m_bMouseOver; }
    [[nodiscard]] COLORREF TextColour() const;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void OnClicked();
    void SetMouseOver(bool over);
    void FitToText();
    void ApplyColour();

    LinkServices svc_;
    COLORREF m_clrLink = Rgb(0, 0, 238);
    COLORREF m_clrVisited = Rgb(255, 0, 0);
    COLORREF m_clrHover = 0;
    bool m_bMouseOver = false;
    bool m_bOpened = false;
    bool m_bUnderlined = true;
    bool m_bFitText = true;
    std::string m_strTarget;
    QFont m_fontLink;
    bool attached_ = false;
    bool pressed_ = false;
};

}  // namespace tocklet
