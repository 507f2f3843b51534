#include "convert/Converter.h"

#include "app/logic/CdTextFile.h"
#include "app/logic/FileAccess.h"
#include "app/logic/OutcomeBoxes.h"
#include "app/logic/Session.h"
#include "app/logic/TextSave.h"
#include "edit/EditMarks.h"
#include "text/Lines.h"
#include "text/NativePath.h"
#include "text/TextFile.h"

namespace velnora
{

namespace
{

QString fieldName(int field)
{
    switch (field) {
    case 1:
        return QStringLiteral("アルバム名");
    case 2:
        return QStringLiteral("アーティスト名");
    default:
        return QStringLiteral("曲名");
    }
}

// " (曲名 2行目 3文字目)": where a rejected character stands, as a person counts.
QString placeOf(const QString &text, qsizetype position)
{
    const int line = lineOfPosition(text, position);
    const qsizetype lineStart = line == 1 ? 0 : text.lastIndexOf(QLatin1String("\r\n"), position - 1) + 2;
    const qsizetype column = text.mid(lineStart, position - lineStart).toUcs4().size() + 1;
    return QStringLiteral("%1行目 %2文字目").arg(line).arg(column);
}

bool isCdTextName(const QString &path)
{
    return path.endsWith(QLatin1String(".cdt"), Qt::CaseInsensitive);
}

Converter::Result refused(QStringList error)
{
    return {1, {}, std::move(error)};
}

} // namespace

Converter::Result Converter::run(const ConvertOptions &options)
{
    // Read once here for the layout's type; "開く" reads the same file with the same cap.
    const FileRead read = readFileBounded(options.input, OpenSizeCap, Links::Follow);
    if (!read.ok()) {
        const QString reason = read.tooLarge ? overCapReason() : read.error.reason;
        return refused({QStringLiteral("開けません！ %1: %2").arg(displayPath(options.input), reason)});
    }
    const QString text = readLines(decodeFileBytes(read.bytes)).join(QLatin1String("\r\n"));
    const std::optional<EditType> type = options.type ? options.type : layoutEditType(text);
    if (!type)
        return {2,
                {},
                {QStringLiteral("%1 holds plain titles: give --type en, ja or en+ja")
                     .arg(displayPath(options.input))}};

    ConsoleHost host;
    Session session(host);
    QString rejectedAt;
    QObject::connect(&session, &Session::characterRejected, [&](int field, qsizetype start, qsizetype) {
        const QString fieldText = field == 1   ? session.album()
                                  : field == 2 ? session.artist()
                                               : session.titles();
        rejectedAt = QStringLiteral(" (%1 %2)").arg(fieldName(field), placeOf(fieldText, start));
    });

    host.setOpenName(options.input);
    showOutcome(host, session.openDocument());
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

    showOutcome(host, session.edit());
    if (!rejectedAt.isEmpty())
        host.appendToLastLine(rejectedAt);
    if (!session.isEdited())
        return refused(host.takeLines());

    host.setSaveName(options.output);
    bool written = false;
    if (isCdTextName(options.output)) {
        const Outcome exported = session.exportCdTextFile();
        showOutcome(host, exported);
        written = exported.done();
    } else {
        const Outcome saved = session.saveAs();
        showOutcome(host, saved);
        written = saved.done();
    }
    Result result;
    result.error = host.takeLines();
    if (!written) {
        result.status = 1;
        return result;
    }
    result.out = checkCdTextFile(session.titles()).use;
    return result;
}

} // namespace velnora
