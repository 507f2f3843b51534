#include "convert/Converter.h"

#include "convert/PlaceInInput.h"
#include "disc/DiscCheck.h"
#include "disc/DiscTexts.h"
#include "disc/ImageWriter.h"
#include "document/Document.h"
#include "edit/EditMarks.h"
#include "files/CdTextFile.h"
#include "files/FileAccess.h"
#include "files/TextSave.h"
#include "messages/CdTextMessages.h"
#include "messages/Messages.h"
#include "session/Session.h"
#include "text/Lines.h"
#include "text/NativePath.h"
#include "text/TextFile.h"

#include <sys/stat.h>

namespace velnora
{

namespace
{

const QString CrLf = QStringLiteral("\r\n");

bool isCdTextName(const QString &path)
{
    return path.endsWith(QLatin1String(".cdt"), Qt::CaseInsensitive);
}

// Also through a link, a hard link or another spelling of the path.
bool isSameFile(const QString &first, const QString &second)
{
    struct stat a = {};
    struct stat b = {};
    if (::stat(toNativePath(first).constData(), &a) != 0 || ::stat(toNativePath(second).constData(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A box's words as one line: "TITLE: TEXT", its lines joined by a blank.
QString oneLine(const QString &title, const QString &text)
{
    QString line = text;
    line.replace(CrLf, QLatin1String("\n"));
    line = line.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    return title.isEmpty() ? line : title + QLatin1String(": ") + line;
}

// What the converter says of its run: each warning once, then the status and the blocks' use.
class Report
{
public:
    void warnOfLayout(const CdTextFileOutcome &check, bool capacity)
    {
        if (capacity && check.overLimit)
            warn(check.title, check.text);
        if (!check.warning.isEmpty())
            warn(messages::cdtextexport::nonJisTitle(), check.warning);
    }
    void warn(const QString &title, const QString &text) { say(oneLine(title, text)); }
    Converter::Result refused() { return {1, {}, m_lines}; }
    Converter::Result written(const QStringList &use) { return {0, use, m_lines}; }

private:
    // The export refuses with the words the edit has just warned with: said once.
    void say(const QString &line)
    {
        if (!m_lines.contains(line))
            m_lines << line;
    }

    QStringList m_lines;
};

QString cannotOpen(const Outcome &opened)
{
    const QString reason =
        opened.refusal == Outcome::Refusal::TooLarge ? messages::overCapReason() : opened.error.reason;
    return QStringLiteral("%1 %2: %3").arg(messages::cannotOpen(), displayPath(opened.file), reason);
}

// The CD image of the layout in the title box and the disc's files: every refusal told, nothing
// written then.
Converter::Result writeImage(Session &session, Report &report, const ConvertOptions &options,
                             const CdTextFileOutcome &layout)
{
    const disc::DiscCheck check =
        disc::checkDisc(session.titles(), session.disc().tracks(), session.disc().gaps());
    if (!check.ok()) {
        for (const disc::DiscRefusal &refusal : check.refusals)
            report.warn(QString(), disc::refusalText(refusal));
        return report.refused();
    }
    const disc::ImageOutcome written = disc::writeCdImage(options.output, check);
    if (!written.ok()) {
        report.warn(QString(), disc::imageOutcomeText(written));
        return report.refused();
    }
    return report.written(layout.use + QStringList{disc::burnCommand(written.files)});
}

// "名前を付けて保存" or the export to OUT, as the session's commands do it, or with audio files the
// CD image; check is the layout's.
Converter::Result write(Session &session, Report &report, const ConvertOptions &options,
                        const CdTextFileOutcome &check)
{
    const QString &output = options.output;
    if (options.audioGiven) {
        // The files as given are the tracks, in place of any a cue sheet in IN named.
        session.disc().setFiles(options.audio);
        return writeImage(session, report, options, check);
    }
    if (isCdTextName(output)) {
        const Outcome exported = session.exportCdTextFileTo(output);
        if (!exported.done()) {
            report.warn(exported.cdText.title, exported.cdText.text);
            return report.refused();
        }
        report.warnOfLayout(exported.cdText, false);
        return report.written(exported.cdText.use);
    }
    const Outcome saved = session.saveTo(output);
    if (!saved.done()) {
        SaveOutcome save;
        save.status = saved.kind == Outcome::Kind::Failed ? SaveOutcome::Status::WriteFailed
                                                          : SaveOutcome::Status::Unencodable;
        save.error = saved.error;
        save.refused = saved.unencodable;
        report.warn(saveErrorTitle(), saveErrorMessage(saved.file, save));
        return report.refused();
    }
    return report.written(check.use);
}

// The edit's refusal in the words of its box, with where a rejected character stands in IN.
QString editRefusal(const Outcome &edited, const Session &session, const PlaceInInput &placeInInput)
{
    if (edited.refusal == Outcome::Refusal::InputMissing)
        return oneLine(messages::inputProblemTitle(edited.input), messages::inputProblemText(edited.input));
    const RejectedCharacter &rejected = edited.rejected->character;
    const QString fieldText = rejected.field == 1   ? session.album()
                              : rejected.field == 2 ? session.artist()
                                                    : session.titles();
    return oneLine(messages::rejectionTitle(), messages::rejectionText(rejected.character)) +
           placeInInput(rejected.field, fieldText, rejected.position);
}

} // namespace

Converter::Result Converter::run(const ConvertOptions &options, UserLanguage language)
{
    if (options.input.isEmpty())
        return fromTags(options);
    // Checked before anything is read: a save onto IN would leave the user no copy as written.
    if (isSameFile(options.input, options.output))
        return {2, {}, {messages::converter::outputIsInput(language, displayPath(options.output))}};
    // "開く" with the name given: the session reads IN once, and gives its lines as read.
    Session session;
    session.disc().setProbeOnThread(false);
    const Outcome opened = session.openFile(options.input);
    if (!opened.done())
        return {1, {}, {cannotOpen(opened)}};
    const QStringList &lines = opened.lines;
    const std::optional<EditType> layoutType = layoutEditType(lines.join(CrLf));
    const std::optional<EditType> type = options.type ? options.type : layoutType;
    if (!type)
        return {2, {}, {messages::converter::plainTitlesNeedType(language, displayPath(options.input))}};

    session.setEditType(*type);
    Report report;
    if (layoutType && !options.asksForEdit()) {
        // The layout as the user wrote it, block for block: in the title box as it was read, the
        // state "編集" leaves, then the same save or export.
        Document document;
        loadLines(document, lines);
        session.setAlbum(document.album);
        session.setArtist(document.artist);
        session.setTitles(document.titles);
        session.enterEditedState();
        const CdTextFileOutcome check = checkCdTextFile(session.titles());
        // The export warns by itself; a layout kept as text is told what the export would say.
        if (!isCdTextName(options.output))
            report.warnOfLayout(check, true);
        return write(session, report, options, check);
    }

    if (options.album)
        session.setAlbum(*options.album);
    if (options.artist)
        session.setArtist(*options.artist);
    // The type given on the command line is the confirmation "編集" asks for.
    const Outcome edited = session.editConfirmed();
    if (!edited.done())
        return {1, {}, {editRefusal(edited, session, PlaceInInput(options, lines, language))}};
    report.warnOfLayout(edited.cdText, true);
    return write(session, report, options, edited.cdText);
}

Converter::Result Converter::fromTags(const ConvertOptions &options)
{
    // The window's "音声ファイルから曲名を取り込む" into empty boxes, then "編集" with the type given.
    Session session;
    session.disc().setProbeOnThread(false);
    const Outcome imported = session.importAudioTitles(options.audio);
    if (!imported.skipped.isEmpty()) {
        const Box box = messages::skippedAudio(imported.skipped, !imported.done());
        return {1, {}, {oneLine(box.title, box.text)}};
    }
    if (options.album)
        session.setAlbum(*options.album);
    if (options.artist)
        session.setArtist(*options.artist);
    session.setEditType(*options.type);
    const Outcome edited = session.editConfirmed();
    if (edited.refusal == Outcome::Refusal::InputMissing)
        return {
            1,
            {},
            {oneLine(messages::inputProblemTitle(edited.input), messages::inputProblemText(edited.input))}};
    if (!edited.done())
        return {1,
                {},
                {oneLine(messages::rejectionTitle(),
                         messages::rejectionText(edited.rejected->character.character))}};
    Report report;
    report.warnOfLayout(edited.cdText, true);
    return writeImage(session, report, options, edited.cdText);
}

} // namespace velnora
