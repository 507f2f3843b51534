#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>
#include <optional>

namespace velnora
{

// Test double: answers from a script, records what was shown or asked, never blocks. It is strict:
// a box the test did not expect, a box whose text differs from the expected one, and a scripted
// answer still unused when the double is destroyed or cleared each fail the running test function.
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
        QString title;         // empty for the dialog's own
        QString defaultSuffix; // empty when a name is used as typed
        bool several = false;  // a multi-select open dialog
    };

    ScriptedPlatform() = default;
    ScriptedPlatform(const ScriptedPlatform &) = delete;
    ScriptedPlatform &operator=(const ScriptedPlatform &) = delete;
    ~ScriptedPlatform() override;

    Answer messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    Answer ask(Question question) override;
    QString openFileName(const QString &filter, const QString &startName) override;
    QStringList openFileNames(const QString &filter, const QString &startName) override;
    QString saveFileName(const QString &filter, const QString &startName, const QString &title,
                         const QString &defaultSuffix) override;
    void setDialogParent(QWidget *) override {}
    bool printerAvailable() const override { return m_printerAvailable; }
    bool printerDialog(QWidget *parent, QPrinter &printer) override;
    void shellOpen(const QUrl &url, std::function<void(bool opened)> finished) override;
    void sendKeys(const QKeySequence &keys) override;
    void setStayOnTop(QWidget *window, bool onTop) override;
    QString programFolder() const override { return m_programFolder; }
    QString userDataFolder() const override { return m_userDataFolder; }
    QString commandLine() const override { return m_commandLine; }
    bool acquireSingleInstance() override { return !m_otherInstanceRunning; }
    qint64 fileSize(const QString &path) const override;
    bool removeFile(const QString &path) override;

    // The script, answered in order. FirstButton is the box's first button (OK, or Yes on a
    // question). A file or printer dialog is scripted like a box: one the test did not queue fails it.
    static constexpr std::optional<Answer> FirstButton = std::nullopt;
    void expectBox(std::optional<Answer> answer = FirstButton) { m_boxes.enqueue({std::nullopt, answer}); }
    void expectBox(const QString &text, std::optional<Answer> answer = FirstButton)
    {
        m_boxes.enqueue({text, answer});
    }
    void queueAnswer(Answer answer) { expectBox(answer); }
    void queueFileName(const QString &path) { m_fileNames.enqueue(path); }
    void queueCancelledFileDialog() { m_fileNames.enqueue(QString()); }
    // A multi-select dialog takes one queued entry: the names chosen (none when cancelled).
    void queueFileNames(const QStringList &paths) { m_fileNames.enqueue(paths.join(QChar(0))); }
    // Called on an accepted printer dialog, to set what the user chose in it.
    void queuePrinterDialog(bool accept, std::function<void(QPrinter &)> choose = {});
    // Runs when a box is shown, before it is answered (to look at the window at that moment).
    std::function<void(const Message &)> onMessage;

    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    void setUserDataFolder(const QString &folder) { m_userDataFolder = folder; }
    void setCommandLine(const QString &line) { m_commandLine = line; }
    void setOtherInstanceRunning(bool running) { m_otherInstanceRunning = running; }
    void setPrinterAvailable(bool available) { m_printerAvailable = available; }
    // Whether the desktop fails to open what shellOpen is given; the answer comes at once.
    void setShellOpenFails(bool fails) { m_shellOpenFails = fails; }

    // The record.
    QList<Message> messages;
    QList<FileDialog> fileDialogs;
    int printerDialogs = 0;
    QList<QUrl> openedUrls;
    QList<QKeySequence> sentKeys;
    QList<bool> stayOnTopCalls;
    QStringList removedFiles;

    // Fails the running test when part of the script is still unused, then forgets it.
    void verifyDone();
    // Checks the script as verifyDone does, then forgets the record; keeps the folders and the command line.
    void clear();
    Message takeLastMessage();

private:
    struct ExpectedBox {
        std::optional<QString> text;
        std::optional<Answer> answer;
    };

    QString fileName(const FileDialog &dialog);

    QQueue<ExpectedBox> m_boxes;
    QQueue<QString> m_fileNames;
    QQueue<std::pair<bool, std::function<void(QPrinter &)>>> m_printerDialogs;
    QString m_programFolder;
    QString m_userDataFolder;
    QString m_commandLine;
    bool m_otherInstanceRunning = false;
    bool m_printerAvailable = true;
    bool m_shellOpenFails = false;
};

} // namespace velnora
