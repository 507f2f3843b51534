#include "text/Cp932.h"

#include <array>
#include <iconv.h>
#include <memory>

// glibc's CP932 is Microsoft's table, reports where every error is and never substitutes;
// Qt's converter (ICU) swaps control bytes, drops zero-width characters and gives no positions.

namespace velnora::cp932
{

namespace
{

constexpr char16_t kNoChar = 0xFFFF;       // a byte or byte pair that is not cp932
constexpr quint32 kNotLooked = 0xFFFFFFFF; // encode table entry not filled yet
constexpr quint32 kNoCode = 0xFFFFFFFE;    // cp932 cannot hold the character
constexpr char16_t kReplacement = 0xFFFD;

bool isLead(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Decodes one single-byte or double-byte code with iconv; kNoChar when it is not one character.
char16_t decodeOne(iconv_t cd, const char *bytes, size_t size)
{
    char in[2] = {bytes[0], size > 1 ? bytes[1] : '\0'};
    char out[8];
    char *inPtr = in;
    char *outPtr = out;
    size_t inLeft = size;
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0 ||
        outPtr - out != 2)
        return kNoChar;
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                 (static_cast<unsigned char>(out[1]) << 8));
}

// The whole decoding table, built once: single bytes and every lead/trail pair.
struct DecodeTable {
    std::array<char16_t, 0x100> single{};
    std::array<char16_t, 0x10000> pair{}; // indexed by lead * 256 + trail
};

std::unique_ptr<DecodeTable> buildDecodeTable()
{
    auto t = std::make_unique<DecodeTable>();
    t->single.fill(kNoChar);
    t->pair.fill(kNoChar);
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // Without the converter only ASCII is known; everything else reads as U+FFFD.
        for (int b = 0; b < 0x80; ++b)
            t->single[b] = static_cast<char16_t>(b);
        return t;
    }
    for (int b = 0; b < 0x100; ++b) {
        const char in[1] = {static_cast<char>(b)};
        if (!isLead(static_cast<unsigned char>(b)))
            t->single[b] = decodeOne(cd, in, 1);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLead(static_cast<unsigned char>(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            t->pair[lead * 256 + trail] = decodeOne(cd, in, 2);
        }
    }
    iconv_close(cd);
    return t;
}

const DecodeTable &decodeTable()
{
    static const std::unique_ptr<DecodeTable> table = buildDecodeTable();
    return *table;
}

// What an input method types in place of a cp932 character, with that character's code.
struct Twin {
    char16_t character;
    quint16 code;
};
constexpr std::array<Twin, 7> kTwins = {{
    {0x301C, 0x8160}, // 〜
    {0x2016, 0x8161}, // ‖
    {0x2212, 0x817C}, // −
    {0x2014, 0x815C}, // —
    {0x00A2, 0x8191}, // ¢
    {0x00A3, 0x8192}, // £
    {0x00AC, 0x81CA}, // ¬
}};

char16_t decodeCode(quint32 code)
{
    const DecodeTable &t = decodeTable();
    return code < 0x100 ? t.single[code] : t.pair[code];
}

// Asks iconv for the code of one character and keeps it only when it reads back as that
// character (or is an input-method twin): glibc writes look-alikes such as ¥ as "\".
quint32 lookUpCode(char16_t c)
{
    static iconv_t cd = iconv_open("CP932", "UTF-16LE");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return c < 0x80 ? c : kNoCode;
    char in[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    char out[8];
    char *inPtr = in;
    char *outPtr = out;
    size_t inLeft = sizeof in;
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
        return kNoCode;
    quint32 code;
    const auto byte = [&](int i) { return static_cast<quint32>(static_cast<unsigned char>(out[i])); };
    if (outPtr - out == 1)
        code = byte(0);
    else if (outPtr - out == 2)
        code = byte(0) << 8 | byte(1);
    else
        return kNoCode;
    if (decodeCode(code) == c)
        return code;
    for (const Twin &twin : kTwins) {
        if (twin.character == c && twin.code == code)
            return code;
    }
    return kNoCode;
}

// Filled character by character as they are met; a scan asks for the same few characters often.
quint32 codeOf(char16_t c)
{
    static std::array<quint32, 0x10000> table = [] {
        std::array<quint32, 0x10000> t;
        t.fill(kNotLooked);
        return t;
    }();
    quint32 &entry = table[c];
    if (entry == kNotLooked)
        entry = QChar::isSurrogate(c) ? kNoCode : lookUpCode(c);
    return entry;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    const DecodeTable &t = decodeTable();
    QString text;
    text.reserve(bytes.size());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (isLead(b)) {
            // A bad pair or a lead byte at the end costs one byte; the next byte is read afresh.
            const char16_t c =
                i + 1 < n ? t.pair[b * 256 + static_cast<unsigned char>(bytes[i + 1])] : kNoChar;
            if (c == kNoChar) {
                text.append(QChar(kReplacement));
            } else {
                text.append(QChar(c));
                ++i;
            }
            continue;
        }
        text.append(QChar(t.single[b] == kNoChar ? kReplacement : t.single[b]));
    }
    return text;
}

Encoded encode(const QString &text)
{
    Encoded result;
    result.bytes.reserve(text.size() * 2);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            result.unencodable.append({i, text.mid(i, 2)});
            ++i;
            continue;
        }
        const quint32 code = codeOf(c);
        if (code == kNoCode) {
            result.unencodable.append({i, text.mid(i, 1)});
        } else if (code < 0x100) {
            result.bytes.append(static_cast<char>(code));
        } else {
            result.bytes.append(static_cast<char>(code >> 8));
            result.bytes.append(static_cast<char>(code & 0xFF));
        }
    }
    return result;
}

qint16 charCode(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const quint32 code = codeOf(text.at(0).unicode());
    return code == kNoCode ? 0 : static_cast<qint16>(static_cast<quint16>(code));
}

} // namespace velnora::cp932
