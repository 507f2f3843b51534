#pragma once

namespace velnora
{

// What a Japanese desktop gives the program: Qt's Japanese button texts and the typefaces it names,
// mapped to their IPA metric twins.
class JapaneseDesktop
{
public:
    static void install();
};

} // namespace velnora
