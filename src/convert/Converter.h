#pragma once

#include "convert/ConsoleHost.h"
#include "convert/ConvertOptions.h"

#include <QStringList>

namespace velnora
{

class Session;

// velnora --convert: the session's commands "開く", "編集" and a save or the CD-TEXT export, run
// on a console host. What the user would have read in boxes goes to the error lines.
class Converter
{
public:
    struct Result {
        int status = 0;    // 0 written, 1 refused (nothing written), 2 a usage error
        QStringList out;   // one summary line a block
        QStringList error; // the boxes' texts, one a line
    };

    static Result run(const ConvertOptions &options, UserLanguage language);
};

} // namespace velnora
