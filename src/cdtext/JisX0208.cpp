#include "cdtext/JisX0208.h"

#include "text/Cp932.h"

#include <QHash>

namespace velnora::cdtext
{

namespace
{

// Variant kanji of the IBM extensions whose everyday form is in JIS X 0208. Compatibility
// ideographs (晴, 神, 福, ...) are found by their normal form instead.
const QHash<char32_t, QString> &variants()
{
    static const QHash<char32_t, QString> table{
        {U'髙', QStringLiteral("高")},
        {U'﨑', QStringLiteral("崎")},
        {U'德', QStringLiteral("徳")},
        {U'栁', QStringLiteral("柳")},
        {U'濵', QStringLiteral("濱")},
        {U'瀨', QStringLiteral("瀬")},
        {U'黑', QStringLiteral("黒")},
        {U'靑', QStringLiteral("青")},
        {U'增', QStringLiteral("増")},
        {U'寬', QStringLiteral("寛")},
        {U'淸', QStringLiteral("清")},
        {U'敎', QStringLiteral("教")},
        {U'橫', QStringLiteral("横")},
        {U'鄕', QStringLiteral("郷")},
        {U'郞', QStringLiteral("郎")},
        {U'賴', QStringLiteral("頼")},
        {U'綠', QStringLiteral("緑")},
        {U'緖', QStringLiteral("緒")},
        {U'悅', QStringLiteral("悦")},
        {U'薰', QStringLiteral("薫")},
        {U'昻', QStringLiteral("昂")},
        {U'桒', QStringLiteral("桑")},
        {U'羡', QStringLiteral("羨")},
        {U'凞', QStringLiteral("熙")},
        {U'﨔', QStringLiteral("欅")},
        // Typed full-width quotes: the ones "編集" writes for ' and ".
        {U'＇', QStringLiteral("’")},
        {U'＂', QStringLiteral("”")},
    };
    return table;
}

// Half-width ASCII as its full-width twin: a double-byte block holds no single byte.
QString widened(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c == u' ')
            c = QChar(0x3000);
        else if (c > u' ' && c < QChar(0x7F))
            c = QChar(c.unicode() - 0x20 + 0xFF00);
    }
    return out;
}

// Every character of text is a JIS X 0208 double-byte code.
bool allJisX0208(const QString &text)
{
    const cp932::Encoded encoded = cp932::encode(text);
    if (text.isEmpty() || !encoded.ok() || encoded.bytes.size() != 2 * text.toUcs4().size())
        return false;
    for (qsizetype i = 0; i + 1 < encoded.bytes.size(); i += 2)
        if (!isJisX0208(static_cast<quint8>(encoded.bytes.at(i)),
                        static_cast<quint8>(encoded.bytes.at(i + 1))))
            return false;
    return true;
}

void collect(const QByteArray &text, int track, bool performer, QList<NonJisCharacter> &found)
{
    QStringList seen;
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        const auto lead = static_cast<quint8>(text.at(i));
        const auto trail = static_cast<quint8>(text.at(i + 1));
        if (isJisX0208(lead, trail))
            continue;
        const QString character = cp932::decode(text.mid(i, 2));
        if (seen.contains(character))
            continue;
        seen << character;
        found.append({track, performer, character, jisX0208Substitute(character)});
    }
}

} // namespace

bool isJisX0208(quint8 lead, quint8 trail)
{
    // Shift_JIS puts two rows on each lead byte: 0x81-0x9F rows 1-62, 0xE0-0xEF rows 63-94.
    const int first = lead <= 0x9F ? (lead - 0x81) * 2 + 1 : (lead - 0xC1) * 2 + 1;
    const int row = first + (trail >= 0x9F ? 1 : 0);
    return (row >= 1 && row <= 8) || (row >= 16 && row <= 84);
}

QString jisX0208Substitute(const QString &character)
{
    const QList<uint> codes = character.toUcs4();
    if (codes.size() != 1)
        return QString();
    const char32_t c = codes.constFirst();
    if (const auto it = variants().constFind(c); it != variants().cend())
        return *it;
    // ① .. ⑳ read as (1) .. (20): NFKC would leave the bare number.
    if (c >= 0x2460 && c <= 0x2473)
        return widened(QStringLiteral("(%1)").arg(c - 0x2460 + 1));
    // Ⅳ → ＩＶ, ㈱ → （株）, ㍉ → ミリ, 晴 (U+FA12) → 晴 (U+6674): the compatibility reading, when it is
    // JIS X 0208.
    const QString reading = widened(character.normalized(QString::NormalizationForm_KC));
    return reading != character && allJisX0208(reading) ? reading : QString();
}

QList<NonJisCharacter> nonJisCharacters(const QList<CdTextBlock> &blocks)
{
    QList<NonJisCharacter> found;
    for (const CdTextBlock &block : blocks) {
        if (!block.doubleByte)
            continue;
        collect(block.album, 0, false, found);
        collect(block.artist, 0, true, found);
        for (qsizetype t = 0; t < block.titles.size(); ++t)
            collect(block.titles.at(t), static_cast<int>(t + 1), false, found);
    }
    return found;
}

} // namespace velnora::cdtext
