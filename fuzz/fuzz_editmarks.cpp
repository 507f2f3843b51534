// Del_henshumoji (edit-mark removal) on any text.
#include "FuzzSupport.h"

#include "edit/EditMarks.h"
#include "text/Width.h"

#include <QRegularExpression>

using namespace velnora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzz::fields(data, size, 1).constFirst();
    const QString result = removeEditMarks(text);
    const QString narrowed = narrow(text);
    const bool layout =
        narrowed.startsWith(QStringLiteral("en\r\n")) || narrowed.startsWith(QStringLiteral("ja\r\n"));
    if (!layout) {
        FUZZ_CHECK(result == text, fuzz::visible(text));
        return 0;
    }
    // A recognised layout comes back half-width as a whole.
    FUZZ_CHECK(narrow(result) == result, fuzz::visible(result));
    // Without a numbered line there is nothing to remove: the text only becomes half-width.
    static const QRegularExpression numbered(QStringLiteral("\r\n[1-9][0-9]*\t"));
    if (!narrowed.contains(numbered))
        FUZZ_CHECK(result == narrowed, fuzz::visible(text));
    // A removal never grows a text by more than the empty lines that fill numbering gaps.
    FUZZ_CHECK(result.size() <= narrowed.size() * 100000, fuzz::visible(text));
    return 0;
}
