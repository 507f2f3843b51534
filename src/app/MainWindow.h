#pragma once

#include "app/logic/Document.h"
#include "edit/EditType.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace velnora
{

class Platform;
class LineNumberModel;
class EditController;
class FileController;
class DropController;
class TitleToolsController;
class MenuController;

// Window-level variables that outlive one command.
struct WindowState {
    QString TempPath;
    QString LineStr;
    QString KeepAlbum;
    QString KeepArtist;
    bool SaveAsFlag = false;
    bool OverwriteFlag = false;
    bool SortFlag = true;
};

// Form1: owns the document (the three boxes), the window-level state, the snapshot file and the
// layout. The commands live in the controllers, which wire controls to the logic library.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up steps 1 to 9. False when another instance runs: the caller ends the process.
    bool startUp();

    Platform &platform() { return m_platform; }
    WindowState &state() { return m_state; }

    // The document. titles() joins the title box's paragraphs with CR LF; setTitles() takes CR LF,
    // a lone CR or a lone LF alike as a line break.
    QString album() const;
    QString artist() const;
    QString titles() const;
    void setAlbum(const QString &text);
    void setArtist(const QString &text);
    void setTitles(const QString &text);
    Document document() const { return {album(), artist(), titles()}; }

    // Controls, by their family index as the program names them (Text1(3) is text1(3)).
    QLineEdit *albumBox() const { return m_albumBox; }
    QLineEdit *artistBox() const { return m_artistBox; }
    QPlainTextEdit *titleBox() const { return m_titleBox; }
    QWidget *text1(int i) const;
    QLabel *label1(int i) const { return m_label1[i]; }
    QPushButton *command(int n) const { return m_command[n]; }   // Command1 .. Command8
    QPushButton *command9(int i) const { return m_command9[i]; } // "▲" 1, "▼" 2
    QRadioButton *option(int n) const { return m_option[n]; }    // Option1 .. Option7
    QCheckBox *check1() const { return m_check1; }
    QCheckBox *check2() const { return m_check2; }
    QScrollBar *vscroll1() const { return m_vscroll1; }
    QLabel *label2() const { return m_label2; }
    QComboBox *combo1() const { return m_combo1; }
    QListView *list1() const { return m_list1; }
    QGroupBox *frame(int n) const { return m_frame[n]; } // Frame1 .. Frame4
    QAction *action(const QString &name) const { return m_actions.value(name); }

    EditType editType() const;
    int listEntries() const;
    bool isEdited() const; // the "保存" button is enabled

    // KeepFile: replaces the program's own file with the text in cp932, never through a link;
    // every failure is silent. Returns whether it worked, for callers that may say so.
    bool keepFile(const QString &path, const QString &text);
    // The snapshot: written to temp.dat and kept in memory, so a folder that cannot be written
    // never costs the user the titles.
    void writeSnapshot(const QString &text);
    // The snapshot's lines by the file line rule; from memory when temp.dat cannot be read back
    // as it was written (gone, replaced by a link, a pipe or a longer file).
    QStringList snapshotLines();
    // Loads a text file's lines into the document, reading at most cap + 1 bytes of it. Nothing
    // changes unless it is Loaded.
    enum class LoadResult { Loaded, TooLarge, Failed };
    LoadResult loadFile(const QString &path, qint64 cap);

    void henshumae();        // return to the pre-edit state
    void enterEditedState(); // the edited state after a successful edit
    void delHenshumoji();    // remove the edit marks from the title box
    void setSaveCommandsEnabled(bool enabled);
    // "VELNORA - " + path. The path is kept as given: a name that is not UTF-8 shows only
    // approximately in the title but is written back to exactly.
    void setFileTitle(const QString &path);
    QString currentFile() const; // empty without a file

    void applyLayoutRule();
    void rebuildLineNumbers();
    void setOuterSizeTwips(int width, int height);
    int outerWidthTwips() const;
    int outerHeightTwips() const;
    int px(int twips) const;
    int twips(int pixels) const;

    // The jacket window while it is open.
    QWidget *jacketWindow() const { return m_jacketWindow; }
    void openJacketWindow();

    TitleToolsController *titleTools() const { return m_titleTools; }

signals:
    void titlesChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void setTabOrder();
    void place(QWidget *w, int left, int top, int width, int height);
    void onDocumentChanged();

    Platform &m_platform;
    WindowState m_state;
    QString m_currentFile; // valid while the title shows it
    QString m_snapshot;
    qint64 m_snapshotBytes = 0; // what temp.dat holds when it is the program's own
    bool m_inLayout = false;

    QLineEdit *m_albumBox = nullptr;
    QLineEdit *m_artistBox = nullptr;
    QPlainTextEdit *m_titleBox = nullptr;
    QLabel *m_label1[4] = {};
    QLabel *m_label2 = nullptr;
    QPushButton *m_command[10] = {};
    QPushButton *m_command9[3] = {};
    QRadioButton *m_option[8] = {};
    QCheckBox *m_check1 = nullptr;
    QCheckBox *m_check2 = nullptr;
    QScrollBar *m_vscroll1 = nullptr;
    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    QComboBox *m_combo3 = nullptr;
    QListView *m_list1 = nullptr;
    LineNumberModel *m_lineNumbers = nullptr;
    QGroupBox *m_frame[5] = {};
    QHash<QString, QAction *> m_actions;
    QPointer<QWidget> m_jacketWindow;

    EditController *m_edit = nullptr;
    FileController *m_files = nullptr;
    DropController *m_drops = nullptr;
    TitleToolsController *m_titleTools = nullptr;
    MenuController *m_menu = nullptr;
};

} // namespace velnora
