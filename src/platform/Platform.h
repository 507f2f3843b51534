#pragma once

#include <QKeySequence>
#include <QString>
#include <QUrl>

class QPrinter;
class QWidget;

namespace velnora
{

// Everything the desktop does for the program goes through this interface, so that tests can
// script the answers and record what the user would have seen.
class Platform
{
public:
    enum class Icon { None, Stop, Question, Exclamation, Information };
    enum class Buttons { Ok, OkCancel, YesNo };
    // The answers keep the classic codes, since the program's logic compares against them.
    enum Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    virtual ~Platform() = default;

    // A box without a title of its own shows "VELNORA".
    virtual int messageBox(QWidget *parent, const QString &text, const QString &title, Icon icon,
                           Buttons buttons) = 0;

    // Filters in Qt's form ("テキストファイル(*.txt);;すべてのファイル(*.*)"). An empty result means
    // the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &filter, const QString &startName) = 0;
    // Asks before replacing an existing file; adds no extension.
    virtual QString saveFileName(QWidget *parent, const QString &filter, const QString &startName) = 0;

    // False when the system knows no printer at all.
    virtual bool printerAvailable() const = 0;
    // Selection range not offered, printing to a file disabled. False when cancelled.
    virtual bool printerDialog(QWidget *parent, QPrinter &printer) = 0;

    // Hands a path or web address to the desktop; failures are ignored.
    virtual void shellOpen(const QUrl &url) = 0;

    // Sends a keystroke to the control that has the focus, after the current event.
    virtual void sendKeys(const QKeySequence &keys) = 0;

    virtual void setStayOnTop(QWidget *window, bool onTop) = 0;

    // Process services.
    virtual QString programFolder() const = 0;
    virtual QString userDataFolder() const = 0;
    virtual QString commandLine() const = 0;                // the arguments joined by one blank
    virtual bool acquireSingleInstance() = 0;               // false when another instance runs
    virtual qint64 fileSize(const QString &path) const = 0; // -1 when it cannot be taken
    virtual bool removeFile(const QString &path) = 0;
};

} // namespace velnora
