#pragma once

#include <QString>

namespace velnora
{

// The language of the lines the converter writes itself: Japanese under a "ja" locale, English
// otherwise. The boxes' own messages keep their words either way.
enum class UserLanguage { English, Japanese };

// From the locale variables in the order the C library reads them for messages: LC_ALL, then
// LC_MESSAGES, then LANG; the first one set decides.
UserLanguage userLanguage();

// One text in the user's language.
inline QString inLanguage(UserLanguage language, const QString &english, const QString &japanese)
{
    return language == UserLanguage::Japanese ? japanese : english;
}

} // namespace velnora
