#include "support/ScriptedPlatform.h"

#include <QFile>
#include <QFileInfo>

namespace velnora
{

int ScriptedPlatform::messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    Message m{text, title.isEmpty() ? programName() : title, icon, buttons};
    messages.append(m);
    if (onMessage)
        onMessage(m);
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return buttons == Buttons::YesNo ? Yes : Ok;
}

QString ScriptedPlatform::openFileName(const QString &filter, const QString &startName)
{
    fileDialogs.append({false, filter, startName});
    return m_fileNames.isEmpty() ? QString() : m_fileNames.dequeue();
}

QString ScriptedPlatform::saveFileName(const QString &filter, const QString &startName)
{
    fileDialogs.append({true, filter, startName});
    return m_fileNames.isEmpty() ? QString() : m_fileNames.dequeue();
}

void ScriptedPlatform::queuePrinterDialog(bool accept, std::function<void(QPrinter &)> choose)
{
    m_printerDialogs.enqueue({accept, std::move(choose)});
}

bool ScriptedPlatform::printerDialog(QWidget *, QPrinter &printer)
{
    ++printerDialogs;
    if (m_printerDialogs.isEmpty())
        return false;
    auto [accept, choose] = m_printerDialogs.dequeue();
    if (accept && choose)
        choose(printer);
    return accept;
}

void ScriptedPlatform::shellOpen(const QUrl &url)
{
    openedUrls.append(url);
}

void ScriptedPlatform::sendKeys(const QKeySequence &keys)
{
    sentKeys.append(keys);
}

void ScriptedPlatform::setStayOnTop(QWidget *, bool onTop)
{
    stayOnTopCalls.append(onTop);
}

qint64 ScriptedPlatform::fileSize(const QString &path) const
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir() ? info.size() : -1;
}

bool ScriptedPlatform::removeFile(const QString &path)
{
    removedFiles.append(path);
    return QFile::remove(path);
}

void ScriptedPlatform::clear()
{
    messages.clear();
    fileDialogs.clear();
    printerDialogs = 0;
    openedUrls.clear();
    sentKeys.clear();
    stayOnTopCalls.clear();
    removedFiles.clear();
    m_answers.clear();
    m_fileNames.clear();
    m_printerDialogs.clear();
}

ScriptedPlatform::Message ScriptedPlatform::takeLastMessage()
{
    return messages.isEmpty() ? Message{} : messages.takeLast();
}

} // namespace velnora
