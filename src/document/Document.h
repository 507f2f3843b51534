#pragma once

#include <QString>
#include <QStringList>

namespace velnora
{

// The three document boxes as plain text; the title text separates lines by CR LF.
struct Document {
    QString album;
    QString artist;
    QString titles;
};

// Loading lines: each line goes to the titles followed by CR LF; a disc line ("0", TAB, ...) also
// puts field 1 into the album and fields 2, 3, ... one after another into the artist.
void loadLines(Document &doc, const QStringList &lines);

// The path named on the command line: used whole, or without its first and last character when it
// starts with a double quote. Empty when there is no command line.
QString commandLinePath(const QString &commandLine);

// The window title that records the current file.
QString titleForFile(const QString &path);

} // namespace velnora
