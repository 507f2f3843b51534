#pragma once

#include <QFont>

namespace velnora
{

// What a Japanese desktop gives the program: Qt's Japanese button texts and the typefaces it names,
// mapped to their IPA metric twins.
class JapaneseDesktop
{
public:
    static void install();
    // A font of a named typeface as its installed twin: asking Qt for a family that is not
    // installed makes it search fallbacks for every script, which doubles the start-up time.
    static QFont font(const QString &family, int pointSize);
};

} // namespace velnora
