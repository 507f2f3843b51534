#pragma once

#include "edit/EditType.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace velnora
{

// What a command line asks of the program without its window.
struct ConvertOptions {
    enum class Request { Window, Help, Version, Convert, UsageError };
    Request request = Request::Window;
    QString input; // paths keep the bytes they were given (see text/NativePath.h)
    QString output;
    std::optional<EditType> type;
    std::optional<QString> album;
    std::optional<QString> artist;
    QString error; // for UsageError: what was wrong, one line
};

// Reads the arguments after the program's name. Anything but --help, --version and --convert
// (with its options) as the first argument leaves the command line to the window.
ConvertOptions parseConvertOptions(const QStringList &arguments);

// The usage lines, ended by a line break.
QString convertUsage();

} // namespace velnora
