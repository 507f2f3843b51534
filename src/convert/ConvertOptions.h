#pragma once

#include "convert/UserLanguage.h"
#include "edit/EditType.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace velnora
{

// What a command line asks of the program without its window.
struct ConvertOptions {
    enum class Request { Window, Help, Version, Convert, Burn, ListDrives, UsageError };
    Request request = Request::Window;
    QString input; // paths keep the bytes they were given (see text/NativePath.h)
    QString output;
    std::optional<EditType> type;
    std::optional<QString> album;
    std::optional<QString> artist;
    // --audio: the files of the disc's tracks, in track order; OUT is then a cue sheet. Without IN
    // they give the titles too.
    bool audioGiven = false;
    QStringList audio;
    // --burn NAME.cue: the image written to a CD.
    QString sheet;
    QString drive; // --drive DEV; empty for the first drive found
    bool simulate = false;
    int speed = 0; // --speed N: times CD speed; 0 for the fastest
    bool eject = false;
    QString error; // for UsageError: what was wrong, one line in the user's language

    // Whether an option asks for the titles to be edited again rather than a layout kept as written.
    bool asksForEdit() const { return type || album || artist; }
};

// Reads the arguments after the program's name, options and operands in any order. Without an
// option before a "--" the command line is the window's; any option (the converter's or the
// burner's, --help, --version, or one it does not know) makes it the command line's.
ConvertOptions parseConvertOptions(const QStringList &arguments, UserLanguage language);

// The usage lines, ended by a line break.
QString convertUsage(UserLanguage language);

} // namespace velnora
