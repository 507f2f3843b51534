// Narrowing and widening on any UTF-16 text, lone surrogates included.
#include "FuzzSupport.h"

#include "text/Width.h"

#include <algorithm>

using namespace velnora;

namespace
{

bool halfWidthRange(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u <= 0x7E) || (u >= 0xFF61 && u <= 0xFF9F);
}

bool fullWidthRange(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x3000 || (u >= 0xFF01 && u <= 0xFF5E);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(data), static_cast<qsizetype>(size / 2));
    const QString n = narrow(text);
    const QString w = widen(text);

    FUZZ_CHECK(n.size() <= 2 * text.size(), fuzz::visible(text));
    FUZZ_CHECK(w.size() <= text.size(), fuzz::visible(text));
    FUZZ_CHECK(narrow(n) == n, fuzz::visible(text));
    FUZZ_CHECK(widen(w) == w, fuzz::visible(text));
    for (QChar c : n)
        FUZZ_CHECK(!fullWidthRange(c), fuzz::visible(n));
    for (QChar c : w) {
        const char16_t u = c.unicode();
        FUZZ_CHECK(!(u >= 0x20 && u <= 0x7E) && !(u >= 0xFF61 && u <= 0xFF9F), fuzz::visible(w));
    }

    if (std::all_of(text.begin(), text.end(), halfWidthRange))
        FUZZ_CHECK(narrow(w) == text, fuzz::visible(text) + QStringLiteral(" -> ") + fuzz::visible(w));
    if (std::all_of(text.begin(), text.end(), fullWidthRange))
        FUZZ_CHECK(widen(n) == text, fuzz::visible(text) + QStringLiteral(" -> ") + fuzz::visible(n));
    return 0;
}
