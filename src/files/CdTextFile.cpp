#include "files/CdTextFile.h"

#include "cdtext/CdTextExport.h"
#include "files/FileAccess.h"
#include "files/TextSave.h"
#include "messages/CdTextMessages.h"
#include "messages/FileMessages.h"
#include "text/Trim.h"

#include <QFileInfo>

namespace velnora
{

namespace
{

const QString CrLf = QStringLiteral("\r\n");

bool overALimit(cdtext::Refusal refusal)
{
    return refusal == cdtext::Refusal::OverCapacity || refusal == cdtext::Refusal::TooManyTracks;
}

CdTextFileOutcome outcomeOf(const cdtext::CdTextExport &result)
{
    CdTextFileOutcome outcome;
    outcome.use = cdtext::useLines(result);
    outcome.tracks = result.tracks;
    // Also when refused: the edit warns of both at once.
    outcome.warning = result.warning.join(CrLf);
    if (result.ok()) {
        outcome.bytes = result.bytes;
        return outcome;
    }
    outcome.status = CdTextFileOutcome::Status::Refused;
    outcome.overLimit = overALimit(result.refusal);
    outcome.title =
        outcome.overLimit ? messages::cdtextexport::capacityTitle() : messages::cdtextexport::refusalTitle();
    outcome.text = result.message.join(CrLf);
    return outcome;
}

// A name as one file in the dialog's folder: no folder separator or control character (NUL among
// them), not hidden, no blanks at its ends, and short enough for a file system's 255 bytes with
// ".cdt" (Japanese takes three bytes a character).
QString fileNameStem(const QString &name)
{
    constexpr qsizetype MaxBytes = 200;
    QString safe = name;
    for (QChar &c : safe) {
        if (c == QLatin1Char('/') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    safe = trimBlanks(safe);
    while (safe.startsWith(QLatin1Char('.')))
        safe = trimBlanks(safe.mid(1));
    QString out;
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < safe.size();) {
        // A surrogate pair is one character: never cut between its halves.
        const qsizetype units = safe.at(i).isHighSurrogate() && i + 1 < safe.size() ? 2 : 1;
        const QString character = safe.mid(i, units);
        bytes += character.toUtf8().size();
        if (bytes > MaxBytes)
            break;
        out += character;
        i += units;
    }
    return trimBlanks(out);
}

} // namespace

QString cdTextFileName(const QString &documentFile, const QString &album)
{
    if (documentFile.isEmpty()) {
        const QString stem = fileNameStem(album);
        return stem.isEmpty() ? QString() : stem + QStringLiteral(".cdt");
    }
    const QFileInfo info(documentFile);
    const QString stem = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    const QString folder = documentFile.left(documentFile.size() - info.fileName().size());
    return folder + stem + QStringLiteral(".cdt");
}

QString cdTextFileFilter()
{
    return messages::files::cdTextFileFilter();
}

QString cdTextFileDialogTitle()
{
    return messages::files::cdTextFileDialogTitle();
}

QString cdTextFileSuffix()
{
    return QStringLiteral("cdt");
}

CdTextFileOutcome checkCdTextFile(const QString &layout)
{
    return outcomeOf(cdtext::exportCdText(layout));
}

CdTextFileOutcome writeCdTextFile(const QString &path, const CdTextFileOutcome &checked)
{
    CdTextFileOutcome outcome = checked;
    outcome.bytes.clear();
    if (!outcome.ok())
        return outcome;
    const FileError error = writeFileAtomically(path, checked.bytes, Links::Follow);
    if (error.failed()) {
        // Worded as a failed save: the user meets the same reasons there.
        SaveOutcome save;
        save.status = SaveOutcome::Status::WriteFailed;
        save.error = error;
        outcome.status = CdTextFileOutcome::Status::WriteFailed;
        outcome.error = error;
        outcome.title = saveErrorTitle();
        outcome.text = saveErrorMessage(path, save);
        return outcome;
    }
    outcome.title = messages::cdtextexport::exportedTitle();
    // The command names the file alone: it runs in the folder of the audio files it names.
    outcome.text = outcome.use.join(CrLf) + CrLf + CrLf +
                   messages::cdtextexport::burnCommand(QFileInfo(path).fileName(), checked.tracks);
    return outcome;
}

} // namespace velnora
