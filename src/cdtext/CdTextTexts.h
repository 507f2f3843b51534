#pragma once

#include <QString>
#include <QStringList>

namespace velnora::cdtext
{

// Every text the CD-TEXT export shows the user, in one place.
namespace texts
{

inline constexpr int MaxTextPacks = 253;
inline constexpr int MaxTracks = 99;
// libcdio refuses the whole CD-TEXT of a disc when one text is longer (its reader holds 253 bytes of a
// single-byte text and 252 of a double-byte one): a player built on it would show no text at all.
inline constexpr int MaxTextBytes = 252;

// "ja ブロック: 268 / 253 パック": a block over its limit.
QString overCapacityLine(const QString &tag, int textPacks);
// "en: 41 / 253 パック": the use of a block after a successful export.
QString useLine(const QString &tag, int textPacks);
// "ja ブロック 3曲目の曲名: 260 / 252 バイト": one text longer than a reader takes; track 0 is the album.
QString longTextLine(const QString &tag, int track, bool performer, int bytes);
QString moreTexts(int count);
// "3曲目の曲名「髙」(U+9AD9) → 高": a character some readers cannot show, and its stand-in if any.
QString nonJisLine(int track, bool performer, const QString &character, const QString &substitute);
QString nonJisHead();
QString nonJisSubstituteNote();
QString nonJisTitle();
QString writeAnywayQuestion();
QString overCapacityHead();
QString tooManyTracks(int tracks);

// A character a block cannot hold: "3行目「ｱ」(U+FF71)".
QString refusedCharacterLine(int line, const QString &character);
QString moreCharacters(int count);
QString notInLatin1Head();
QString notInCp932Head();
QString singleByteInJaHead();
QString notALayout(int line);
QString noTitles();

QString refusalTitle();
QString capacityTitle();
QString exportedTitle();

// The command that burns a disc with the written file; the audio files named 01.wav, 02.wav, ...
QString burnCommand(const QString &cdtFileName, int tracks);

} // namespace texts
} // namespace velnora::cdtext
