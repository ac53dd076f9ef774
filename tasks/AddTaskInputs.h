#pragma once
// Input helpers of the add-task dialog: a number edit driven by a pair of arrow buttons, and a
// validator that keeps an edit's text within a byte limit of code page 936.

#include <QObject>
#include <QValidator>

#include "tasks/AddTaskLogic.h"

class QLineEdit;

namespace tocklet {

class UpDownButtons;

/// An up-down control with its buddy edit. The arrows and the Up/Down keys in the edit step
/// the position, wrapping at the ends, and write it into the edit as plain decimal digits.
/// Typing changes only the edit; the position follows the edit when it is read or stepped,
/// and only while the edit holds a number within the range.
class SpinField : public QObject {
    Q_OBJECT
public:
    SpinField(QLineEdit* edit, UpDownButtons* arrows, SpinRange range, QObject* parent);

    /// Sets the position and shows it in the edit.
    void SetPosition(int position);

    /// The position after adopting the edit's text when it is a number within the range;
    /// otherwise the last valid position.
    int ReadPosition();

    /// Moves by delta steps from the current position (read as above) and shows it.
    void Step(int delta);

    QLineEdit* Edit() const { return m_edit; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit;
    SpinRange m_range;
    int m_position;
};

/// Accepts a text only when it has a code page 936 form of at most maxBytes bytes, so that a
/// keystroke or paste that would pass the limit, or that brings a character the code page
/// cannot hold, is refused whole (a two-byte character is never cut).
class GbByteLimitValidator : public QValidator {
    Q_OBJECT
public:
    GbByteLimitValidator(std::size_t maxBytes, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    std::size_t m_maxBytes;
};

}  // namespace tocklet
