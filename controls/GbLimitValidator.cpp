// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/GbLimitValidator.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/QtText.h"
#include "store/Text.h"

namespace tocklet {
namespace {

// Bytes the character takes in code page 936; 0 when it has no form there that is allowed.
std::size_t GbBytesOf(QStringView character, GbLimitValidator::Euro euro) {
    if (character.size() == 1 && character[0].unicode() < 0x80) return 1;
    const std::optional<std::string> gb = TryToGb(character.toString());
    if (!gb) return 0;
    const bool loneHighByte = gb->size() == 1 && IsLeadByte(static_cast<unsigned char>((*gb)[0]));
    return loneHighByte && euro == GbLimitValidator::Euro::kRefuse ? 0 : gb->size();
}

}  // namespace

GbLimitValidator::GbLimitValidator(std::size_t maxBytes, Euro euro, Breach breach, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes), m_euro(euro), m_breach(breach) {}

QValidator::State GbLimitValidator::validate(QString& input, int& pos) const {
    struct Piece {
        qsizetype at;
        qsizetype length;
        std::size_t bytes;
        bool keep;
    };
    std::vector<Piece> pieces;
    std::size_t total = 0;
    bool dropped = false;
    for (qsizetype i = 0; i < input.size();) {
        const bool pair =
            input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const std::size_t bytes = GbBytesOf(QStringView(input).mid(i, length), m_euro);
        pieces.push_back({i, length, bytes, bytes != 0});
        dropped |= bytes == 0;
        total += bytes;
        i += length;
    }
    if (m_breach == Breach::kRefuseChange) {
        return dropped || total > m_maxBytes ? Invalid : Acceptable;
    }

    // What was just typed or pasted sits right before the cursor; what stood there before
    // fitted already, so dropping from the cursor backwards takes away new characters only.
    for (std::size_t k = pieces.size(); total > m_maxBytes && k-- > 0;) {
        Piece& piece = pieces[k];
        if (piece.keep && piece.at + piece.length <= pos) {
            piece.keep = false;
            total -= piece.bytes;
            dropped = true;
        }
    }
    // A text set as a whole with the cursor in front keeps its beginning.
    for (std::size_t k = pieces.size(); total > m_maxBytes && k-- > 0;) {
        Piece& piece = pieces[k];
        if (piece.keep) {
            piece.keep = false;
            total -= piece.bytes;
            dropped = true;
        }
    }
    if (!dropped) return Acceptable;

    QString kept;
    int keptPos = 0;
    for (const Piece& piece : pieces) {
        if (!piece.keep) continue;
        kept += QStringView(input).mid(piece.at, piece.length);
        if (piece.at + piece.length <= pos) keptPos += static_cast<int>(piece.length);
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
}

}  // namespace tocklet
