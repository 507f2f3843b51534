#include "text/Width.h"

#include <array>

namespace velnora
{

namespace
{

constexpr char16_t kVoicedMark = 0xFF9E;     // ﾞ
constexpr char16_t kSemiVoicedMark = 0xFF9F; // ﾟ

// Full-width twin of every half-width character U+FF61..U+FF9F, in code order.
constexpr std::array<char16_t, 0x3F> kHalfToFull = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, // ｡｢｣､･ｦｧｨ
    0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, // ｩｪｫｬｭｮｯｰ
    0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB, 0x30AD, 0x30AF, // ｱｲｳｴｵｶｷｸ
    0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, // ｹｺｻｼｽｾｿﾀ
    0x30C1, 0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, // ﾁﾂﾃﾄﾅﾆﾇﾈ
    0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB, 0x30DE, 0x30DF, // ﾉﾊﾋﾌﾍﾎﾏﾐ
    0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9, 0x30EA, // ﾑﾒﾓﾔﾕﾖﾗﾘ
    0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C,         // ﾙﾚﾛﾜﾝﾞﾟ
};

// The voiced (mark ﾞ) or semi-voiced (mark ﾟ) katakana of a full-width base, or 0 when cp932 has none.
char16_t composed(char16_t full, char16_t mark)
{
    if (mark == kVoicedMark) {
        if ((full >= 0x30AB && full <= 0x30C1 && (full - 0x30AB) % 2 == 0) ||
            (full >= 0x30C4 && full <= 0x30C8 && (full - 0x30C4) % 2 == 0))
            return full + 1; // カ..チ, ツ..ト
        if (full >= 0x30CF && full <= 0x30DB && (full - 0x30CF) % 3 == 0)
            return full + 1; // ハ..ホ
        if (full == 0x30A6)
            return 0x30F4; // ウ
    } else if (mark == kSemiVoicedMark) {
        if (full >= 0x30CF && full <= 0x30DB && (full - 0x30CF) % 3 == 0)
            return full + 2;
    }
    return 0;
}

// One full-width character's half-width form: up to two units (base and mark).
struct Half {
    char16_t base = 0;
    char16_t mark = 0;
};

// Indexed by code - 0x3000 for U+3000..U+30FF, the only block with Japanese twins.
using NarrowTable = std::array<Half, 0x100>;

NarrowTable buildNarrowTable()
{
    NarrowTable t{};
    for (char16_t half = 0xFF61; half <= 0xFF9F; ++half) {
        const char16_t full = kHalfToFull[half - 0xFF61];
        t[full - 0x3000].base = half;
        for (const char16_t mark : {kVoicedMark, kSemiVoicedMark}) {
            if (const char16_t v = composed(full, mark))
                t[v - 0x3000] = {half, mark};
        }
    }
    t[0] = {0x0020, 0}; // ideographic space
    return t;
}

const NarrowTable &narrowTable()
{
    static const NarrowTable table = buildNarrowTable();
    return table;
}

} // namespace

QString narrow(const QString &text)
{
    const NarrowTable &table = narrowTable();
    QString out;
    out.reserve(text.size());
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c >= 0xFF01 && c <= 0xFF5E) {
            out.append(QChar(c - 0xFEE0));
        } else if (c >= 0x3000 && c <= 0x30FF && table[c - 0x3000].base != 0) {
            const Half &h = table[c - 0x3000];
            out.append(QChar(h.base));
            if (h.mark != 0)
                out.append(QChar(h.mark));
        } else if (c == 0xFFE5) { // ￥
            out.append(QLatin1Char('\\'));
        } else if (c == 0x2019) { // ’
            out.append(QLatin1Char('\''));
        } else if (c == 0x201D) { // ”
            out.append(QLatin1Char('"'));
        } else {
            out.append(qc);
        }
    }
    return out;
}

QString widen(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == 0x20) {
            out.append(QChar(0x3000));
        } else if (c >= 0x21 && c <= 0x7E) {
            out.append(QChar(c + 0xFEE0));
        } else if (c >= 0xFF61 && c <= 0xFF9F) {
            const char16_t full = kHalfToFull[c - 0xFF61];
            const char16_t next = i + 1 < n ? text.at(i + 1).unicode() : 0;
            const char16_t voiced = composed(full, next);
            if (voiced != 0) {
                out.append(QChar(voiced));
                ++i;
            } else {
                out.append(QChar(full));
            }
        } else {
            out.append(text.at(i));
        }
    }
    return out;
}

} // namespace velnora
