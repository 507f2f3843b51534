#include "convert/Converter.h"

#include "app/logic/CdTextFile.h"
#include "app/logic/Document.h"
#include "app/logic/FileAccess.h"
#include "app/logic/Session.h"
#include "convert/PlaceInInput.h"
#include "edit/EditMarks.h"
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

Converter::Result refused(QStringList error)
{
    return {1, {}, std::move(error)};
}

// "名前を付けて保存" or the export to OUT, as the session's commands do it.
Converter::Result write(Session &session, ConsoleHost &host, const QString &output)
{
    host.setSaveName(output);
    bool written = false;
    if (isCdTextName(output)) {
        written = session.exportCdTextFile();
    } else {
        session.saveAs();
        written = session.currentFile() == output;
    }
    Converter::Result result;
    result.error = host.takeLines();
    if (!written) {
        result.status = 1;
        return result;
    }
    result.out = checkCdTextFile(session.titles()).use;
    return result;
}

} // namespace

Converter::Result Converter::run(const ConvertOptions &options, UserLanguage language)
{
    // Checked before anything is read: a save onto IN would leave the user no copy as written.
    if (isSameFile(options.input, options.output))
        return {2,
                {},
                {inLanguage(language, QStringLiteral("%1 is the input file: give OUT another name"),
                            QStringLiteral("%1 は入力ファイルです: 出力には別の名前を指定してください"))
                     .arg(displayPath(options.output))}};
    // Read once here for the layout's type; "開く" reads the same file with the same cap.
    const FileRead read = readFileBounded(options.input, OpenSizeCap, Links::Follow);
    if (!read.ok()) {
        const QString reason = read.tooLarge ? overCapReason() : read.error.reason;
        return refused({QStringLiteral("開けません！ %1: %2").arg(displayPath(options.input), reason)});
    }
    const QStringList lines = readLines(decodeFileBytes(read.bytes));
    const std::optional<EditType> layoutType = layoutEditType(lines.join(CrLf));
    const std::optional<EditType> type = options.type ? options.type : layoutType;
    if (!type)
        return {
            2,
            {},
            {inLanguage(language, QStringLiteral("%1 holds plain titles: give --type en, ja or en+ja"),
                        QStringLiteral(
                            "%1 は曲名だけのファイルです: --type en、ja、en+ja のどれかを指定してください"))
                 .arg(displayPath(options.input))}};

    ConsoleHost host;
    Session session(host);
    session.setEditType(*type);
    if (layoutType && !options.asksForEdit()) {
        // The layout as the user wrote it, block for block: in the title box as it was read, the
        // state "編集" leaves, then the same save or export.
        Document document;
        loadLines(document, lines);
        session.setAlbum(document.album);
        session.setArtist(document.artist);
        session.setTitles(document.titles);
        session.setCurrentFile(options.input);
        session.enterEditedState();
        // The export warns by itself; a layout kept as text is told what the export would say.
        if (!isCdTextName(options.output)) {
            const EditWarnings warnings = editWarnings(session.titles());
            if (!warnings.capacity.isEmpty())
                host.messageBox(warnings.capacity, capacityWarningTitle(), CorePlatform::Icon::Exclamation,
                                CorePlatform::Buttons::Ok);
            if (!warnings.nonJis.isEmpty())
                host.messageBox(warnings.nonJis, nonJisWarningTitle(), CorePlatform::Icon::Exclamation,
                                CorePlatform::Buttons::Ok);
        }
        return write(session, host, options.output);
    }

    const PlaceInInput placeInInput(options, lines, language);
    QString rejectedAt;
    QObject::connect(&session, &Session::characterRejected, [&](int field, qsizetype start, qsizetype) {
        const QString fieldText = field == 1   ? session.album()
                                  : field == 2 ? session.artist()
                                               : session.titles();
        rejectedAt = placeInInput(field, fieldText, start);
    });

    host.setOpenName(options.input);
    session.openDocument();
    if (session.currentFile() != options.input) {
        QStringList error = host.takeLines();
        if (error.isEmpty())
            error << QStringLiteral("開けません！ %1").arg(displayPath(options.input));
        return refused(error);
    }
    if (options.album)
        session.setAlbum(*options.album);
    if (options.artist)
        session.setArtist(*options.artist);
    session.setEditType(*type);

    session.edit();
    if (!rejectedAt.isEmpty())
        host.appendToLastLine(rejectedAt);
    if (!session.isEdited())
        return refused(host.takeLines());
    return write(session, host, options.output);
}

} // namespace velnora
