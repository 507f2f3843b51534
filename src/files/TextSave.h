#pragma once

#include "files/FileAccess.h"

#include <QList>
#include <QString>

namespace velnora
{

// A character the save refused, with the 1-based line of the title text it stands on.
struct RefusedCharacter {
    int line;
    QString character;
};

// What became of saving a document file. Unlike KeepFile, a save of the user's own file reports
// what went wrong, and never leaves the old file half-written.
struct SaveOutcome {
    enum class Status { Saved, Unencodable, WriteFailed };
    Status status = Status::Saved;
    FileError error;                 // for WriteFailed: the system's error, its reason in the user's language
    QList<RefusedCharacter> refused; // for Unencodable, in text order
    bool ok() const { return status == Status::Saved; }
};

// Writes the text in cp932 through a temporary file that replaces the old one only when complete.
// Writes nothing when cp932 cannot hold every character.
SaveOutcome saveTextFile(const QString &path, const QString &text);

// The line (1-based, lines cut at CR LF) of the character at position in text.
int lineOfPosition(const QString &text, qsizetype position);

// The texts of the message boxes a failed save shows.
QString saveErrorTitle();
QString saveErrorMessage(const QString &path, const SaveOutcome &outcome);

} // namespace velnora
