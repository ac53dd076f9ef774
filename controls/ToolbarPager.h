// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A strip that hosts one child, normally a toolbar, and scrolls it sideways: when the child is
// wider than the strip, arrow buttons appear at both ends and move it. The child's width is
// whatever the strip is told, not what the child asks for.

#include <QWidget>

class QToolBar;
class QToolButton;

namespace tocklet {

/// A size question of the strip about its child (what it asks for: kCalcWidth or kCalcHeight).
struct PagerCalcSize {
    int dwFlag = 0;
    int iWidth = 0;
    int iHeight = 0;
};
inline constexpr int kCalcWidth = 1;
inline constexpr int kCalcHeight = 2;

class CToolbarPager : public QWidget {
    Q_OBJECT

public:
    explicit CToolbarPager(QWidget* parent = nullptr);

    /// Makes child (re-parented into the strip) the one window it scrolls.
    void SetChild(QWidget* child);
    /// Width of each scroll arrow in pixels.
    void SetButtonSize(int pixels);
    /// The size to report for the child from now on.
    void SetChildSize(int width, int height);

    /// Answers a size question: the reported width for kCalcWidth, the height for
    /// kCalcHeight, nothing otherwise.
    virtual void OnPagerCalcSize(PagerCalcSize& calc);
    /// How far one press of an arrow scrolls, given the amount the strip proposes.
    [[nodiscard]] virtual int OnPagerScroll(int proposed);

    [[nodiscard]] QWidget* Child() const { return child_; }
    /// How far the child is scrolled, in pixels from its start.
    [[nodiscard]] int ScrollPosition() const { return offset_; }
    [[nodiscard]] QToolButton* BackArrow() const { return back_; }
    [[nodiscard]] QToolButton* ForwardArrow() const { return forward_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Scroll(int direction);
    void Relayout();

    QWidget* view_ = nullptr;  // clips the child between the arrows
    QWidget* child_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    int buttonSize_ = 12;
    int offset_ = 0;
    int m_nChildWidth = 0;
    int m_nChildHeight = 0;
};

/// Creates the flat toolbar toolbarId as the strip's child: one button per command, with its
/// image from the toolbar's strip bitmap and the command in its action's data, no tooltips;
/// arrows 25 pixels wide; the child reported 15 pixels larger than the toolbar's full size.
/// Returns nullptr, leaving the strip empty, when there is no such toolbar or image strip.
[[nodiscard]] QToolBar* CreatePagerToolbar(CToolbarPager& pager, int toolbarId);

}  // namespace tocklet
