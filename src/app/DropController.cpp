#include "app/DropController.h"

#include "app/MainWindow.h"
#include "app/logic/DropContents.h"
#include "app/logic/DroppedName.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QUrl>

namespace velnora
{

namespace
{

constexpr qint64 DropSizeLimit = 100000;

DropContents contentsOf(const QMimeData &data)
{
    return dropContents(data.hasUrls() ? data.urls() : QList<QUrl>(),
                        data.hasText() ? data.text() : QString());
}

bool acceptable(const QMimeData *data)
{
    return data && (data->hasUrls() || data->hasText()) && !contentsOf(*data).ignored;
}

} // namespace

DropController::DropController(MainWindow *window)
    : QObject(window), m_window(window), m_albumBox(window->albumBox()), m_artistBox(window->artistBox()),
      m_titleViewport(window->titleBox()->viewport())
{
    m_window->albumBox()->installEventFilter(this);
    m_window->artistBox()->installEventFilter(this);
    m_window->titleBox()->setAcceptDrops(true);
    m_window->titleBox()->viewport()->installEventFilter(this);
}

int DropController::boxIndex(QObject *watched) const
{
    if (watched == m_albumBox)
        return 1;
    if (watched == m_artistBox)
        return 2;
    if (watched == m_titleViewport)
        return 3;
    return 0;
}

bool DropController::eventFilter(QObject *watched, QEvent *event)
{
    const int index = boxIndex(watched);
    if (index == 0)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // Handled here so that the box's own handling does not move the caret to the mouse.
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (acceptable(drag->mimeData())) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::DragLeave:
        return true;
    case QEvent::Drop: {
        auto *dropEvent = static_cast<QDropEvent *>(event);
        if (!acceptable(dropEvent->mimeData())) {
            dropEvent->ignore();
            return true;
        }
        dropEvent->setDropAction(Qt::CopyAction);
        dropEvent->accept();
        drop(index, *dropEvent->mimeData());
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

void DropController::drop(int index, const QMimeData &data)
{
    const DropContents contents = contentsOf(data);
    if (contents.ignored)
        return;
    m_window->henshumae();
    if (!contents.files.isEmpty()) {
        if (m_window->check2()->isChecked())
            appendFileNames(contents.files);
        else
            openDroppedFile(contents.files.constFirst());
    }
    if (!contents.text.isEmpty())
        insertText(index, contents.text);
}

void DropController::appendFileNames(const QStringList &paths)
{
    QString added;
    for (const QString &path : paths)
        added += titleFromDroppedPath(path) + QStringLiteral("\r\n");
    m_window->setTitles(m_window->titles() + added);
    m_window->setWindowTitle(QStringLiteral("VELNORA"));
}

void DropController::openDroppedFile(const QString &path)
{
    Platform &platform = m_window->platform();
    // The size is what is read, not what the file claims: /proc files say 0 and never end. A
    // folder, a file gone since the drag began, one without the right to read it, or a device or
    // pipe: the loader takes none of them, and the titles stay as they were.
    const QString before = m_window->titles();
    m_window->setTitles(QString());
    const MainWindow::LoadResult loaded = m_window->loadFile(path, DropSizeLimit);
    if (loaded != MainWindow::LoadResult::Loaded) {
        m_window->setTitles(before);
        platform.messageBox(m_window,
                            loaded == MainWindow::LoadResult::TooLarge
                                ? QStringLiteral("100KBを超えています！")
                                : QStringLiteral("開けません！"),
                            QStringLiteral("VELNORA"), Platform::Icon::None, Platform::Buttons::Ok);
        return;
    }
    m_window->delHenshumoji();
    m_window->setFileTitle(path);
}

void DropController::insertText(int index, const QString &text)
{
    if (index == 3) {
        // The box's own line breaks are paragraphs; a CR LF must not become two of them.
        QString plain = text;
        plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QTextCursor cursor = m_window->titleBox()->textCursor();
        cursor.insertText(plain);
        m_window->titleBox()->setTextCursor(cursor);
        return;
    }
    // Text from Linux programs ends its lines with LF where Windows programs use CR LF; given
    // CR LF, "編集" removes the break from the name instead of splitting the disc line.
    QString windowsBreaks = text;
    windowsBreaks.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    windowsBreaks.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    static_cast<QLineEdit *>(m_window->text1(index))->insert(windowsBreaks);
}

} // namespace velnora
