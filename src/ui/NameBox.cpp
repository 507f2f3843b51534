#include "ui/NameBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace velnora
{

NameBox::NameBox(QWidget *parent) : QLineEdit(parent) {}

void NameBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) && QGuiApplication::clipboard()->text().isEmpty()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace velnora
