#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

namespace velnora
{

// Test double: answers from a script, records what was shown or asked, never blocks.
class ScriptedPlatform : public Platform
{
public:
    struct Message {
        QString text;
        QString title; // as the user sees it (the program's name when the caller gave none)
        Icon icon;
        Buttons buttons;
    };
    struct FileDialog {
        bool save;
        QString filter;
        QString startName;
    };

    int messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    QString openFileName(const QString &filter, const QString &startName) override;
    QString saveFileName(const QString &filter, const QString &startName) override;
    void setDialogParent(QWidget *) override {}
    bool printerAvailable() const override { return m_printerAvailable; }
    bool printerDialog(QWidget *parent, QPrinter &printer) override;
    void shellOpen(const QUrl &url) override;
    void sendKeys(const QKeySequence &keys) override;
    void setStayOnTop(QWidget *window, bool onTop) override;
    QString programFolder() const override { return m_programFolder; }
    QString userDataFolder() const override { return m_userDataFolder; }
    QString commandLine() const override { return m_commandLine; }
    bool acquireSingleInstance() override { return !m_otherInstanceRunning; }
    qint64 fileSize(const QString &path) const override;
    bool removeFile(const QString &path) override;

    // The script. An answer not queued is the box's first button (OK or Yes); a file name not
    // queued is a cancelled dialog; a printer dialog not queued is cancelled.
    void queueAnswer(int answer) { m_answers.enqueue(answer); }
    void queueFileName(const QString &path) { m_fileNames.enqueue(path); }
    // Called on an accepted printer dialog, to set what the user chose in it.
    void queuePrinterDialog(bool accept, std::function<void(QPrinter &)> choose = {});
    // Runs when a box is shown, before it is answered (to look at the window at that moment).
    std::function<void(const Message &)> onMessage;

    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    void setUserDataFolder(const QString &folder) { m_userDataFolder = folder; }
    void setCommandLine(const QString &line) { m_commandLine = line; }
    void setOtherInstanceRunning(bool running) { m_otherInstanceRunning = running; }
    void setPrinterAvailable(bool available) { m_printerAvailable = available; }

    // The record.
    QList<Message> messages;
    QList<FileDialog> fileDialogs;
    int printerDialogs = 0;
    QList<QUrl> openedUrls;
    QList<QKeySequence> sentKeys;
    QList<bool> stayOnTopCalls;
    QStringList removedFiles;

    // Forgets the record and the script, keeps the folders and the command line.
    void clear();
    Message takeLastMessage();

private:
    QQueue<int> m_answers;
    QQueue<QString> m_fileNames;
    QQueue<std::pair<bool, std::function<void(QPrinter &)>>> m_printerDialogs;
    QString m_programFolder;
    QString m_userDataFolder;
    QString m_commandLine;
    bool m_otherInstanceRunning = false;
    bool m_printerAvailable = true;
};

} // namespace velnora
