#include "app/TitleBox.h"

#include <QKeyEvent>
#include <QMimeData>

namespace velnora
{

TitleBox::TitleBox(QWidget *parent) : QPlainTextEdit(parent) {}

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

void TitleBox::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QString text = source->text();
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    textCursor().insertText(text);
    ensureCursorVisible();
}

} // namespace velnora
