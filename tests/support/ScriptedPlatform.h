#pragma once

#include "platform/Platform.h"
#include "support/ScriptedCorePlatform.h"

#include <QKeySequence>
#include <QList>
#include <QQueue>
#include <QUrl>
#include <functional>

namespace velnora
{

// Test double of the desktop: the session's script (BoxScript) and the window's services. Answers from
// the script, records what was shown or asked, never blocks; as strict as the script, for printer
// dialogs too.
class ScriptedPlatform : public ScriptedCore<Platform>
{
public:
    ScriptedPlatform() = default;
    ~ScriptedPlatform() override;

    void setDialogParent(QWidget *) override {}
    bool printerAvailable() const override { return m_printerAvailable; }
    bool printerDialog(QWidget *parent, QPrinter &printer) override;
    void shellOpen(const QUrl &url, std::function<void(bool opened)> finished) override;
    void sendKeys(const QKeySequence &keys) override;
    void setStayOnTop(QWidget *window, bool onTop) override;

    // Called on an accepted printer dialog, to set what the user chose in it.
    void queuePrinterDialog(bool accept, std::function<void(QPrinter &)> choose = {});
    void setPrinterAvailable(bool available) { m_printerAvailable = available; }
    // Whether the desktop fails to open what shellOpen is given; the answer comes at once.
    void setShellOpenFails(bool fails) { m_shellOpenFails = fails; }

    // The record beside the script's.
    int printerDialogs = 0;
    QList<QUrl> openedUrls;
    QList<QKeySequence> sentKeys;
    QList<bool> stayOnTopCalls;

    // As the script's, printer dialogs included.
    void verifyDone();
    void clear();

private:
    QQueue<std::pair<bool, std::function<void(QPrinter &)>>> m_printerDialogs;
    bool m_printerAvailable = true;
    bool m_shellOpenFails = false;
};

} // namespace velnora
