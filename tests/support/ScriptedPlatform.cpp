#include "support/ScriptedPlatform.h"

#include "messages/Messages.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace velnora
{

namespace
{

QString buttonsName(Platform::Buttons buttons)
{
    switch (buttons) {
    case Platform::Buttons::Ok:
        return QStringLiteral("OK");
    case Platform::Buttons::OkCancel:
        return QStringLiteral("OK/Cancel");
    case Platform::Buttons::YesNo:
        return QStringLiteral("Yes/No");
    }
    return QString();
}

// Marks the running test function failed; outside a QTest run (the benchmarks) there is no test to
// fail, so the program stops instead of measuring a run that went another way.
void fail(const QString &what)
{
    const QByteArray text = what.toUtf8();
    if (!QTest::currentTestFunction())
        qFatal("ScriptedPlatform: %s", text.constData());
    QTest::qFail(text.constData(), __FILE__, __LINE__);
}

} // namespace

ScriptedPlatform::~ScriptedPlatform()
{
    verifyDone();
}

Answer ScriptedPlatform::messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    Message m{text, title.isEmpty() ? programName() : title, icon, buttons};
    messages.append(m);
    if (onMessage)
        onMessage(m);
    const Answer first = buttons == Buttons::YesNo ? Yes : Ok;
    const QString shown = QStringLiteral("\"%1\" (%2, %3)").arg(text, m.title, buttonsName(buttons));
    if (m_boxes.isEmpty()) {
        fail(QStringLiteral("unexpected box ") + shown);
        return first;
    }
    const ExpectedBox expected = m_boxes.dequeue();
    if (expected.text && *expected.text != text)
        fail(QStringLiteral("expected the box \"%1\", got %2").arg(*expected.text, shown));
    if (!expected.answer)
        return first;
    // An answer the box has no button for would take a path the user cannot take.
    const Answer answer = *expected.answer;
    const bool offered = answer == first || (buttons == Buttons::OkCancel && answer == Cancel) ||
                         (buttons == Buttons::YesNo && answer == No);
    if (!offered)
        fail(QStringLiteral("the answer %1 is not a button of the box %2").arg(int(answer)).arg(shown));
    return answer;
}

Answer ScriptedPlatform::ask(Question question)
{
    return show(messages::question(question));
}

QString ScriptedPlatform::openFileName(const QString &filter, const QString &startName)
{
    return fileName({false, filter, startName, {}, {}});
}

QStringList ScriptedPlatform::openFileNames(const QString &filter, const QString &startName)
{
    const QString names = fileName({false, filter, startName, {}, {}, true});
    return names.isEmpty() ? QStringList() : names.split(QChar(0));
}

QString ScriptedPlatform::saveFileName(const QString &filter, const QString &startName, const QString &title,
                                       const QString &defaultSuffix)
{
    return fileName({true, filter, startName, title, defaultSuffix});
}

QString ScriptedPlatform::fileName(const FileDialog &dialog)
{
    fileDialogs.append(dialog);
    if (m_fileNames.isEmpty()) {
        fail(QStringLiteral("unexpected %1 dialog (\"%2\", starting at \"%3\")")
                 .arg(dialog.save ? QStringLiteral("save") : QStringLiteral("open"), dialog.filter,
                      dialog.startName));
        return QString();
    }
    return m_fileNames.dequeue();
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

void ScriptedPlatform::verifyDone()
{
    QStringList unused;
    for (const ExpectedBox &box : std::as_const(m_boxes))
        unused.append(box.text ? QStringLiteral("the box \"%1\"").arg(*box.text) : QStringLiteral("a box"));
    for (const QString &name : std::as_const(m_fileNames))
        unused.append(name.isEmpty() ? QStringLiteral("a cancelled file dialog")
                                     : QStringLiteral("the file name \"%1\"").arg(name));
    if (!m_printerDialogs.isEmpty())
        unused.append(QStringLiteral("%1 printer dialog(s)").arg(m_printerDialogs.size()));
    m_boxes.clear();
    m_fileNames.clear();
    m_printerDialogs.clear();
    // A test that already failed may have stopped before its script ran; say nothing more then.
    if (!unused.isEmpty() && !(QTest::currentTestFunction() && QTest::currentTestFailed()))
        fail(QStringLiteral("scripted but never asked: ") + unused.join(QStringLiteral(", ")));
}

void ScriptedPlatform::clear()
{
    verifyDone();
    messages.clear();
    fileDialogs.clear();
    printerDialogs = 0;
    openedUrls.clear();
    sentKeys.clear();
    stayOnTopCalls.clear();
    removedFiles.clear();
}

ScriptedPlatform::Message ScriptedPlatform::takeLastMessage()
{
    return messages.isEmpty() ? Message{} : messages.takeLast();
}

} // namespace velnora
