#include "disc/CueSheetIn.h"

#include "text/TextFile.h"

#include <QMutex>
#include <QSet>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <libcue.h>
#include <memory>
#include <unistd.h>

namespace velnora
{

namespace
{

struct CdDeleter {
    void operator()(Cd *cd) const { cd_delete(cd); }
};

QString text(const char *utf8)
{
    return utf8 == nullptr ? QString() : QString::fromUtf8(utf8);
}

QString inFolder(const QString &name, const QString &folder)
{
    if (name.startsWith(QLatin1Char('/')) || folder.isEmpty())
        return name;
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// libcue keeps the first 99 tracks of a longer sheet and drops the rest without a word.
int trackLines(const QString &lines)
{
    int count = 0;
    for (const QStringView line : QStringView(lines).split(QLatin1Char('\n'))) {
        const QStringView word = line.trimmed();
        if (word.startsWith(QLatin1String("TRACK"), Qt::CaseInsensitive) &&
            (word.size() == 5 || word[5].isSpace()))
            ++count;
    }
    return count;
}

// The FILE lines' names whose type is BINARY: libcue reads the type but does not tell it.
QSet<QString> binaryFiles(const QString &lines)
{
    QSet<QString> binary;
    for (const QStringView line : QStringView(lines).split(QLatin1Char('\n'))) {
        const QStringView word = line.trimmed();
        if (!word.startsWith(QLatin1String("FILE"), Qt::CaseInsensitive) || word.size() < 5 ||
            !word[4].isSpace())
            continue;
        QStringView rest = word.mid(5).trimmed();
        const qsizetype typeAt = rest.lastIndexOf(QLatin1Char(' '));
        const qsizetype tabAt = rest.lastIndexOf(QLatin1Char('\t'));
        const qsizetype split = std::max(typeAt, tabAt);
        if (split < 0)
            continue;
        if (rest.mid(split + 1).compare(QLatin1String("BINARY"), Qt::CaseInsensitive) != 0)
            continue;
        QStringView name = rest.left(split).trimmed();
        if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
            name = name.mid(1, name.size() - 2);
        binary.insert(name.toString());
    }
    return binary;
}

// libcue prints its parser's complaints on standard error; the problem is told as data instead.
class QuietStandardError
{
public:
    QuietStandardError() : m_saved(::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0))
    {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_saved >= 0 && null >= 0)
            ::dup2(null, STDERR_FILENO);
        if (null >= 0)
            ::close(null);
    }
    ~QuietStandardError()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    QuietStandardError(const QuietStandardError &) = delete;
    QuietStandardError &operator=(const QuietStandardError &) = delete;

private:
    int m_saved;
};

CueSheetRead failed(CueProblem problem, int track = 0)
{
    CueSheetRead read;
    read.problem = problem;
    read.track = track;
    return read;
}

} // namespace

CueSheetRead parseCueSheet(const QString &sheetText, const QString &folder)
{
    // Sheets from Windows end their lines with CR LF, old Mac ones with CR.
    QString lines = sheetText;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (trackLines(lines) > MaxCueTracks)
        return failed(CueProblem::TooManyTracks);
    const QByteArray utf8 = lines.toUtf8();

    // libcue's parser keeps its state in globals.
    static QMutex parserLock;
    std::unique_ptr<Cd, CdDeleter> cd;
    {
        const QMutexLocker locker(&parserLock);
        const QuietStandardError quiet;
        cd.reset(cue_parse_string(utf8.constData()));
    }
    const int count = cd ? cd_get_ntrack(cd.get()) : 0;
    if (count <= 0)
        return failed(CueProblem::Syntax);

    CueSheetRead read;
    const Cdtext *discText = cd_get_cdtext(cd.get());
    read.sheet.album = text(cdtext_get(PTI_TITLE, discText));
    read.sheet.artist = text(cdtext_get(PTI_PERFORMER, discText));
    if (const char *textFile = cd_get_cdtextfile(cd.get()); textFile != nullptr && *textFile != '\0')
        read.sheet.textFile = inFolder(text(textFile), folder);
    const QSet<QString> binary = binaryFiles(lines);
    for (int i = 1; i <= count; ++i) {
        const Track *track = cd_get_track(cd.get(), i);
        if (track_get_mode(track) != MODE_AUDIO)
            return failed(CueProblem::DataTrack, i);
        const char *name = track_get_filename(track);
        if (name == nullptr)
            return failed(CueProblem::NoFile, i);
        const long index1 = track_get_index(track, 1);
        if (index1 < 0)
            return failed(CueProblem::NoIndex, i);
        CueTrack t;
        t.number = i;
        t.file = inFolder(text(name), folder);
        t.raw = binary.contains(text(name));
        const Cdtext *trackText = track_get_cdtext(track);
        t.title = text(cdtext_get(PTI_TITLE, trackText));
        t.performer = text(cdtext_get(PTI_PERFORMER, trackText));
        t.start = index1;
        const long index0 = track_get_index(track, 0);
        t.pregap = index0 >= 0 && index0 <= index1 ? index1 - index0 : 0;
        if (!read.sheet.tracks.isEmpty()) {
            CueTrack &previous = read.sheet.tracks.last();
            if (previous.file == t.file) {
                if (t.start < previous.start)
                    return failed(CueProblem::IndexOrder, i);
                previous.length = t.start - previous.start;
            }
        }
        read.sheet.tracks.append(t);
    }
    return read;
}

CueSheetRead readCueSheet(const QString &path)
{
    const FileRead file = readFileBounded(path, OpenSizeCap, Links::Follow);
    if (file.error.failed()) {
        CueSheetRead read = failed(CueProblem::File);
        read.error = file.error;
        return read;
    }
    if (file.tooLarge)
        return failed(CueProblem::TooLarge);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return parseCueSheet(decodeFileBytes(file.bytes), slash < 0 ? QString() : path.left(slash + 1));
}

} // namespace velnora
