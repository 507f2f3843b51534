#pragma once

#include "platform/CorePlatform.h"

#include <QKeySequence>
#include <QUrl>

#include <functional>

class QPrinter;
class QWidget;

namespace velnora
{

// The session's services plus what only windows need. Everything the desktop does for the program
// goes through here, so that tests can script the answers and record what the user would have seen.
class Platform : public CorePlatform
{
public:
    // The window that boxes and file dialogs belong to.
    virtual void setDialogParent(QWidget *parent) = 0;

    // False when the system knows no printer at all.
    virtual bool printerAvailable() const = 0;
    // Selection range not offered, printing to a file disabled. False when cancelled.
    virtual bool printerDialog(QWidget *parent, QPrinter &printer) = 0;

    // Hands a path or web address to the desktop without waiting for it. finished runs later, on
    // the user-interface thread, with false when the desktop could not open it.
    virtual void shellOpen(const QUrl &url, std::function<void(bool opened)> finished) = 0;

    // Sends a keystroke to the control that has the focus, after the current event.
    virtual void sendKeys(const QKeySequence &keys) = 0;

    virtual void setStayOnTop(QWidget *window, bool onTop) = 0;
};

} // namespace velnora
