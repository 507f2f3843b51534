#pragma once

#include "cdtext/CdTextBlock.h"

#include <QList>
#include <QString>

namespace velnora::cdtext
{

// A character of a double-byte block that cp932 holds but JIS X 0208 does not (NEC row 13, the
// NEC-selected and IBM extensions, user-defined codes). Readers that decode MS-JIS as Shift_JIS
// (libcdio through iconv) drop every text holding one, so a player built on them shows nothing there.
struct NonJisCharacter {
    int track = 0;          // 0 for the album and the artist
    bool performer = false; // the artist
    QString character;
    QString substitute; // a JIS X 0208 text meaning the same; empty when there is no obvious one
};

// Whether a cp932 double-byte code is JIS X 0208: rows 1-8 and 16-84.
bool isJisX0208(quint8 lead, quint8 trail);

// A JIS X 0208 stand-in for a character outside it: 髙 → 高, ① → （１）, Ⅳ → ＩＶ, ㈱ → （株）, ㍉ → ミリ.
QString jisX0208Substitute(const QString &character);

// Every such character of the double-byte blocks, album, artist, then titles; each once a text.
QList<NonJisCharacter> nonJisCharacters(const QList<CdTextBlock> &blocks);

} // namespace velnora::cdtext
