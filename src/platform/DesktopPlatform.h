#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QFileDialog;
class QProcess;

namespace velnora
{

// The real desktop: Qt's dialogs, the desktop's opener (xdg-open), a per-user lock file held with flock.
class DesktopPlatform : public Platform
{
public:
    DesktopPlatform();
    ~DesktopPlatform() override;

    Answer messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    Answer ask(Question question) override;
    QString openFileName(const QString &filter, const QString &startName) override;
    QStringList openFileNames(const QString &filter, const QString &startName) override;
    QString saveFileName(const QString &filter, const QString &startName, const QString &title,
                         const QString &defaultSuffix) override;
    void setDialogParent(QWidget *parent) override;
    bool printerAvailable() const override;
    bool printerDialog(QWidget *parent, QPrinter &printer) override;
    void shellOpen(const QUrl &url, std::function<void(bool opened)> finished) override;
    void sendKeys(const QKeySequence &keys) override;
    void setStayOnTop(QWidget *window, bool onTop) override;
    QString programFolder() const override;
    QString userDataFolder() const override;
    QStringList snapshotFolders() const override;
    QString commandLine() const override;
    bool acquireSingleInstance() override;
    qint64 fileSize(const QString &path) const override;
    bool removeFile(const QString &path) override;

    // A portable copy keeps temp.dat beside it; an installed program never writes in its own folder.
    static bool keepsSnapshotBeside(const QString &programFolder);
    // The lock lives in the runtime folder; tests may point it elsewhere.
    static QString lockFilePath();
    // Where the lock goes when the runtime folder's name cannot be opened (a link stands there).
    QString fallbackLockFilePath() const;
    // Gives a file dialog the filters as captioned, with patterns that mean on Linux what they
    // mean on Windows: "*.*" is every file, also one without a dot.
    static void setDialogFilters(QFileDialog &dialog, const QString &filter);

private:
    QWidget *dialogParent() const;

    int m_lockFd = -1; // held open, and so locked, for the life of the process
    bool m_sendingKeys = false;
    QPointer<QWidget> m_dialogParent;
    QList<QProcess *> m_openers; // started by shellOpen and not yet finished
};

} // namespace velnora
