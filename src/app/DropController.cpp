#include "app/DropController.h"

#include "app/logic/DropContents.h"
#include "app/logic/OutcomeBoxes.h"
#include "app/logic/Session.h"
#include "text/Lines.h"

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

DropController::DropController(QWidget *form, Session &session, CorePlatform &platform)
    : QObject(form), m_session(session), m_platform(platform),
      m_albumBox(form->findChild<QLineEdit *>(QStringLiteral("Text1(1)"))),
      m_artistBox(form->findChild<QLineEdit *>(QStringLiteral("Text1(2)"))),
      m_titleBox(form->findChild<QPlainTextEdit *>(QStringLiteral("Text1(3)"))),
      m_titleViewport(m_titleBox->viewport())
{
    m_albumBox->installEventFilter(this);
    m_artistBox->installEventFilter(this);
    m_titleBox->setAcceptDrops(true);
    m_titleBox->viewport()->installEventFilter(this);
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
    showOutcome(m_platform, m_session.dropFiles(contents.files));
    if (!contents.text.isEmpty())
        insertText(index, contents.text);
}

void DropController::insertText(int index, const QString &text)
{
    if (index == 3) {
        // The box's own line breaks are paragraphs; a CR LF must not become two of them.
        QTextCursor cursor = m_titleBox->textCursor();
        cursor.insertText(withLineFeeds(text));
        m_titleBox->setTextCursor(cursor);
        return;
    }
    // Text from Linux programs ends its lines with LF where Windows programs use CR LF; given
    // CR LF, "編集" removes the break from the name instead of splitting the disc line.
    (index == 1 ? m_albumBox : m_artistBox)->insert(withCrLf(text));
}

} // namespace velnora
