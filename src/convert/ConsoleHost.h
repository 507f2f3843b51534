#pragma once

#include "platform/CorePlatform.h"

#include <QStringList>

namespace velnora
{

// The session's platform on a command line: no window, no display. A box that reports a problem
// becomes one line for standard error; a question is answered Yes (or OK); the file dialogs are
// answered with the names the command line gave. No lock is taken and no folder is offered, so the
// snapshot stays in memory.
class ConsoleHost : public CorePlatform
{
public:
    void setOpenName(const QString &path) { m_openName = path; }
    void setSaveName(const QString &path) { m_saveName = path; }

    // The lines of the boxes shown since the last call.
    QStringList takeLines();
    // Adds text to the last line (where a rejected character stands).
    void appendToLastLine(const QString &text);

    int messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    QString openFileName(const QString &filter, const QString &startName) override;
    QString saveFileName(const QString &filter, const QString &startName, const QString &title,
                         const QString &defaultSuffix) override;
    QString programFolder() const override;
    QString userDataFolder() const override;
    QString commandLine() const override;
    bool acquireSingleInstance() override;
    qint64 fileSize(const QString &path) const override;
    bool removeFile(const QString &path) override;

private:
    QString m_openName;
    QString m_saveName;
    QStringList m_lines;
};

} // namespace velnora
