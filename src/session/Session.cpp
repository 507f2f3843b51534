#include "session/Session.h"

#include "audio/AudioTags.h"
#include "audio/TagImport.h"
#include "burn/BurnTexts.h"
#include "burn/Drives.h"
#include "disc/CueSheetIn.h"
#include "disc/DiscCheck.h"
#include "document/DroppedName.h"
#include "document/SampleDocument.h"
#include "edit/CdTextLayout.h"
#include "edit/CharacterCheck.h"
#include "edit/EditMarks.h"
#include "edit/InputCheck.h"
#include "files/CdTextFile.h"
#include "files/FileAccess.h"
#include "files/TextSave.h"
#include "messages/Messages.h"
#include "platform/CorePlatform.h"
#include "text/Lines.h"
#include "text/TextFile.h"
#include "titles/SortTitles.h"

#include <QFileInfo>
#include <QSet>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <memory>
#include <utility>

namespace velnora
{

namespace
{

// Work of minutes (decoding, a drive) on a thread of its own: the thread that asked keeps its events
// going (a window repaints, its progress dialog takes the cancel). Without an event loop to keep, it
// is done here.
void runAside(const std::function<void()> &work)
{
    if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread()) {
        QEventLoop loop;
        std::unique_ptr<QThread> worker(QThread::create(work));
        QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
        worker->start();
        loop.exec();
        worker->wait();
    } else {
        work();
    }
}

constexpr qint64 DropSizeLimit = 100000;
const QString CrLf = QStringLiteral("\r\n");

bool isCueSheetName(const QString &path)
{
    return path.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive);
}

// The formats the decoder reads, by the names' endings.
bool isAudioName(const QString &path)
{
    static const QSet<QString> suffixes{QStringLiteral("wav"),  QStringLiteral("aif"), QStringLiteral("aiff"),
                                        QStringLiteral("flac"), QStringLiteral("m4a"), QStringLiteral("mp3"),
                                        QStringLiteral("ogg"),  QStringLiteral("opus")};
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}

QString tagProblemReason(const AudioTags &tags)
{
    switch (tags.problem) {
    case TagProblem::File:
        return tags.error.reason;
    case TagProblem::TooLarge:
        return messages::tagsTooLargeReason();
    case TagProblem::NotAudio:
    case TagProblem::None:
        break;
    }
    return messages::notAudioReason();
}

Question editTypeQuestion(EditType type)
{
    switch (type) {
    case EditType::En:
        return Question::EditTypeEn;
    case EditType::EnJa:
        return Question::EditTypeEnJa;
    case EditType::Ja:
        break;
    }
    return Question::EditTypeJa;
}

// Raises a flag for the duration of one command, even if it returns early.
class FlagRaiser
{
public:
    explicit FlagRaiser(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagRaiser() { m_flag = false; }
    FlagRaiser(const FlagRaiser &) = delete;
    FlagRaiser &operator=(const FlagRaiser &) = delete;

private:
    bool &m_flag;
};

} // namespace

Session::Session(CorePlatform &platform, QObject *parent)
    : QObject(parent), m_platform(&platform), m_collator(titleCollator())
{
}

Session::Session(QObject *parent) : QObject(parent), m_collator(titleCollator()) {}

Answer Session::ask(Question question)
{
    // A session without a platform runs only the commands that ask nothing.
    Q_ASSERT(m_platform);
    return m_platform ? m_platform->ask(question) : Answer::Cancel;
}

void Session::setAlbum(const QString &text)
{
    if (text == m_album)
        return;
    m_album = text;
    emit albumChanged(m_album);
}

void Session::setArtist(const QString &text)
{
    if (text == m_artist)
        return;
    m_artist = text;
    emit artistChanged(m_artist);
}

QString Session::titles() const
{
    if (m_typedTitles)
        m_titles = withCrLf(std::exchange(m_typedTitles, nullptr)());
    return m_titles;
}

void Session::setTitles(const QString &text)
{
    const QString crLf = withCrLf(text);
    if (crLf == titles())
        return;
    m_titles = crLf;
    m_lineCount = m_titles.isEmpty() ? 0 : int(m_titles.count(CrLf)) + 1;
    emit titlesChanged();
}

void Session::titlesTyped(int lineCount, std::function<QString()> readText)
{
    m_typedTitles = std::move(readText);
    m_lineCount = lineCount;
    emit titlesChanged();
}

void Session::setEditType(EditType type)
{
    if (type == m_editType)
        return;
    m_editType = type;
    emit editTypeChanged(type);
}

void Session::setState(bool edited, bool saveEnabled)
{
    if (edited == m_edited && saveEnabled == m_saveEnabled)
        return;
    m_edited = edited;
    m_saveEnabled = saveEnabled;
    emit stateChanged();
}

void Session::setCurrentFile(const QString &path)
{
    if (path == m_currentFile)
        return;
    m_currentFile = path;
    emit stateChanged();
}

// --- start and end ---

Outcome Session::startUp()
{
    // 1. One running instance owns temp.dat.
    if (!m_platform->acquireSingleInstance())
        return Outcome::refusedBy(Outcome::Command::StartUp, Outcome::Refusal::OtherInstance);
    // 2, 3.
    m_lineStr.clear();
    m_snapshot.place(m_platform->snapshotFolders(), titles());
    // 4, 5: the group's start configuration; 6: the save commands go with the pre-edit state.
    applyTrackToolSwitch();
    // 7.
    m_sortFlag = true;
    // 9. The title names the file even when it cannot be read.
    const QString commandLine = m_platform->commandLine();
    if (commandLine.isEmpty())
        return Outcome::of(Outcome::Kind::Done, Outcome::Command::StartUp);
    const QString path = commandLinePath(commandLine);
    setCurrentFile(path);
    Outcome loaded = load(Outcome::Command::StartUp, path, OpenSizeCap);
    if (loaded.done())
        delHenshumoji();
    return loaded;
}

void Session::end()
{
    if (m_platform && !m_snapshot.path().isEmpty())
        m_platform->removeFile(m_snapshot.path());
}

Session::LoadResult Session::loadFile(const QString &path, qint64 cap)
{
    const Outcome loaded = load(Outcome::Command::Open, path, cap);
    if (loaded.done())
        return LoadResult::Loaded;
    return loaded.refusal == Outcome::Refusal::TooLarge ? LoadResult::TooLarge : LoadResult::Failed;
}

Outcome Session::load(Outcome::Command command, const QString &path, qint64 cap)
{
    // Only regular files: a folder has no lines and a device or pipe never ends.
    const FileRead read = readFileBounded(path, cap, Links::Follow);
    if (read.tooLarge) {
        Outcome refused = Outcome::refusedBy(command, Outcome::Refusal::TooLarge);
        refused.file = path;
        return refused;
    }
    if (!read.ok())
        return Outcome::failedBy(command, path, read.error);
    Outcome done = Outcome::of(Outcome::Kind::Done, command);
    done.file = path;
    done.lines = readLines(decodeFileBytes(read.bytes));
    Document doc = document();
    loadLines(doc, done.lines);
    setAlbum(doc.album);
    setArtist(doc.artist);
    setTitles(doc.titles);
    return done;
}

// --- states ---

void Session::henshumae()
{
    setCurrentFile(QString());
    setState(false, false);
}

void Session::enterEditedState()
{
    setState(true, true);
}

void Session::askSaveCommands()
{
    setSaveCommandsEnabled(ask(Question::EnableSave) == Answer::Yes);
}

void Session::setSaveCommandsEnabled(bool enabled)
{
    setState(m_edited, enabled);
}

void Session::delHenshumoji()
{
    setTitles(removeEditMarks(titles()));
}

// --- file commands ---

std::optional<Answer> Session::textAri()
{
    if (m_album.isEmpty() && m_artist.isEmpty() && titles().isEmpty())
        return std::nullopt;
    return ask(Question::ClearFilled);
}

void Session::clearDocument()
{
    m_keepAlbum = m_album;
    m_keepArtist = m_artist;
    m_snapshot.write(titles());
    setAlbum(QString());
    setArtist(QString());
    setTitles(QString());
    henshumae();
}

Outcome Session::newDocument()
{
    // Nothing filled: nothing to clear either.
    if (textAri() != Answer::Ok)
        return Outcome::of(Outcome::Kind::Cancelled, Outcome::Command::Open);
    clearDocument();
    return Outcome::of(Outcome::Kind::Done, Outcome::Command::Open);
}

Outcome Session::openDocument()
{
    const std::optional<Answer> answer = textAri();
    if (answer && answer != Answer::Ok)
        return Outcome::of(Outcome::Kind::Cancelled, Outcome::Command::Open);
    const QString path = m_platform->openFileName(messages::openFilter(), m_lastFileName);
    // A cancelled dialog leaves the document as it was.
    if (path.isEmpty())
        return Outcome::of(Outcome::Kind::Cancelled, Outcome::Command::Open);
    return openFile(path);
}

Outcome Session::openFile(const QString &path)
{
    m_lastFileName = path;
    if (isCueSheetName(path))
        return openCueSheet(path);
    clearDocument();
    const Outcome loaded = load(Outcome::Command::Open, path, OpenSizeCap);
    if (!loaded.done())
        return loaded;
    delHenshumoji();
    henshumae();
    setCurrentFile(path);
    return loaded;
}

Outcome Session::openCueSheet(const QString &path)
{
    const CueSheetRead read = readCueSheet(path);
    if (read.problem == CueProblem::File)
        return Outcome::failedBy(Outcome::Command::Open, path, read.error);
    if (!read.ok()) {
        Outcome refused = Outcome::refusedBy(Outcome::Command::Open, read.problem == CueProblem::TooLarge
                                                                         ? Outcome::Refusal::TooLarge
                                                                         : Outcome::Refusal::CueSheet);
        refused.file = path;
        refused.cue = read.problem;
        refused.cueTrack = read.track;
        return refused;
    }
    clearDocument();
    QList<disc::DiscTrack> parts;
    QSet<QString> files;
    bool cut = false;
    for (const CueTrack &track : read.sheet.tracks) {
        disc::DiscTrack part;
        part.path = track.file;
        part.start = track.start * audio::SamplesPerFrame;
        part.length = track.length < 0 ? -1 : track.length * audio::SamplesPerFrame;
        part.raw = track.raw;
        cut = cut || part.cut();
        parts.append(part);
        files.insert(track.file);
    }
    // A file of its own for each track names an untitled one, as a dropped file does; the parts of
    // one file have no name but the track's.
    const bool filePerTrack = files.size() == read.sheet.tracks.size();
    QString titleText;
    for (const CueTrack &track : read.sheet.tracks) {
        const QString title =
            track.title.isEmpty() && filePerTrack ? titleFromDroppedPath(track.file) : track.title;
        titleText += title + CrLf;
    }
    setAlbum(read.sheet.album);
    setArtist(read.sheet.artist);
    setTitles(titleText);
    // The parts of a cut file hold the sheet's own gaps: no silence goes between them.
    if (cut)
        m_disc.setGaps(false);
    m_disc.probeLater(parts);
    henshumae();
    setCurrentFile(path);
    Outcome done = Outcome::of(Outcome::Kind::Done, Outcome::Command::Open);
    done.file = path;
    return done;
}

Outcome Session::importAudio()
{
    const QStringList paths = m_platform->openFileNames(messages::audioFilter(), m_lastFileName);
    if (paths.isEmpty())
        return Outcome::of(Outcome::Kind::Cancelled, Outcome::Command::Import);
    m_lastFileName = paths.constFirst();
    return importAudioTitles(paths);
}

Outcome Session::importAudioTitles(const QStringList &paths)
{
    QList<AudioTags> read;
    QStringList skipped;
    for (const QString &path : paths) {
        AudioTags tags = readAudioTags(path);
        if (tags.problem == TagProblem::None)
            read.append(tags);
        else
            skipped << messages::skippedFileLine(QFileInfo(path).fileName(), tagProblemReason(tags));
    }
    if (read.isEmpty()) {
        Outcome refused = Outcome::refusedBy(Outcome::Command::Import, Outcome::Refusal::NoAudio);
        refused.skipped = skipped;
        return refused;
    }
    const TagImport imported = importFromTags(read);
    // As "クリア" does: the titles as they were stay for "取消".
    m_keepAlbum = m_album;
    m_keepArtist = m_artist;
    m_snapshot.write(titles());
    if (m_album.isEmpty())
        setAlbum(imported.album);
    if (m_artist.isEmpty())
        setArtist(imported.artist);
    setTitles(imported.titles.join(CrLf) + CrLf);
    m_disc.probeLater(imported.files);
    henshumae();
    Outcome done = Outcome::of(Outcome::Kind::Done, Outcome::Command::Import);
    done.skipped = skipped;
    return done;
}

Outcome Session::save()
{
    if (m_currentFile.isEmpty() || m_saveAsFlag)
        return saveWithDialog();
    if (m_overwriteFlag)
        return writeDocument(m_currentFile);
    if (ask(Question::Overwrite) == Answer::Yes)
        return writeDocument(m_currentFile);
    return saveWithDialog();
}

Outcome Session::saveOverwrite()
{
    FlagRaiser raised(m_overwriteFlag);
    return save();
}

Outcome Session::saveAs()
{
    FlagRaiser raised(m_saveAsFlag);
    return save();
}

Outcome Session::saveWithDialog()
{
    // No title and no suffix: the dialog as the document's own save has always shown it.
    const QString path =
        m_platform->saveFileName(messages::saveFilter(), m_lastFileName, QString(), QString());
    // A cancelled dialog writes nothing and keeps the current file.
    if (path.isEmpty())
        return Outcome::of(Outcome::Kind::Cancelled, Outcome::Command::Save);
    return saveTo(path);
}

Outcome Session::saveTo(const QString &path)
{
    m_lastFileName = path;
    Outcome written = writeDocument(path);
    if (written.done())
        setCurrentFile(path);
    return written;
}

Outcome Session::writeDocument(const QString &path)
{
    const SaveOutcome saved = saveTextFile(path, titles());
    switch (saved.status) {
    case SaveOutcome::Status::Saved:
        break;
    case SaveOutcome::Status::Unencodable: {
        Outcome refused = Outcome::refusedBy(Outcome::Command::Save, Outcome::Refusal::Unencodable);
        refused.file = path;
        refused.unencodable = saved.refused;
        return refused;
    }
    case SaveOutcome::Status::WriteFailed:
        return Outcome::failedBy(Outcome::Command::Save, path, saved.error);
    }
    Outcome done = Outcome::of(Outcome::Kind::Done, Outcome::Command::Save);
    done.file = path;
    return done;
}

Outcome Session::exportCdTextFile()
{
    const CdTextFileOutcome check = checkCdTextFile(titles());
    if (!check.ok())
        return exportChecked(QString(), check);
    // The bytes are valid: whether such texts go on the disc is the user's choice, made before a name.
    if (!check.warning.isEmpty() && ask({Question::WriteNonJis, check.warning}) != Answer::Ok)
        return Outcome::of(Outcome::Kind::Cancelled, Outcome::Command::Export);
    const QString path =
        m_platform->saveFileName(cdTextFileFilter(), cdTextFileName(m_currentFile, m_keepAlbum),
                                 cdTextFileDialogTitle(), cdTextFileSuffix());
    // A cancelled dialog writes nothing.
    if (path.isEmpty())
        return Outcome::of(Outcome::Kind::Cancelled, Outcome::Command::Export);
    return exportChecked(path, check);
}

Outcome Session::exportCdTextFileTo(const QString &path)
{
    return exportChecked(path, checkCdTextFile(titles()));
}

Outcome Session::exportChecked(const QString &path, const CdTextFileOutcome &check)
{
    Outcome outcome;
    outcome.command = Outcome::Command::Export;
    outcome.file = path;
    if (!check.ok()) {
        outcome.kind = Outcome::Kind::Refused;
        outcome.refusal = Outcome::Refusal::NotCdText;
        outcome.cdText = check;
        return outcome;
    }
    outcome.cdText = writeCdTextFile(path, check);
    if (outcome.cdText.status == CdTextFileOutcome::Status::WriteFailed) {
        outcome.kind = Outcome::Kind::Failed;
        outcome.error = outcome.cdText.error;
    }
    return outcome;
}

disc::DiscCheck Session::checkCdImage(Outcome &refused) const
{
    disc::DiscCheck check = disc::checkDisc(titles(), m_disc.tracks(), m_disc.gaps());
    refused = Outcome::refusedBy(Outcome::Command::CdImage, Outcome::Refusal::DiscRefused);
    refused.discRefusals = check.refusals;
    return check;
}

Outcome Session::burn(const burning::BurnOptions &options, const burning::BurnProgressCall &progress,
                      const std::atomic<bool> *cancel)
{
    Outcome refused;
    const disc::DiscCheck check = checkCdImage(refused);
    if (!check.ok()) {
        refused.command = Outcome::Command::Burn;
        return refused;
    }
    const Outcome cancelled = Outcome::of(Outcome::Kind::Cancelled, Outcome::Command::Burn);
    if (check.overWarning() &&
        ask({Question::BurnOverWarning, disc::playingTime(check.length.frames)}) != Answer::Ok)
        return cancelled;

    // A written CD-RW can be erased first; every other medium is the burner's to judge.
    burning::BurnOutcome look;
    runAside([&] { look = burning::readMedium(options.drive, options.emulated); });
    if (!look.ok()) {
        Outcome failed = Outcome::of(Outcome::Kind::Failed, Outcome::Command::Burn);
        failed.burn = look;
        return failed;
    }
    const burning::MediumInfo &medium = look.medium;
    if (medium.cd && medium.erasable &&
        (medium.status == burning::MediumInfo::Status::Appendable ||
         medium.status == burning::MediumInfo::Status::Full)) {
        if (ask({Question::EraseDisc, burning::mediumText(look)}) != Answer::Yes)
            return cancelled;
        burning::BurnOutcome erased;
        runAside([&] {
            erased = burning::blankMedium(options.drive, options.emulated, [&progress](int percent) {
                if (!progress)
                    return;
                burning::BurnProgress now;
                now.phase = burning::BurnProgress::Phase::Blanking;
                now.percent = percent;
                progress(now);
            });
        });
        if (!erased.ok()) {
            Outcome failed = Outcome::of(Outcome::Kind::Failed, Outcome::Command::Burn);
            failed.burn = erased;
            return failed;
        }
    }
    return burnChecked(check, options, progress, cancel);
}

Outcome Session::burnChecked(const disc::DiscCheck &check, const burning::BurnOptions &options,
                             const burning::BurnProgressCall &progress, const std::atomic<bool> *cancel)
{
    Outcome outcome = Outcome::of(Outcome::Kind::Done, Outcome::Command::Burn);
    runAside([&] { outcome.burn = burning::burnDisc(check, options, progress, cancel); });
    switch (outcome.burn.failure) {
    case burning::BurnOutcome::Failure::None:
        break;
    case burning::BurnOutcome::Failure::Refused:
        outcome.kind = Outcome::Kind::Refused;
        outcome.refusal = Outcome::Refusal::DiscRefused;
        outcome.discRefusals = check.refusals;
        break;
    case burning::BurnOutcome::Failure::Cancelled:
        outcome.kind = Outcome::Kind::Cancelled;
        break;
    default:
        outcome.kind = Outcome::Kind::Failed;
        break;
    }
    return outcome;
}

Outcome Session::saveCdImage(const disc::ImageProgress &progress, const std::atomic<bool> *cancel)
{
    Outcome refused;
    const disc::DiscCheck check = checkCdImage(refused);
    if (!check.ok())
        return refused;
    if (check.overWarning()) {
        if (ask({Question::DiscOverWarning, disc::playingTime(check.length.frames)}) != Answer::Ok)
            return Outcome::of(Outcome::Kind::Cancelled, Outcome::Command::CdImage);
    }
    // The name starts where the CD-TEXT file's would, as a cue sheet.
    QString startName = cdTextFileName(m_currentFile, m_keepAlbum);
    if (!startName.isEmpty())
        startName = startName.chopped(int(cdTextFileSuffix().size())) + messages::cdImageSuffix();
    const QString path = m_platform->saveFileName(messages::cdImageFilter(), startName,
                                                  messages::cdImageDialogTitle(), messages::cdImageSuffix());
    if (path.isEmpty())
        return Outcome::of(Outcome::Kind::Cancelled, Outcome::Command::CdImage);
    return writeCdImage(path, check, progress, cancel);
}

Outcome Session::saveCdImageTo(const QString &cuePath, const disc::ImageProgress &progress,
                               const std::atomic<bool> *cancel)
{
    Outcome refused;
    const disc::DiscCheck check = checkCdImage(refused);
    if (!check.ok()) {
        refused.file = cuePath;
        return refused;
    }
    return writeCdImage(cuePath, check, progress, cancel);
}

Outcome Session::writeCdImage(const QString &cuePath, const disc::DiscCheck &check,
                              const disc::ImageProgress &progress, const std::atomic<bool> *cancel)
{
    disc::ImageOutcome written;
    runAside([&] { written = disc::writeCdImage(cuePath, check, progress, cancel); });
    Outcome outcome;
    outcome.command = Outcome::Command::CdImage;
    outcome.file = written.files.cue;
    outcome.image = written;
    switch (written.status) {
    case disc::ImageOutcome::Status::Written:
        outcome.kind = Outcome::Kind::Done;
        break;
    case disc::ImageOutcome::Status::Cancelled:
        outcome.kind = Outcome::Kind::Cancelled;
        break;
    case disc::ImageOutcome::Status::Refused:
        outcome.kind = Outcome::Kind::Refused;
        outcome.refusal = Outcome::Refusal::DiscRefused;
        outcome.discRefusals = check.refusals;
        break;
    case disc::ImageOutcome::Status::Failed:
        outcome.kind = Outcome::Kind::Failed;
        break;
    }
    return outcome;
}

// --- edit commands ---

// Hutekisetuchui (unsuitable-character check): takes the answer to the edit type's question and,
// for "en" and "en + ja", scans every character of the three fields.
CheckResult Session::hutekisetuchui(Answer confirmation, std::optional<RejectedCharacter> &rejected)
{
    if (m_editType == EditType::Ja)
        return confirmation == Answer::No ? CheckResult::JaDeclined : CheckResult::CheckPassed;
    if (confirmation == Answer::No)
        return CheckResult::EnDeclined;
    rejected = scanForEnglish(m_album, m_artist, titles());
    return rejected ? CheckResult::CharacterRejected : CheckResult::CheckPassed;
}

Outcome Session::edit()
{
    // A missing field is told before the edit type is asked.
    const bool filled = checkInput(m_album, m_artist, titles()) == InputProblem::None;
    return editAnswered(filled ? ask(editTypeQuestion(m_editType)) : Answer::No);
}

Outcome Session::editConfirmed()
{
    return editAnswered(Answer::Yes);
}

Outcome Session::editAnswered(Answer confirmation)
{
    // 1-3: nothing changes before these pass.
    if (const InputProblem problem = checkInput(m_album, m_artist, titles()); problem != InputProblem::None) {
        Outcome refused = Outcome::refusedBy(Outcome::Command::Edit, Outcome::Refusal::InputMissing);
        refused.input = problem;
        return refused;
    }
    std::optional<RejectedCharacter> rejected;
    if (const CheckResult check = hutekisetuchui(confirmation, rejected); !editMayGoOn(check)) {
        if (check != CheckResult::CharacterRejected)
            return Outcome::refusedBy(Outcome::Command::Edit, Outcome::Refusal::EditDeclined);
        Outcome refused = Outcome::refusedBy(Outcome::Command::Edit, Outcome::Refusal::CharacterRejected);
        const QString field = rejected->field == 1 ? m_album : rejected->field == 2 ? m_artist : titles();
        const int line = lineOfPosition(field, rejected->position);
        const qsizetype lineStart =
            line == 1 ? 0 : field.lastIndexOf(CrLf, rejected->position - 1) + CrLf.size();
        const qsizetype column = field.mid(lineStart, rejected->position - lineStart).toUcs4().size() + 1;
        refused.rejected = RejectedPlace{*rejected, line, column};
        emit characterRejected(rejected->field, rejected->position, rejected->character.size());
        return refused;
    }
    // 4
    delHenshumoji();
    // 5: the replacements stay in the fields.
    setAlbum(replaceQuotes(m_album));
    setArtist(replaceQuotes(m_artist));
    setTitles(replaceQuotes(titles()));
    // 6: the plain titles; read back as the input of the conversion.
    m_snapshot.write(titles());
    // 8
    m_keepAlbum = keepName(m_album);
    m_keepArtist = keepName(m_artist);
    // 7, 9-11: the titles are set once, with the whole layout.
    const QStringList lines = m_snapshot.lines();
    if (!lines.isEmpty())
        m_lineStr = lines.constLast();
    setTitles(cdTextLayout(m_editType, m_keepAlbum, m_keepArtist, lines));
    // 12: the face tells the edit is done; a layout over a limit of the disc is told now, not
    // first when the export refuses it, and characters some players cannot show (the layout keeps them).
    Outcome done = Outcome::of(Outcome::Kind::Done, Outcome::Command::Edit);
    done.cdText = checkCdTextFile(titles());
    done.cdText.bytes.clear();
    // 13: turning the switch off runs its own handling, which returns to the pre-edit state.
    if (m_tools.switchOn())
        setTrackToolSwitch(false);
    // 14
    enterEditedState();
    return done;
}

void Session::cancel()
{
    if (m_album.isEmpty())
        setAlbum(m_keepAlbum);
    if (m_artist.isEmpty())
        setArtist(m_keepArtist);
    const QStringList lines = m_snapshot.lines();
    QString titles;
    for (const QString &line : lines)
        titles += line + CrLf;
    if (!lines.isEmpty())
        m_lineStr = lines.constLast();
    setTitles(titles);
    henshumae();
}

void Session::convertToEnglish()
{
    setEditType(EditType::En);
    henshumae();
    convertFields(englishText);
}

void Session::convertToJapanese()
{
    setEditType(EditType::Ja);
    henshumae();
    convertFields(japaneseText);
}

void Session::convertFields(QString (*convert)(const QString &))
{
    setAlbum(convert(m_album));
    setArtist(convert(m_artist));
    setTitles(convert(titles()));
}

// --- title tools ---

void Session::applyTrackToolSwitch()
{
    if (m_tools.switchOn())
        delHenshumoji();
    m_tools.reset();
    emit trackToolsChanged();
    henshumae();
}

void Session::setTrackToolSwitch(bool on)
{
    if (on == m_tools.switchOn())
        return;
    m_tools.setSwitchOn(on);
    applyTrackToolSwitch();
}

void Session::setNumberingMode(NumberingMode mode)
{
    if (mode == m_tools.numbering())
        return;
    m_tools.chooseNumbering(mode);
    emit trackToolsChanged();
}

void Session::setTrackToolMode(TrackToolMode mode)
{
    if (mode == m_tools.mode())
        return;
    m_tools.setMode(mode);
    emit trackToolsChanged();
}

void Session::setCounter(int counter)
{
    if (counter == m_tools.counter())
        return;
    m_tools.setCounter(counter);
    emit trackToolsChanged();
}

void Session::setSeparator(const QString &separator)
{
    if (separator == m_tools.separator())
        return;
    m_tools.setSeparator(separator);
    emit trackToolsChanged();
}

void Session::highlightTitle(std::optional<int> entry)
{
    const Highlight h = velnora::highlightTitle(titles(), entry);
    if (h.appendLineBreak) {
        setTitles(titles() + CrLf);
        return;
    }
    if (h.selection)
        emit titleSelected(h.selection->start, h.selection->length);
}

void Session::moveTitle(std::optional<int> entry, MoveDirection direction)
{
    const Move move = velnora::moveTitle(titles(), entry, direction);
    switch (move.kind) {
    case Move::Kind::NoChange:
        return;
    case Move::Kind::SelectOnly:
        highlightTitle(entry);
        return;
    case Move::Kind::Moved:
        setTitles(move.text);
        emit entrySelected(move.entry);
        highlightTitle(move.entry);
        return;
    }
}

void Session::deleteTrackNumbers()
{
    delHenshumoji();
    m_snapshot.write(titles());
    setTitles(velnora::deleteTrackNumbers(m_snapshot.lines(), m_tools.counter(), m_tools.numbering()));
}

void Session::attachTrackNumbers()
{
    delHenshumoji();
    m_snapshot.write(titles());
    const AttachResult result =
        velnora::attachTrackNumbers(m_snapshot.lines(), m_tools.separator(), m_tools.numbering());
    setTitles(result.text);
    setCounter(result.counter);
}

void Session::sortTitles()
{
    henshumae();
    m_snapshot.write(titles());
    delHenshumoji();
    const SortResult result = velnora::sortTitles(titles(), m_sortFlag, m_collator);
    setTitles(result.text);
    m_sortFlag = result.sortFlag;
}

// --- drops and small commands ---

Outcome Session::dropFiles(const QStringList &paths)
{
    henshumae();
    if (paths.isEmpty())
        return Outcome::of(Outcome::Kind::Done, Outcome::Command::Drop);
    if (m_fileNameDrop) {
        appendFileNames(paths);
        return Outcome::of(Outcome::Kind::Done, Outcome::Command::Drop);
    }
    return openDroppedFile(paths.constFirst());
}

void Session::appendFileNames(const QStringList &paths)
{
    QString added;
    QStringList audio;
    for (const QString &path : paths) {
        added += titleFromDroppedPath(path) + CrLf;
        if (isAudioName(path))
            audio << path;
    }
    setTitles(titles() + added);
    // The audio among them goes on the disc after the tracks it has, as the titles go after theirs.
    if (!audio.isEmpty())
        m_disc.probeLater(audio, true);
    setCurrentFile(QString());
}

Outcome Session::openDroppedFile(const QString &path)
{
    // The size is what is read, not what the file claims: /proc files say 0 and never end. A
    // folder, a file gone since the drag began, one without the right to read it, or a device or
    // pipe: the loader takes none of them, and the titles stay as they were.
    const QString before = titles();
    setTitles(QString());
    const Outcome loaded = load(Outcome::Command::Drop, path, DropSizeLimit);
    if (!loaded.done()) {
        setTitles(before);
        return loaded;
    }
    delHenshumoji();
    setCurrentFile(path);
    return loaded;
}

void Session::clearField(int field)
{
    if (field == 1)
        setAlbum(QString());
    else if (field == 2)
        setArtist(QString());
    else if (field == 3)
        setTitles(QString());
}

void Session::pasteSample()
{
    henshumae();
    const Document sample = sampleDocument();
    setAlbum(sample.album);
    setArtist(sample.artist);
    setTitles(sample.titles);
}

} // namespace velnora
