#include "app/FileController.h"

#include "app/MainWindow.h"
#include "app/logic/FileAccess.h"
#include "app/logic/TextSave.h"
#include "platform/Platform.h"

#include <QAction>
#include <QEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace velnora
{

namespace
{

const QString ProgramTitle = QStringLiteral("VELNORA");

QString openFilter()
{
    return QStringLiteral("テキストファイル(*.txt);;すべてのファイル(*.*)");
}

QString saveFilter()
{
    return QStringLiteral("テキストファイル(*.txt)");
}

// Raises a window-level flag for the duration of one command, even if it returns early.
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

FileController::FileController(MainWindow *window) : QObject(window), m_window(window)
{
    connect(m_window->command(3), &QPushButton::clicked, this, &FileController::clearDocument);
    connect(m_window->command(4), &QPushButton::clicked, this, &FileController::save);
    connect(m_window->command(5), &QPushButton::clicked, this, &FileController::exit);
    m_window->command(5)->installEventFilter(this);

    connect(m_window->action(QStringLiteral("新規")), &QAction::triggered, this,
            &FileController::newDocument);
    connect(m_window->action(QStringLiteral("開く")), &QAction::triggered, this,
            &FileController::openDocument);
    connect(m_window->action(QStringLiteral("上書き保存")), &QAction::triggered, this,
            &FileController::saveOverwrite);
    connect(m_window->action(QStringLiteral("名前を付けて保存")), &QAction::triggered, this,
            &FileController::saveAs);
}

int FileController::textAri()
{
    if (m_window->album().isEmpty() && m_window->artist().isEmpty() && m_window->titles().isEmpty())
        return 0;
    return m_window->platform().messageBox(
        m_window, QStringLiteral("記入済みのデータはクリアされますがよいですか？"),
        QStringLiteral("データクリアOK？"), Platform::Icon::Exclamation, Platform::Buttons::OkCancel);
}

void FileController::clearDocument()
{
    WindowState &state = m_window->state();
    state.KeepAlbum = m_window->album();
    state.KeepArtist = m_window->artist();
    m_window->writeSnapshot(m_window->titles());
    m_window->setAlbum(QString());
    m_window->setArtist(QString());
    m_window->setTitles(QString());
    m_window->henshumae();
}

void FileController::newDocument()
{
    if (textAri() != Platform::Ok)
        return;
    clearDocument();
    m_window->setWindowTitle(ProgramTitle);
}

void FileController::openDocument()
{
    const int answer = textAri();
    if (answer != 0 && answer != Platform::Ok)
        return;
    const QString path = m_window->platform().openFileName(m_window, openFilter(), m_lastFileName);
    // A cancelled dialog leaves the document as it was.
    if (path.isEmpty())
        return;
    m_lastFileName = path;
    clearDocument();
    // Only a regular file: a device or pipe would be read without end. A file that cannot be read
    // ends the command silently; one over the cap is said, since it is there and readable.
    const MainWindow::LoadResult loaded = m_window->loadFile(path, OpenSizeCap);
    if (loaded == MainWindow::LoadResult::TooLarge)
        m_window->platform().messageBox(m_window, QStringLiteral("開けません！\r\n") + overCapReason(),
                                        ProgramTitle, Platform::Icon::None, Platform::Buttons::Ok);
    if (loaded != MainWindow::LoadResult::Loaded)
        return;
    m_window->delHenshumoji();
    m_window->henshumae();
    m_window->setFileTitle(path);
}

void FileController::save()
{
    const WindowState &state = m_window->state();
    if (m_window->windowTitle() == ProgramTitle || state.SaveAsFlag) {
        saveWithDialog();
        return;
    }
    if (state.OverwriteFlag) {
        writeDocument(m_window->currentFile());
        return;
    }
    const int answer = m_window->platform().messageBox(m_window, QStringLiteral("上書き保存をしますか？"),
                                                       QStringLiteral("上書き保存"),
                                                       Platform::Icon::Exclamation, Platform::Buttons::YesNo);
    if (answer == Platform::Yes)
        writeDocument(m_window->currentFile());
    else
        saveWithDialog();
}

void FileController::saveOverwrite()
{
    FlagRaiser raised(m_window->state().OverwriteFlag);
    save();
}

void FileController::saveAs()
{
    FlagRaiser raised(m_window->state().SaveAsFlag);
    save();
}

void FileController::saveWithDialog()
{
    const QString path = m_window->platform().saveFileName(m_window, saveFilter(), m_lastFileName);
    // A cancelled dialog writes nothing and keeps the title.
    if (path.isEmpty())
        return;
    m_lastFileName = path;
    if (writeDocument(path))
        m_window->setFileTitle(path);
}

bool FileController::writeDocument(const QString &path)
{
    const SaveOutcome outcome = saveTextFile(path, m_window->titles());
    if (outcome.ok())
        return true;
    m_window->platform().messageBox(m_window, saveErrorMessage(path, outcome), saveErrorTitle(),
                                    Platform::Icon::Stop, Platform::Buttons::Ok);
    return false;
}

void FileController::askSaveCommands()
{
    const int answer =
        m_window->platform().messageBox(m_window, QStringLiteral("保存ボタンを有効にしますか？"),
                                        ProgramTitle, Platform::Icon::None, Platform::Buttons::YesNo);
    m_window->setSaveCommandsEnabled(answer == Platform::Yes);
}

void FileController::exit()
{
    if (QWidget *jacket = m_window->jacketWindow())
        jacket->close();
    m_window->close();
}

bool FileController::eventFilter(QObject *watched, QEvent *event)
{
    // Qt sends a release to the widget the button was pressed on, wherever it is released. The type
    // is tested first: other events still arrive while the window is destroyed and cannot be asked.
    if (event->type() != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    QPushButton *exitButton = m_window->command(5);
    if (watched == exitButton) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const bool clicks = mouse->button() == Qt::LeftButton && exitButton->isDown() &&
                            exitButton->rect().contains(mouse->position().toPoint());
        askSaveCommands();
        // Whether the button still sees its click after a modal box depends on the window
        // system; the click is made here so that a left click always closes after the question.
        if (clicks) {
            exitButton->setDown(false);
            exit();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velnora
