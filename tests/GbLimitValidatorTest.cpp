// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QString>

#include "controls/GbLimitValidator.h"

// Texts in failure messages as text, not as code units.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace tocklet {
namespace {

using Euro = GbLimitValidator::Euro;
using Breach = GbLimitValidator::Breach;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

struct Outcome {
    QValidator::State state;
    QString text;
    int pos;
};

// Validates text with the cursor at pos (at the end when pos is -1).
Outcome Validate(const GbLimitValidator& validator, QString text, int pos = -1) {
    if (pos < 0) pos = static_cast<int>(text.size());
    const QValidator::State state = validator.validate(text, pos);
    return {state, text, pos};
}

TEST(GbLimitValidator, RefusingAChangeLeavesTheTextAlone) {
    const GbLimitValidator refuse(4, Euro::kRefuse, Breach::kRefuseChange, nullptr);
    EXPECT_EQ(Validate(refuse, U("开会")).state, QValidator::Acceptable);
    for (const QString& text : {U("开会a"), U("a€"), U("a가"), U("a😀")}) {
        const Outcome outcome = Validate(refuse, text, 1);
        EXPECT_EQ(outcome.state, QValidator::Invalid) << text.toStdString();
        EXPECT_EQ(outcome.text, text);
        EXPECT_EQ(outcome.pos, 1);
    }
}

TEST(GbLimitValidator, DroppingKeepsWhatFitsAndMovesTheCursorWithIt) {
    const GbLimitValidator drop(5, Euro::kRefuse, Breach::kDropCharacters, nullptr);
    // Just typed before the cursor: the newest characters go first, whole.
    Outcome outcome = Validate(drop, U("ab中cd"), 3);
    EXPECT_EQ(outcome.state, QValidator::Acceptable);
    EXPECT_EQ(outcome.text, U("abcd"));
    EXPECT_EQ(outcome.pos, 2);
    // Set whole with the cursor in front: the beginning stays.
    outcome = Validate(drop, U("中文中文"), 0);
    EXPECT_EQ(outcome.text, U("中文"));
    EXPECT_EQ(outcome.pos, 0);
    // Characters without an allowed form go wherever they stand.
    outcome = Validate(drop, U("a€가b"), 4);
    EXPECT_EQ(outcome.text, U("ab"));
    EXPECT_EQ(outcome.pos, 2);
}

TEST(GbLimitValidator, AnAllowedEuroSignTakesOneByte) {
    const GbLimitValidator refuse(3, Euro::kAllow, Breach::kRefuseChange, nullptr);
    EXPECT_EQ(Validate(refuse, U("a€b")).state, QValidator::Acceptable);
    EXPECT_EQ(Validate(refuse, U("a€bc")).state, QValidator::Invalid);

    const GbLimitValidator drop(3, Euro::kAllow, Breach::kDropCharacters, nullptr);
    const Outcome outcome = Validate(drop, U("€€€€"));
    EXPECT_EQ(outcome.text, U("€€€"));
    EXPECT_EQ(outcome.pos, 3);
}

}  // namespace
}  // namespace tocklet
