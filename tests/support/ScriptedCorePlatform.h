#pragma once

#include "messages/Messages.h"
#include "platform/CorePlatform.h"
#include "support/BoxScript.h"

namespace velnora
{

// A platform interface answered from a BoxScript: what the session asks, and nothing more. The desktop
// double adds the window's services on top of the same script.
template <class Interface> class ScriptedCore : public Interface, public BoxScript
{
public:
    Answer messageBox(const QString &text, const QString &title, BoxIcon icon, BoxButtons buttons) override
    {
        return box(text, title, icon, buttons);
    }
    Answer ask(Question question) override { return this->show(messages::question(question)); }
    QString openFileName(const QString &filter, const QString &startName) override
    {
        return fileName({false, filter, startName, {}, {}});
    }
    QStringList openFileNames(const QString &filter, const QString &startName) override
    {
        return fileNames(filter, startName);
    }
    QString saveFileName(const QString &filter, const QString &startName, const QString &title,
                         const QString &defaultSuffix) override
    {
        return fileName({true, filter, startName, title, defaultSuffix});
    }
    QString programFolder() const override { return m_programFolder; }
    QString userDataFolder() const override { return m_userDataFolder; }
    QString commandLine() const override { return m_commandLine; }
    bool acquireSingleInstance() override { return !m_otherInstanceRunning; }
    qint64 fileSize(const QString &path) const override { return sizeOf(path); }
    bool removeFile(const QString &path) override { return remove(path); }
};

// The session's double: QtCore alone, no window.
using ScriptedCorePlatform = ScriptedCore<CorePlatform>;

} // namespace velnora
