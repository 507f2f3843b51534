#include "cdtext/LayoutBlocks.h"

#include "cdtext/CdTextTexts.h"
#include "text/Cp932.h"

namespace velnora::cdtext
{

namespace
{

constexpr quint8 Latin1Code = 0x00;
constexpr quint8 MsJisCode = 0x80;
constexpr quint8 English = 0x09;
constexpr quint8 Japanese = 0x69;

// A longer number is not a track number of a layout; nine digits still fit an int.
constexpr int NumberDigits = 9;

using Reason = UnwritableCharacter::Reason;

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

bool isLead(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// A text of the "en" block in ISO-8859-1; controls would end the text or read as the TAB shorthand.
QByteArray latin1Text(const QString &text, int line, QList<UnwritableCharacter> &unwritable)
{
    bool ok = true;
    for (const char32_t c : text.toUcs4()) {
        if (c > 0xFF || isControl(c)) {
            unwritable.append({Reason::NotInLatin1, line, QString::fromUcs4(&c, 1)});
            ok = false;
        }
    }
    return ok ? text.toLatin1() : QByteArray();
}

// A text of the "ja" block in cp932, two bytes for every character so that readers that step two
// bytes at a time find the two zero bytes that end it.
QByteArray cp932Text(const QString &text, int line, QList<UnwritableCharacter> &unwritable)
{
    const cp932::Encoded encoded = cp932::encode(text);
    if (!encoded.ok()) {
        for (const cp932::Unencodable &u : encoded.unencodable)
            unwritable.append({Reason::NotInCp932, line, u.character});
        return {};
    }
    bool ok = true;
    const QList<uint> characters = text.toUcs4();
    qsizetype at = 0;
    for (const uint c : characters) {
        if (at >= encoded.bytes.size())
            break;
        if (isLead(static_cast<unsigned char>(encoded.bytes.at(at)))) {
            at += 2;
            continue;
        }
        const char32_t single = c;
        unwritable.append({Reason::SingleByteInJa, line, QString::fromUcs4(&single, 1)});
        ok = false;
        ++at;
    }
    return ok ? encoded.bytes : QByteArray();
}

QByteArray encodeText(bool ja, const QString &text, int line, QList<UnwritableCharacter> &unwritable)
{
    return ja ? cp932Text(text, line, unwritable) : latin1Text(text, line, unwritable);
}

// The track number of a title line: decimal digits without a leading zero; 0 when it is not one.
int trackNumber(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > NumberDigits || digits.front() == u'0')
        return 0;
    int n = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

struct ParsedBlock {
    bool ja = false;
    QString album;
    QString artist;
    int discLine = 0;
    QList<std::pair<int, int>> titleLines; // track number, layout line index (0-based)
};

} // namespace

LayoutBlocks layoutBlocks(const QString &layout)
{
    LayoutBlocks result;
    QStringList lines = layout.split(QStringLiteral("\r\n"));
    // The CR LF after the last line, and blank lines after the last block.
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();

    const auto refuseLine = [&result](qsizetype index) {
        result.refusal = Refusal::NotALayout;
        result.badLine = static_cast<int>(index) + 1;
        result.blocks.clear();
        return result;
    };

    QList<ParsedBlock> parsed;
    qsizetype i = 0;
    while (i < lines.size()) {
        const QString &tag = lines.at(i);
        const bool ja = tag == QLatin1String("ja");
        // "en" first, "ja" second, each at most once; one empty line between them is skipped below.
        const bool enFirst = tag == QLatin1String("en") && parsed.isEmpty();
        const bool jaNext = ja && (parsed.isEmpty() || (parsed.size() == 1 && !parsed.constFirst().ja));
        if (!enFirst && !jaNext)
            return refuseLine(i);
        ++i;
        if (i >= lines.size() || !lines.at(i).startsWith(QLatin1String("0\t")))
            return refuseLine(i);
        const qsizetype tab = lines.at(i).indexOf(QLatin1Char('\t'), 2);
        if (tab < 0)
            return refuseLine(i);
        ParsedBlock block;
        block.ja = ja;
        block.discLine = static_cast<int>(i);
        block.album = lines.at(i).mid(2, tab - 2);
        block.artist = lines.at(i).mid(tab + 1); // a TAB in it is refused as a character
        ++i;
        int previous = 0;
        while (i < lines.size() && !lines.at(i).isEmpty()) {
            const QString &line = lines.at(i);
            const qsizetype numberEnd = line.indexOf(QLatin1Char('\t'));
            const int n = numberEnd < 0 ? 0 : trackNumber(QStringView(line).left(numberEnd));
            if (n <= previous)
                return refuseLine(i);
            previous = n;
            block.titleLines.append({n, static_cast<int>(i)});
            ++i;
        }
        parsed.append(block);
        // The empty line between the blocks.
        if (i < lines.size())
            ++i;
    }
    if (parsed.isEmpty())
        return refuseLine(0);

    for (const ParsedBlock &block : parsed)
        if (!block.titleLines.isEmpty())
            result.tracks = qMax(result.tracks, block.titleLines.constLast().first);
    if (result.tracks == 0) {
        result.refusal = Refusal::NotALayout; // badLine 0: a layout without title lines
        return result;
    }
    if (result.tracks > texts::MaxTracks) {
        result.refusal = Refusal::TooManyTracks;
        return result;
    }

    for (const ParsedBlock &p : parsed) {
        CdTextBlock block;
        block.tag = p.ja ? QStringLiteral("ja") : QStringLiteral("en");
        block.characterCode = p.ja ? MsJisCode : Latin1Code;
        block.language = p.ja ? Japanese : English;
        block.doubleByte = p.ja;
        block.album = encodeText(p.ja, p.album, p.discLine + 1, result.unwritable);
        block.artist = encodeText(p.ja, p.artist, p.discLine + 1, result.unwritable);
        block.titles.resize(result.tracks);
        for (const auto &[track, index] : p.titleLines) {
            const QString &line = lines.at(index);
            const QString title = line.mid(line.indexOf(QLatin1Char('\t')) + 1);
            block.titles[track - 1] = encodeText(p.ja, title, index + 1, result.unwritable);
        }
        result.blocks.append(block);
    }
    if (!result.unwritable.isEmpty()) {
        result.refusal = Refusal::Unwritable;
        result.blocks.clear();
    }
    return result;
}

} // namespace velnora::cdtext
