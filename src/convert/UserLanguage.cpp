#include "convert/UserLanguage.h"

#include <QByteArray>

namespace velnora
{

UserLanguage userLanguage()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (value.isEmpty())
            continue;
        // "ja", "ja_JP", "ja_JP.UTF-8", "ja_JP.eucJP@..." alike.
        const bool japanese =
            value == "ja" || value.startsWith("ja_") || value.startsWith("ja.") || value.startsWith("ja@");
        return japanese ? UserLanguage::Japanese : UserLanguage::English;
    }
    return UserLanguage::English;
}

} // namespace velnora
