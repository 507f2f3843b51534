#pragma once

#include "messages/Box.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace velnora
{

// What a scripted double answers and records for boxes, file dialogs and process services; QtCore only.
// It is strict: a box the test did not expect, a box whose text differs from the expected one, and a
// scripted answer still unused when the double is destroyed or cleared each fail the running test
// function.
class BoxScript
{
public:
    struct Message {
        QString text;
        QString title; // as the user sees it (the program's name when the caller gave none)
        BoxIcon icon;
        BoxButtons buttons;
    };
    struct FileDialog {
        bool save;
        QString filter;
        QString startName;
        QString title;         // empty for the dialog's own
        QString defaultSuffix; // empty when a name is used as typed
        bool multiple = false; // a multi-select open dialog
    };

    BoxScript(const BoxScript &) = delete;
    BoxScript &operator=(const BoxScript &) = delete;

    // The script, answered in order. FirstButton is the box's first button (OK, or Yes on a
    // question). A file dialog is scripted like a box: one the test did not queue fails it.
    static constexpr std::optional<Answer> FirstButton = std::nullopt;
    void expectBox(std::optional<Answer> answer = FirstButton) { m_boxes.enqueue({std::nullopt, answer}); }
    void expectBox(const QString &text, std::optional<Answer> answer = FirstButton)
    {
        m_boxes.enqueue({text, answer});
    }
    void queueAnswer(Answer answer) { expectBox(answer); }
    void queueFileName(const QString &path) { m_fileNames.enqueue(path); }
    void queueCancelledFileDialog() { m_fileNames.enqueue(QString()); }
    // The files a multi-select open dialog returns; none for a cancelled one.
    void queueFileNames(const QStringList &paths) { m_multiFileNames.enqueue(paths); }
    // Runs when a box is shown, before it is answered (to look at the window at that moment).
    std::function<void(const Message &)> onMessage;

    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    void setUserDataFolder(const QString &folder) { m_userDataFolder = folder; }
    void setCommandLine(const QString &line) { m_commandLine = line; }
    void setOtherInstanceRunning(bool running) { m_otherInstanceRunning = running; }

    // The record.
    QList<Message> messages;
    QList<FileDialog> fileDialogs;
    QStringList removedFiles;

    // Fails the running test when part of the script is still unused, then forgets it.
    void verifyDone() { verifyScript({}); }
    // Checks the script as verifyDone does, then forgets the record; keeps the folders and the command line.
    void clear();
    Message takeLastMessage();

protected:
    BoxScript() = default;
    ~BoxScript();

    // Marks the running test function failed (outside a test, stops the program).
    static void fail(const QString &what);
    // verifyDone, with what a double adds to the script still unused.
    void verifyScript(QStringList unused);

    Answer box(const QString &text, const QString &title, BoxIcon icon, BoxButtons buttons);
    QString fileName(const FileDialog &dialog);
    QStringList fileNames(const QString &filter, const QString &startName);
    qint64 sizeOf(const QString &path) const;
    bool remove(const QString &path);

    QString m_programFolder;
    QString m_userDataFolder;
    QString m_commandLine;
    bool m_otherInstanceRunning = false;

private:
    struct ExpectedBox {
        std::optional<QString> text;
        std::optional<Answer> answer;
    };

    QQueue<ExpectedBox> m_boxes;
    QQueue<QString> m_fileNames;
    QQueue<QStringList> m_multiFileNames;
};

} // namespace velnora
