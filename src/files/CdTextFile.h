#pragma once

#include "files/FileAccess.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velnora
{

// What writing a layout as a binary CD-TEXT file came to, and the box that says so.
struct CdTextFileOutcome {
    enum class Status { Written, Refused, WriteFailed };
    Status status = Status::Written;
    bool overLimit = false; // refused for the disc's capacity (packs of a block, tracks)
    FileError error;        // for WriteFailed
    QString title;          // the box's title
    QString text;           // the box's text, lines separated by CR LF
    QStringList use;        // "en: 41 / 253 パック", one a block; also when over capacity
    QString warning;        // characters some readers cannot show, lines separated by CR LF; empty when none
    QByteArray bytes;       // the file to write, once checked and not refused
    int tracks = 0;
    bool ok() const { return status == Status::Written; }
};

// The name the export's save dialog proposes: the document's file with ".cdt" in place of its
// extension; without a file, the album (as the disc line holds it) made fit for a file name, with
// ".cdt"; empty when nothing of the album is left.
QString cdTextFileName(const QString &documentFile, const QString &album);
QString cdTextFileFilter();
QString cdTextFileDialogTitle();
QString cdTextFileSuffix();

// The layout as CD-TEXT, or why it cannot be, before any file name is asked for.
CdTextFileOutcome checkCdTextFile(const QString &layout);
// Writes a checked export to path through the atomic writer; writes nothing when it was refused.
CdTextFileOutcome writeCdTextFile(const QString &path, const CdTextFileOutcome &checked);

} // namespace velnora
