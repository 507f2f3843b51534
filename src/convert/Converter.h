#pragma once

#include "convert/ConvertOptions.h"

#include <QStringList>

namespace velnora
{

class Session;

// velnora --convert: the session's commands "開く", "編集" and a save or the CD-TEXT export, each
// given its path and its answer, run without a platform. What they came to becomes the error
// lines, in the words the window's boxes use.
class Converter
{
public:
    struct Result {
        int status = 0;    // 0 written, 1 refused (nothing written), 2 a usage error
        QStringList out;   // one summary line a block
        QStringList error; // what a box would have said, one a line
    };

    static Result run(const ConvertOptions &options, UserLanguage language);

private:
    static Result fromTags(const ConvertOptions &options);
};

} // namespace velnora
