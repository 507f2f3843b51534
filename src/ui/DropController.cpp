#include "ui/DropController.h"

#include "document/DropContents.h"
#include "session/Session.h"
#include "text/Lines.h"
#include "wording/OutcomeBoxes.h"

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

// What a drag brings, or nothing for data that is neither links nor text.
std::optional<DropContents> contentsOf(const QMimeData *data)
{
    if (!data || (!data->hasUrls() && !data->hasText()))
        return std::nullopt;
    return dropContents(data->hasUrls() ? data->urls() : QList<QUrl>(),
                        data->hasText() ? data->text() : QString());
}

bool acceptable(const std::optional<DropContents> &contents)
{
    return contents && !contents->ignored;
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
        // Handled here so that the box's own handling does not move the caret to the mouse. The data
        // stays the same while the drag lasts: it is read when the drag enters, not at every move.
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (event->type() == QEvent::DragEnter || !m_dragAccepted)
            m_dragAccepted = acceptable(contentsOf(drag->mimeData()));
        if (*m_dragAccepted) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::DragLeave:
        m_dragAccepted.reset();
        return true;
    case QEvent::Drop: {
        m_dragAccepted.reset();
        auto *dropEvent = static_cast<QDropEvent *>(event);
        const std::optional<DropContents> contents = contentsOf(dropEvent->mimeData());
        if (!acceptable(contents)) {
            dropEvent->ignore();
            return true;
        }
        dropEvent->setDropAction(Qt::CopyAction);
        dropEvent->accept();
        drop(index, *contents);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

void DropController::drop(int index, const DropContents &contents)
{
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
