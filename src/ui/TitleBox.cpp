#include "ui/TitleBox.h"

#include "text/Lines.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace velnora
{

TitleBox::TitleBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

void TitleBox::selectTitles(const QString &crLfText, qsizetype start, qsizetype length)
{
    setFocus(Qt::OtherFocusReason);
    QTextCursor cursor(document());
    cursor.setPosition(int(boxPosition(crLfText, start)));
    cursor.setPosition(int(boxPosition(crLfText, start + length)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void TitleBox::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ShiftModifier) && !isReadOnly()) {
        textCursor().insertText(QStringLiteral("\n"));
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool TitleBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source && source->hasText() && !source->text().isEmpty();
}

void TitleBox::insertFromMimeData(const QMimeData *source)
{
    // Only text is pasted. An empty clipboard under X arrives as data without any format, and
    // Qt 6.4's own handling of that ends the program.
    if (!canInsertFromMimeData(source))
        return;
    QString text = source->text();
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    textCursor().insertText(text);
    ensureCursorVisible();
}

} // namespace velnora
