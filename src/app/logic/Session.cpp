#include "app/logic/Session.h"

#include "app/logic/CdTextFile.h"
#include "app/logic/DroppedName.h"
#include "app/logic/FileAccess.h"
#include "app/logic/SampleDocument.h"
#include "app/logic/TextSave.h"
#include "edit/CdTextLayout.h"
#include "edit/CharacterCheck.h"
#include "edit/EditMarks.h"
#include "edit/InputCheck.h"
#include "platform/CorePlatform.h"
#include "text/Lines.h"
#include "text/TextFile.h"
#include "titles/SortTitles.h"

#include <utility>

namespace velnora
{

namespace
{

constexpr qint64 DropSizeLimit = 100000;
const QString CrLf = QStringLiteral("\r\n");

QString openFilter()
{
    return QStringLiteral("テキストファイル(*.txt);;すべてのファイル(*.*)");
}

QString saveFilter()
{
    return QStringLiteral("テキストファイル(*.txt)");
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
    : QObject(parent), m_platform(platform), m_collator(titleCollator())
{
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

bool Session::startUp()
{
    // 1. One running instance owns temp.dat.
    if (!m_platform.acquireSingleInstance()) {
        m_platform.messageBox(QStringLiteral("２重起動防止！"), programName(), CorePlatform::Icon::None,
                              CorePlatform::Buttons::Ok);
        return false;
    }
    // 2, 3.
    m_lineStr.clear();
    m_snapshot.place(m_platform.snapshotFolders(), titles());
    // 4, 5: the group's start configuration; 6: the save commands go with the pre-edit state.
    applyTrackToolSwitch();
    // 7.
    m_sortFlag = true;
    // 9. The title names the file even when it cannot be read.
    const QString commandLine = m_platform.commandLine();
    if (!commandLine.isEmpty()) {
        const QString path = commandLinePath(commandLine);
        setCurrentFile(path);
        const LoadResult loaded = loadFile(path, OpenSizeCap);
        if (loaded != LoadResult::Loaded) {
            const QString reason = loaded == LoadResult::TooLarge
                                       ? overCapReason()
                                       : QStringLiteral("ファイルでない可能性があります。");
            m_platform.messageBox(QStringLiteral("開けません！\r\n") + reason, programName(),
                                  CorePlatform::Icon::None, CorePlatform::Buttons::Ok);
            return true;
        }
        delHenshumoji();
    }
    return true;
}

void Session::end()
{
    if (!m_snapshot.path().isEmpty())
        m_platform.removeFile(m_snapshot.path());
}

Session::LoadResult Session::loadFile(const QString &path, qint64 cap)
{
    // Only regular files: a folder has no lines and a device or pipe never ends.
    const FileRead read = readFileBounded(path, cap, Links::Follow);
    if (read.tooLarge)
        return LoadResult::TooLarge;
    if (!read.ok())
        return LoadResult::Failed;
    Document doc = document();
    loadLines(doc, readLines(decodeFileBytes(read.bytes)));
    setAlbum(doc.album);
    setArtist(doc.artist);
    setTitles(doc.titles);
    return LoadResult::Loaded;
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
    const int answer = m_platform.messageBox(QStringLiteral("保存ボタンを有効にしますか？"), programName(),
                                             CorePlatform::Icon::None, CorePlatform::Buttons::YesNo);
    setSaveCommandsEnabled(answer == CorePlatform::Yes);
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

int Session::textAri()
{
    if (m_album.isEmpty() && m_artist.isEmpty() && titles().isEmpty())
        return 0;
    return m_platform.messageBox(QStringLiteral("記入済みのデータはクリアされますがよいですか？"),
                                 QStringLiteral("データクリアOK？"), CorePlatform::Icon::Exclamation,
                                 CorePlatform::Buttons::OkCancel);
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

void Session::newDocument()
{
    if (textAri() != CorePlatform::Ok)
        return;
    clearDocument();
}

void Session::openDocument()
{
    const int answer = textAri();
    if (answer != 0 && answer != CorePlatform::Ok)
        return;
    const QString path = m_platform.openFileName(openFilter(), m_lastFileName);
    // A cancelled dialog leaves the document as it was.
    if (path.isEmpty())
        return;
    m_lastFileName = path;
    clearDocument();
    // A file that cannot be read ends the command silently; one over the cap is said, since it is
    // there and readable.
    const LoadResult loaded = loadFile(path, OpenSizeCap);
    if (loaded == LoadResult::TooLarge)
        m_platform.messageBox(QStringLiteral("開けません！\r\n") + overCapReason(), programName(),
                              CorePlatform::Icon::None, CorePlatform::Buttons::Ok);
    if (loaded != LoadResult::Loaded)
        return;
    delHenshumoji();
    henshumae();
    setCurrentFile(path);
}

void Session::save()
{
    if (m_currentFile.isEmpty() || m_saveAsFlag) {
        saveWithDialog();
        return;
    }
    if (m_overwriteFlag) {
        writeDocument(m_currentFile);
        return;
    }
    const int answer =
        m_platform.messageBox(QStringLiteral("上書き保存をしますか？"), QStringLiteral("上書き保存"),
                              CorePlatform::Icon::Exclamation, CorePlatform::Buttons::YesNo);
    if (answer == CorePlatform::Yes)
        writeDocument(m_currentFile);
    else
        saveWithDialog();
}

void Session::saveOverwrite()
{
    FlagRaiser raised(m_overwriteFlag);
    save();
}

void Session::saveAs()
{
    FlagRaiser raised(m_saveAsFlag);
    save();
}

void Session::saveWithDialog()
{
    // No title and no suffix: the dialog as the document's own save has always shown it.
    const QString path = m_platform.saveFileName(saveFilter(), m_lastFileName, QString(), QString());
    // A cancelled dialog writes nothing and keeps the current file.
    if (path.isEmpty())
        return;
    m_lastFileName = path;
    if (writeDocument(path))
        setCurrentFile(path);
}

bool Session::writeDocument(const QString &path)
{
    const SaveOutcome outcome = saveTextFile(path, titles());
    if (outcome.ok())
        return true;
    m_platform.messageBox(saveErrorMessage(path, outcome), saveErrorTitle(), CorePlatform::Icon::Stop,
                          CorePlatform::Buttons::Ok);
    return false;
}

bool Session::exportCdTextFile()
{
    const CdTextFileOutcome check = checkCdTextFile(titles());
    if (!check.ok()) {
        m_platform.messageBox(check.text, check.title, CorePlatform::Icon::Stop, CorePlatform::Buttons::Ok);
        return false;
    }
    // The bytes are valid: whether such texts go on the disc is the user's choice, made before a name.
    if (!check.warning.isEmpty() &&
        m_platform.messageBox(nonJisExportQuestion(check.warning), nonJisWarningTitle(),
                              CorePlatform::Icon::Exclamation,
                              CorePlatform::Buttons::OkCancel) != CorePlatform::Ok)
        return false;
    const QString path =
        m_platform.saveFileName(cdTextFileFilter(), cdTextFileName(m_currentFile, m_keepAlbum),
                                cdTextFileDialogTitle(), cdTextFileSuffix());
    // A cancelled dialog writes nothing.
    if (path.isEmpty())
        return false;
    const CdTextFileOutcome outcome = writeCdTextFile(path, check);
    m_platform.messageBox(outcome.text, outcome.title,
                          outcome.ok() ? CorePlatform::Icon::Information : CorePlatform::Icon::Stop,
                          CorePlatform::Buttons::Ok);
    return outcome.ok();
}

// --- edit commands ---

bool Session::inputMissing()
{
    const InputProblem problem = checkInput(m_album, m_artist, titles());
    if (problem == InputProblem::None)
        return false;
    m_platform.messageBox(inputProblemText(problem), inputProblemTitle(problem), CorePlatform::Icon::Stop,
                          CorePlatform::Buttons::Ok);
    return true;
}

// Hutekisetuchui (unsuitable-character check): confirms the edit type and, for "en" and
// "en + ja", scans every character of the three fields.
CheckResult Session::hutekisetuchui()
{
    const int answer = m_platform.messageBox(confirmationText(m_editType), confirmationTitle(),
                                             CorePlatform::Icon::Question, CorePlatform::Buttons::YesNo);
    if (m_editType == EditType::Ja)
        return answer == CorePlatform::No ? CheckResult::JaDeclined : CheckResult::CheckPassed;
    if (answer == CorePlatform::No)
        return CheckResult::EnDeclined;
    const auto rejected = scanForEnglish(m_album, m_artist, titles());
    if (!rejected)
        return CheckResult::CheckPassed;
    m_platform.messageBox(rejectionText(rejected->character), rejectionTitle(), CorePlatform::Icon::Stop,
                          CorePlatform::Buttons::Ok);
    emit characterRejected(rejected->field, rejected->position, rejected->character.size());
    return CheckResult::CharacterRejected;
}

void Session::edit()
{
    // 1-3: nothing changes before these pass.
    if (inputMissing())
        return;
    if (!editMayGoOn(hutekisetuchui()))
        return;
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
    // 12
    m_platform.messageBox(QStringLiteral("編集処理は完了しました。\r\n保存ボタンを押してください"),
                          QStringLiteral("編集完了"), CorePlatform::Icon::Information,
                          CorePlatform::Buttons::Ok);
    // A layout over a limit of the disc is told now, not first when the export refuses it.
    const EditWarnings warnings = editWarnings(titles());
    if (!warnings.capacity.isEmpty())
        m_platform.messageBox(warnings.capacity, capacityWarningTitle(), CorePlatform::Icon::Exclamation,
                              CorePlatform::Buttons::Ok);
    // Characters some players cannot show are told too; the layout keeps them.
    if (!warnings.nonJis.isEmpty())
        m_platform.messageBox(warnings.nonJis, nonJisWarningTitle(), CorePlatform::Icon::Exclamation,
                              CorePlatform::Buttons::Ok);
    // 13: turning the switch off runs its own handling, which returns to the pre-edit state.
    if (m_tools.switchOn())
        setTrackToolSwitch(false);
    // 14
    enterEditedState();
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

void Session::dropFiles(const QStringList &paths)
{
    henshumae();
    if (paths.isEmpty())
        return;
    if (m_fileNameDrop)
        appendFileNames(paths);
    else
        openDroppedFile(paths.constFirst());
}

void Session::appendFileNames(const QStringList &paths)
{
    QString added;
    for (const QString &path : paths)
        added += titleFromDroppedPath(path) + CrLf;
    setTitles(titles() + added);
    setCurrentFile(QString());
}

void Session::openDroppedFile(const QString &path)
{
    // The size is what is read, not what the file claims: /proc files say 0 and never end. A
    // folder, a file gone since the drag began, one without the right to read it, or a device or
    // pipe: the loader takes none of them, and the titles stay as they were.
    const QString before = titles();
    setTitles(QString());
    const LoadResult loaded = loadFile(path, DropSizeLimit);
    if (loaded != LoadResult::Loaded) {
        setTitles(before);
        m_platform.messageBox(loaded == LoadResult::TooLarge ? QStringLiteral("100KBを超えています！")
                                                             : QStringLiteral("開けません！"),
                              programName(), CorePlatform::Icon::None, CorePlatform::Buttons::Ok);
        return;
    }
    delHenshumoji();
    setCurrentFile(path);
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
