#include "messages/CdTextMessages.h"

#include <QRegularExpression>
#include <QStringList>

namespace velnora::messages::cdtextexport
{

QString overCapacityLine(const QString &tag, int textPacks, int maxPacks)
{
    return QStringLiteral("%1 ブロック: %2 / %3 パック").arg(tag).arg(textPacks).arg(maxPacks);
}

QString useLine(const QString &tag, int textPacks, int maxPacks)
{
    return QStringLiteral("%1: %2 / %3 パック").arg(tag).arg(textPacks).arg(maxPacks);
}

namespace
{

QString fieldName(int track, bool performer)
{
    return track == 0 ? (performer ? QStringLiteral("アーティスト名") : QStringLiteral("アルバム名"))
                      : QStringLiteral("%1曲目の曲名").arg(track);
}

} // namespace

QString longTextLine(const QString &tag, int track, bool performer, int bytes, int maxBytes)
{
    return QStringLiteral("%1 ブロック %2: %3 / %4 バイト")
        .arg(tag, fieldName(track, performer))
        .arg(bytes)
        .arg(maxBytes);
}

QString nonJisLine(int track, bool performer, const QString &character, const QString &substitute)
{
    const QString line =
        QStringLiteral("%1「%2」(%3)").arg(fieldName(track, performer), character, codePoints(character));
    return substitute.isEmpty() ? line : line + QStringLiteral(" → ") + substitute;
}

QString nonJisHead()
{
    return QStringLiteral("ja ブロックにJIS X 0208にない文字 (機種依存文字) があります。"
                          "CD-TEXTとしては正しく書けますが、一部の読み取りソフトで作られたプレーヤーでは、"
                          "その文字を含む曲名やアルバム名が何も表示されません。");
}

QString nonJisSubstituteNote()
{
    return QStringLiteral("「→」の後の文字に置き換えると、どのプレーヤーでも表示されます。");
}

QString nonJisTitle()
{
    return QStringLiteral("CD-TEXT機種依存文字");
}

QString writeAnywayQuestion()
{
    return QStringLiteral("このまま書き出しますか？");
}

QString moreTexts(int count)
{
    return QStringLiteral("ほか%1件").arg(count);
}

QString overCapacityHead()
{
    return QStringLiteral("CD-TEXTの容量を超えています。曲名やアルバム名を短くしてください。");
}

QString tooManyTracks(int tracks, int maxTracks)
{
    return QStringLiteral("曲が多すぎます: %1 曲 (CD-TEXTに書けるのは%2曲までです)")
        .arg(tracks)
        .arg(maxTracks);
}

QString refusedCharacterLine(int line, const QString &character)
{
    // A control character would not show between the brackets; its code says what it is.
    QString shown = character;
    for (QChar &c : shown)
        if (c.category() == QChar::Other_Control)
            c = QChar(u' ');
    return QStringLiteral("%1行目「%2」(%3)").arg(line).arg(shown, codePoints(character));
}

QString moreCharacters(int count)
{
    return QStringLiteral("ほか%1文字").arg(count);
}

QString notInLatin1Head()
{
    // The character check of "編集" lets only the "ja" type through with such characters.
    return QStringLiteral("en ブロックに書けない文字があります (半角英数字と記号だけが書けます)。"
                          "編集種類をja にして編集し直してください。");
}

QString notInCp932Head()
{
    return QStringLiteral("ja ブロックに書けない文字があります (Shift_JIS(cp932)にない文字です)。");
}

QString singleByteInJaHead()
{
    return QStringLiteral("ja ブロックに半角文字や制御文字は書けません。");
}

QString notALayout(int line)
{
    return QStringLiteral("CD_TEXT形式ではありません (%1行目)。先に「編集」を押してください。").arg(line);
}

QString noTitles()
{
    return QStringLiteral("CD-TEXTに書く曲名がありません。");
}

QString refusalTitle()
{
    return QStringLiteral("CD-TEXT書き出しエラー");
}

QString capacityTitle()
{
    return QStringLiteral("CD-TEXT容量超過");
}

QString exportedTitle()
{
    return QStringLiteral("CD-TEXT書き出し完了");
}

QString burnCommand(const QString &cdtFileName, int tracks)
{
    // Quoted for the shell unless the name is plain.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+-]+$"));
    QString name = cdtFileName;
    if (!plain.match(name).hasMatch())
        name =
            QLatin1Char('\'') + name.replace(QLatin1Char('\''), QStringLiteral("'\\''")) + QLatin1Char('\'');
    QString command = QStringLiteral("cdrskin -v dev=/dev/sr0 -audio -pad textfile=") + name;
    for (int t = 1; t <= tracks; ++t)
        command += QStringLiteral(" %1.wav").arg(t, 2, 10, QLatin1Char('0'));
    return command;
}

QString codePoints(const QString &character)
{
    QStringList codes;
    for (const char32_t c : character.toUcs4())
        codes << QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
    return codes.join(QLatin1Char(' '));
}

} // namespace velnora::messages::cdtextexport
