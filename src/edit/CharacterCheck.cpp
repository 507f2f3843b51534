#include "edit/CharacterCheck.h"

#include "text/Cp932.h"
#include "text/Width.h"

namespace velnora
{

namespace
{

// One character: a surrogate pair is kept whole.
qsizetype characterLength(const QString &text, qsizetype i)
{
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return 2;
    return 1;
}

std::optional<RejectedCharacter> scanField(int field, const QString &text)
{
    for (qsizetype i = 0; i < text.size();) {
        const char16_t unit = text.at(i).unicode();
        if (unit > 0 && unit < 126) { // ASCII narrows to itself
            ++i;
            continue;
        }
        const qsizetype length = characterLength(text, i);
        const QString c = text.mid(i, length);
        if (!acceptedInEnglish(c))
            return RejectedCharacter{field, i, c};
        i += length;
    }
    return std::nullopt;
}

} // namespace

bool acceptedInEnglish(const QString &character)
{
    // ASCII narrows to itself; most titles are made of it.
    if (character.size() == 1 && character.at(0).unicode() < 0x80) {
        const char16_t c = character.at(0).unicode();
        return c > 0 && c < 126;
    }
    const QString narrowed = narrow(character);
    if (narrowed.isEmpty())
        return false;
    const int code = cp932::charCode(narrowed);
    return code > 0 && code < 126;
}

std::optional<RejectedCharacter> scanForEnglish(const QString &album, const QString &artist,
                                                const QString &titles)
{
    if (auto r = scanField(1, album))
        return r;
    if (auto r = scanField(2, artist))
        return r;
    return scanField(3, titles);
}

} // namespace velnora
