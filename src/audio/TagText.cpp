#include "audio/TagText.h"

#include "text/Cp932.h"

namespace velnora
{

namespace
{

bool isLead(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isTrail(unsigned char b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// Every byte is ASCII, half-width katakana or a whole double-byte pair, and one pair at least:
// 0x80, 0xA0 and 0xFD..0xFF are not characters of Japanese text.
bool looksLikeCp932(const QByteArray &bytes)
{
    bool pair = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80 || (b >= 0xA1 && b <= 0xDF))
            continue;
        if (!isLead(b) || i + 1 >= bytes.size() || !isTrail(static_cast<unsigned char>(bytes[i + 1])))
            return false;
        pair = true;
        ++i;
    }
    return pair;
}

bool isAsciiLetter(unsigned char b)
{
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

bool isLatin1Letter(unsigned char b)
{
    return b >= 0xC0 && b != 0xD7 && b != 0xF7;
}

// Western words with accents ("Señor", "façade") pair a lead byte with an ASCII letter too, but
// there every byte over 0x7F is an accented letter beside an ASCII letter. Shift-JIS text uses
// 0x81..0x9F, which Latin-1 leaves to control codes, for kana and the common kanji.
bool looksLikeLatin1Words(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80)
            continue;
        if (!isLatin1Letter(b))
            return false;
        const bool before = i > 0 && isAsciiLetter(static_cast<unsigned char>(bytes[i - 1]));
        const bool after = i + 1 < bytes.size() && isAsciiLetter(static_cast<unsigned char>(bytes[i + 1]));
        if (!before && !after)
            return false;
    }
    return true;
}

} // namespace

QString latin1OrCp932(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray text = nul < 0 ? bytes : bytes.left(nul);
    if (looksLikeCp932(text) && !looksLikeLatin1Words(text)) {
        const QString decoded = cp932::decode(text);
        // A pair cp932 leaves unassigned (0x85xx, 0xEBxx...) says the bytes were something else.
        if (!decoded.contains(QChar(0xFFFD)))
            return decoded;
    }
    return QString::fromLatin1(text);
}

} // namespace velnora
