#include "support/ScriptedPlatform.h"

namespace velnora
{

ScriptedPlatform::~ScriptedPlatform()
{
    verifyDone();
}

void ScriptedPlatform::queuePrinterDialog(bool accept, std::function<void(QPrinter &)> choose)
{
    m_printerDialogs.enqueue({accept, std::move(choose)});
}

bool ScriptedPlatform::printerDialog(QWidget *, QPrinter &printer)
{
    ++printerDialogs;
    if (m_printerDialogs.isEmpty()) {
        fail(QStringLiteral("unexpected printer dialog"));
        return false;
    }
    auto [accept, choose] = m_printerDialogs.dequeue();
    if (accept && choose)
        choose(printer);
    return accept;
}

void ScriptedPlatform::shellOpen(const QUrl &url, std::function<void(bool opened)> finished)
{
    openedUrls.append(url);
    if (finished)
        finished(!m_shellOpenFails);
}

void ScriptedPlatform::sendKeys(const QKeySequence &keys)
{
    sentKeys.append(keys);
}

void ScriptedPlatform::setStayOnTop(QWidget *, bool onTop)
{
    stayOnTopCalls.append(onTop);
}

void ScriptedPlatform::verifyDone()
{
    QStringList unused;
    if (!m_printerDialogs.isEmpty())
        unused.append(QStringLiteral("%1 printer dialog(s)").arg(m_printerDialogs.size()));
    m_printerDialogs.clear();
    verifyScript(unused);
}

void ScriptedPlatform::clear()
{
    verifyDone();
    BoxScript::clear();
    printerDialogs = 0;
    openedUrls.clear();
    sentKeys.clear();
    stayOnTopCalls.clear();
}

} // namespace velnora
