#pragma once

#include "messages/ConverterMessages.h"

namespace velnora
{

// The language of the lines the converter writes itself: Japanese under a "ja" locale, English
// otherwise. The boxes' own messages keep their words either way.
using UserLanguage = messages::converter::Language;

// From the locale variables in the order the C library reads them for messages: LC_ALL, then
// LC_MESSAGES, then LANG; the first one set decides.
UserLanguage userLanguage();

} // namespace velnora
