#pragma once

#include "document/Document.h"
#include "edit/CheckResult.h"
#include "edit/EditType.h"
#include "messages/Box.h"
#include "messages/Question.h"
#include "session/DiscTracks.h"
#include "session/Outcome.h"
#include "session/Snapshot.h"
#include "session/TrackTools.h"
#include "titles/TitleList.h"

#include <QCollator>
#include <QObject>
#include <functional>
#include <optional>

namespace velnora
{

class CorePlatform;

// The document and every command on it. The windows show its state and call its commands; it
// asks the user through CorePlatform and knows no window, so it runs the same under a test. Each
// command that can go otherwise than done returns what happened; the face words it.
class Session : public QObject
{
    Q_OBJECT

public:
    explicit Session(CorePlatform &platform, QObject *parent = nullptr);
    // Without a platform: only the commands that take a path and ask nothing (openFile,
    // editConfirmed, saveTo, exportCdTextFileTo and those that never ask).
    explicit Session(QObject *parent = nullptr);

    // The document. The title text separates lines by CR LF; setTitles() takes CR LF, a lone CR and
    // a lone LF alike as a line break.
    QString album() const { return m_album; }
    QString artist() const { return m_artist; }
    QString titles() const;
    Document document() const { return {m_album, m_artist, titles()}; }
    void setAlbum(const QString &text);
    void setArtist(const QString &text);
    void setTitles(const QString &text);
    // Typing in the title box: the box gives its line count at once and its text only when titles()
    // is next read, so a keystroke in a long list costs no pass over the whole text.
    void titlesTyped(int lineCount, std::function<QString()> readText);
    // The title box's lines: none for an empty text, otherwise one more than its line breaks.
    int lineCount() const { return m_lineCount; }
    // Whether the line-number column and the move buttons may show for so many lines.
    bool lineColumnFits() const { return listHihyoji(lineCount()); }

    EditType editType() const { return m_editType; }
    void setEditType(EditType type);

    // The edited state: after a successful edit, until anything returns to the pre-edit state.
    bool isEdited() const { return m_edited; }
    // "保存" and the two save menu commands; the exit question may enable them on their own.
    bool saveEnabled() const { return m_saveEnabled; }
    // The file the document came from or was saved to, as the real path; empty without one.
    QString currentFile() const { return m_currentFile; }
    // The name the next file dialog of either kind starts from.
    QString lastFileName() const { return m_lastFileName; }

    // Window-level variables that outlive one command.
    QString keepAlbum() const { return m_keepAlbum; }
    QString keepArtist() const { return m_keepArtist; }
    QString lineStr() const { return m_lineStr; }
    bool sortFlag() const { return m_sortFlag; }
    bool saveAsFlag() const { return m_saveAsFlag; }
    bool overwriteFlag() const { return m_overwriteFlag; }
    const Snapshot &snapshot() const { return m_snapshot; }
    Snapshot &snapshot() { return m_snapshot; }

    // The track-number group.
    // The disc's tracks: the audio file of each track.
    const DiscTracks &disc() const { return m_disc; }
    DiscTracks &disc() { return m_disc; }

    const TrackTools &trackTools() const { return m_tools; }
    void setTrackToolSwitch(bool on);
    void setNumberingMode(NumberingMode mode);
    void setTrackToolMode(TrackToolMode mode);
    void setCounter(int counter);
    void setSeparator(const QString &separator);

    // "ドロップしてファイル名を利用": dropped files add their names as titles instead of opening.
    bool fileNameDrop() const { return m_fileNameDrop; }
    void setFileNameDrop(bool on) { m_fileNameDrop = on; }

    // Start-up steps 1 to 7 and 9. Refused OtherInstance when another instance runs: the caller
    // ends the process. Otherwise done, or what became of the file the command line named.
    Outcome startUp();
    // Removes temp.dat when the program ends.
    void end();

    // The file commands.
    void clearDocument();                  // "クリア"
    Outcome newDocument();                 // 新規: cancelled when the clearing is not confirmed
    Outcome openDocument();                // 開く: asks, then openFile with the name chosen
    Outcome openFile(const QString &path); // opens path in place of the document, asking nothing
    // "音声ファイルから曲名を取り込む": asks for audio files, then importAudioTitles.
    Outcome importAudio();
    // The files in album order give the titles, and the album and artist where those boxes are
    // empty; they become the disc's tracks. Back to the pre-edit state, the old titles kept for
    // "取消". A file whose tags cannot be read is left out and named.
    Outcome importAudioTitles(const QStringList &paths);
    Outcome save();                      // "保存" and, with their flag raised, the two save menu commands
    Outcome saveOverwrite();             // 上書き保存
    Outcome saveAs();                    // 名前を付けて保存
    Outcome saveTo(const QString &path); // writes the titles to path, which becomes the current file
    void askSaveCommands();              // the question on releasing a mouse button over "終了"
    // "CD-TEXTファイルに書き出し": the layout as a binary CD-TEXT file, under a name asked for; a
    // layout that cannot be CD-TEXT is refused before a name is asked.
    Outcome exportCdTextFile();
    Outcome exportCdTextFileTo(const QString &path);
    // "CDイメージ保存...": the layout and the disc's tracks as NAME.cue, NAME.bin and NAME.cdt. A disc
    // that cannot be written is refused before a name is asked; one over 74 minutes is asked about.
    // The writing runs on a thread of its own while this thread's events go on (progress is called
    // there, cancel is looked at there); the command returns when it is over.
    Outcome saveCdImage(const disc::ImageProgress &progress = {}, const std::atomic<bool> *cancel = nullptr);
    // The layout and the disc's tracks checked for an image or a burn; refused gets the refusal to
    // show when the check has any.
    disc::DiscCheck checkCdImage(Outcome &refused) const;
    // "CDイメージ保存..." for a name already chosen, asking nothing.
    Outcome saveCdImageTo(const QString &cuePath, const disc::ImageProgress &progress = {},
                          const std::atomic<bool> *cancel = nullptr);

    // The edit commands.
    Outcome edit();           // "編集": asks for the edit type, then editConfirmed
    Outcome editConfirmed();  // "編集" with the edit type confirmed
    void cancel();            // "取消"
    void convertToEnglish();  // double click on "en"
    void convertToJapanese(); // double click on "ja"
    // Henshumae (before the edit): returns to the pre-edit state.
    void henshumae();
    // The edited state after a successful edit: the fields hidden, the save commands enabled.
    void enterEditedState();
    // The save commands alone, as the exit question sets them.
    void setSaveCommandsEnabled(bool enabled);
    // Names the document's file without reading it.
    void setCurrentFile(const QString &path);

    // The title tools.
    void highlightTitle(std::optional<int> entry); // a click on the entry of the line-number column
    void moveTitle(std::optional<int> entry, MoveDirection direction); // "▲" / "▼"
    void deleteTrackNumbers();                                         // "削除"
    void attachTrackNumbers();                                         // "添付"
    void sortTitles();                                                 // "ソート"

    // Every drop begins here: back to the pre-edit state, then the files, if any, opened or (in
    // file-name mode) added as titles. Dropped text is put in by the box that took it.
    Outcome dropFiles(const QStringList &paths);

    void clearField(int field); // a double click on a field's label: 1 album, 2 artist, 3 titles
    void pasteSample();         // "サンプル貼付"

    // Adds a text file's lines to the document (a disc line also fills the names), reading at most
    // cap + 1 bytes of it. Nothing changes unless it is Loaded.
    enum class LoadResult { Loaded, TooLarge, Failed };
    LoadResult loadFile(const QString &path, qint64 cap);

signals:
    void albumChanged(const QString &text);
    void artistChanged(const QString &text);
    // The title text or its line count changed; titles() gives the text.
    void titlesChanged();
    void editTypeChanged(EditType type);
    // The edited state, the save commands or the current file changed.
    void stateChanged();
    void trackToolsChanged();
    // Select text of a field (1 album, 2 artist, 3 titles), in positions of its CR LF text. A
    // rejected character is shown only where the field can show it; a title always.
    void titleSelected(qsizetype start, qsizetype length);
    void characterRejected(int field, qsizetype start, qsizetype length);
    void entrySelected(int entry);

private:
    Outcome openDroppedFile(const QString &path);
    Outcome openCueSheet(const QString &path);
    // The question before clearing: none when nothing is filled.
    std::optional<Answer> textAri();
    Answer ask(Question question);
    Outcome load(Outcome::Command command, const QString &path, qint64 cap);
    Outcome exportChecked(const QString &path, const CdTextFileOutcome &check);
    Outcome writeCdImage(const QString &cuePath, const disc::DiscCheck &check,
                         const disc::ImageProgress &progress, const std::atomic<bool> *cancel);
    void appendFileNames(const QStringList &paths);
    void delHenshumoji();
    void applyTrackToolSwitch();
    Outcome editAnswered(Answer confirmation);
    CheckResult hutekisetuchui(Answer confirmation, std::optional<RejectedCharacter> &rejected);
    void convertFields(QString (*convert)(const QString &));
    Outcome saveWithDialog();
    Outcome writeDocument(const QString &path);
    void setState(bool edited, bool saveEnabled);

    CorePlatform *m_platform = nullptr;
    QString m_album;
    QString m_artist;
    // The text as last read; a pending read from the box replaces it on the next titles().
    mutable QString m_titles;
    mutable std::function<QString()> m_typedTitles;
    int m_lineCount = 0;
    EditType m_editType = EditType::Ja;
    bool m_edited = false;
    bool m_saveEnabled = false;
    QString m_currentFile;
    QString m_lastFileName;
    QString m_keepAlbum;
    QString m_keepArtist;
    QString m_lineStr;
    bool m_sortFlag = true;
    bool m_saveAsFlag = false;
    bool m_overwriteFlag = false;
    bool m_fileNameDrop = false;
    Snapshot m_snapshot;
    TrackTools m_tools;
    DiscTracks m_disc;
    QCollator m_collator;
};

} // namespace velnora
