#include "convert/Converter.h"

#include "app/logic/CdTextFile.h"
#include "app/logic/Document.h"
#include "app/logic/FileAccess.h"
#include "app/logic/Session.h"
#include "app/logic/TextSave.h"
#include "edit/EditMarks.h"
#include "text/Lines.h"
#include "text/NativePath.h"
#include "text/TextFile.h"

#include <algorithm>

#include <sys/stat.h>

namespace velnora
{

namespace
{

const QString CrLf = QStringLiteral("\r\n");

QString fieldName(int field, UserLanguage language)
{
    switch (field) {
    case 1:
        return inLanguage(language, QStringLiteral("album"), QStringLiteral("アルバム名"));
    case 2:
        return inLanguage(language, QStringLiteral("artist"), QStringLiteral("アーティスト名"));
    default:
        return inLanguage(language, QStringLiteral("title"), QStringLiteral("曲名"));
    }
}

qsizetype characters(const QString &text)
{
    return text.toUcs4().size();
}

// " (曲名 2行目 3文字目)": where a rejected character stands, as a person counts.
QString place(int field, int line, qsizetype column, UserLanguage language)
{
    return inLanguage(language, QStringLiteral(" (%1, line %2, character %3)"),
                      QStringLiteral(" (%1 %2行目 %3文字目)"))
        .arg(fieldName(field, language))
        .arg(line)
        .arg(column);
}

// The place of a rejected character in the file the user wrote. The session checks its own fields:
// a name from an option, a name from the file's disc line (the last one, as loading takes it), or
// the titles that "開く" made of IN, a layout's title lines with their markers removed.
class PlaceInInput
{
public:
    PlaceInInput(const ConvertOptions &options, const QStringList &lines, UserLanguage language)
        : m_options(options), m_lines(lines), m_language(language)
    {
        removeEditMarks(lines.join(CrLf), &m_sourceLines);
    }

    QString operator()(int field, const QString &fieldText, qsizetype position) const
    {
        const std::optional<QString> &option = field == 1 ? m_options.album : m_options.artist;
        if (field != 3 && option)
            return inLanguage(m_language, QStringLiteral(" (%1, %2)"), QStringLiteral(" (%1 %2)"))
                .arg(fieldName(field, m_language),
                     field == 1 ? QStringLiteral("--album") : QStringLiteral("--artist"));
        if (field != 3)
            return nameInDiscLine(field, position);
        const int line = lineOfPosition(fieldText, position);
        const qsizetype lineStart = line == 1 ? 0 : fieldText.lastIndexOf(CrLf, position - 1) + 2;
        const qsizetype lineEnd = fieldText.indexOf(CrLf, position);
        const QString title = fieldText.mid(lineStart, lineEnd < 0 ? -1 : lineEnd - lineStart);
        const qsizetype index = m_sourceLines.isEmpty() ? line - 1 : m_sourceLines.value(line - 1, -1);
        const QString written = m_lines.value(index);
        // A title line's marker stands before the title in the file.
        const qsizetype marker =
            characters(written.left(std::max<qsizetype>(0, written.size() - title.size())));
        return place(3, int(index + 1), marker + characters(title.left(position - lineStart)) + 1,
                     m_language);
    }

private:
    QString nameInDiscLine(int field, qsizetype position) const
    {
        for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
            const QString &line = m_lines.at(i);
            if (!line.startsWith(QLatin1String("0\t")))
                continue;
            const qsizetype start = field == 1 ? 2 : line.lastIndexOf(QLatin1Char('\t')) + 1;
            return place(field, int(i + 1), characters(line.mid(0, start + position)) + 1, m_language);
        }
        return QStringLiteral(" (%1)").arg(fieldName(field, m_language));
    }

    const ConvertOptions &m_options;
    const QStringList &m_lines;
    UserLanguage m_language;
    QList<qsizetype> m_sourceLines;
};

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
        if (const QString warning = capacityWarning(session.titles());
            !warning.isEmpty() && !isCdTextName(options.output))
            host.messageBox(warning, capacityWarningTitle(), CorePlatform::Icon::Exclamation,
                            CorePlatform::Buttons::Ok);
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
