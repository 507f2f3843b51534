#pragma once

#include "edit/EditType.h"

#include <QString>
#include <optional>

namespace velnora
{

// The first character that the "en" block cannot take, where it stands and in which field.
struct RejectedCharacter {
    int field = 0;          // 1 album, 2 artist, 3 titles
    qsizetype position = 0; // 0-based, in UTF-16 units of that field's text
    QString character;      // as typed; two units for a surrogate pair
};

// A character goes into the "en" block only when its narrowed form is a single byte from 1 to 125.
// Characters cp932 cannot hold are rejected too, so the block stays single-byte.
bool acceptedInEnglish(const QString &character);

// The scan of Hutekisetuchui: album, then artist, then titles, up to the first rejected character.
std::optional<RejectedCharacter> scanForEnglish(const QString &album, const QString &artist,
                                                const QString &titles);

} // namespace velnora
