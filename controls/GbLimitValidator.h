// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A validator that keeps an edit's text within a number of bytes of code page 936, the form the
// program stores its texts in. A two-byte character is never cut.

#include <QValidator>
#include <cstddef>

namespace tocklet {

/// A text passes when every character has a code page 936 form (the euro sign only when
/// allowed) and the forms take at most maxBytes bytes together.
class GbLimitValidator : public QValidator {
    Q_OBJECT
public:
    /// The euro sign is the lone byte 0x80 in code page 936. Text walking that takes every byte
    /// from 0x80 up as the start of a two-byte character reads it together with the next byte.
    enum class Euro { kRefuse, kAllow };

    /// What becomes of a keystroke or paste that leaves a text that does not pass.
    enum class Breach {
        /// Refused whole: the edit keeps what it held before.
        kRefuseChange,
        /// Characters without an allowed form are dropped; then, while the text is too long,
        /// the characters just before the cursor (what was just typed or pasted), newest first.
        kDropCharacters,
    };

    GbLimitValidator(std::size_t maxBytes, Euro euro, Breach breach, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    std::size_t m_maxBytes;
    Euro m_euro;
    Breach m_breach;
};

}  // namespace tocklet
