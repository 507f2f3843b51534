#pragma once

#include <QString>

// What the CD-TEXT export and its check tell the user. The limits are the export's; the lines are
// given them.
namespace velnora::messages::cdtextexport
{

// "ja ブロック: 268 / 253 パック": a block over its limit.
QString overCapacityLine(const QString &tag, int textPacks, int maxPacks);
// "en: 41 / 253 パック": the use of a block after a successful export.
QString useLine(const QString &tag, int textPacks, int maxPacks);
// "ja ブロック 3曲目の曲名: 260 / 252 バイト": one text longer than a reader takes; track 0 is the album.
QString longTextLine(const QString &tag, int track, bool performer, int bytes, int maxBytes);
QString moreTexts(int count);
// "3曲目の曲名「髙」(U+9AD9) → 高": a character some readers cannot show, and its stand-in if any.
QString nonJisLine(int track, bool performer, const QString &character, const QString &substitute);
QString nonJisHead();
QString nonJisSubstituteNote();
QString nonJisTitle();
QString writeAnywayQuestion();
QString overCapacityHead();
QString tooManyTracks(int tracks, int maxTracks);

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

// "U+9AD9": the code points of a character, as the lines above show them.
QString codePoints(const QString &character);

} // namespace velnora::messages::cdtextexport
