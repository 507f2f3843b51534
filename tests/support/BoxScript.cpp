#include "support/BoxScript.h"

#include "messages/ProgramName.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace velnora
{

namespace
{

QString buttonsName(BoxButtons buttons)
{
    switch (buttons) {
    case BoxButtons::Ok:
        return QStringLiteral("OK");
    case BoxButtons::OkCancel:
        return QStringLiteral("OK/Cancel");
    case BoxButtons::YesNo:
        return QStringLiteral("Yes/No");
    }
    return QString();
}

} // namespace

BoxScript::~BoxScript()
{
    verifyDone();
}

// Outside a QTest run (the benchmarks) there is no test to fail, so the program stops instead of
// measuring a run that went another way.
void BoxScript::fail(const QString &what)
{
    const QByteArray text = what.toUtf8();
    if (!QTest::currentTestFunction())
        qFatal("ScriptedPlatform: %s", text.constData());
    QTest::qFail(text.constData(), __FILE__, __LINE__);
}

Answer BoxScript::box(const QString &text, const QString &title, BoxIcon icon, BoxButtons buttons)
{
    Message m{text, title.isEmpty() ? programName() : title, icon, buttons};
    messages.append(m);
    if (onMessage)
        onMessage(m);
    const Answer first = buttons == BoxButtons::YesNo ? Answer::Yes : Answer::Ok;
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
    const bool offered = answer == first || (buttons == BoxButtons::OkCancel && answer == Answer::Cancel) ||
                         (buttons == BoxButtons::YesNo && answer == Answer::No);
    if (!offered)
        fail(QStringLiteral("the answer %1 is not a button of the box %2").arg(int(answer)).arg(shown));
    return answer;
}

QString BoxScript::fileName(const FileDialog &dialog)
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

QStringList BoxScript::fileNames(const QString &filter, const QString &startName)
{
    fileDialogs.append({false, filter, startName, {}, {}, true});
    if (m_multiFileNames.isEmpty()) {
        fail(QStringLiteral("unexpected multi-select open dialog (\"%1\", starting at \"%2\")")
                 .arg(filter, startName));
        return {};
    }
    return m_multiFileNames.dequeue();
}

qint64 BoxScript::sizeOf(const QString &path) const
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir() ? info.size() : -1;
}

bool BoxScript::remove(const QString &path)
{
    removedFiles.append(path);
    return QFile::remove(path);
}

void BoxScript::verifyScript(QStringList unused)
{
    QStringList mine;
    for (const ExpectedBox &box : std::as_const(m_boxes))
        mine.append(box.text ? QStringLiteral("the box \"%1\"").arg(*box.text) : QStringLiteral("a box"));
    for (const QString &name : std::as_const(m_fileNames))
        mine.append(name.isEmpty() ? QStringLiteral("a cancelled file dialog")
                                   : QStringLiteral("the file name \"%1\"").arg(name));
    for (const QStringList &names : std::as_const(m_multiFileNames))
        mine.append(QStringLiteral("the file names \"%1\"").arg(names.join(QStringLiteral("\", \""))));
    unused = mine + unused;
    m_boxes.clear();
    m_fileNames.clear();
    m_multiFileNames.clear();
    // A test that already failed may have stopped before its script ran; say nothing more then.
    if (!unused.isEmpty() && !(QTest::currentTestFunction() && QTest::currentTestFailed()))
        fail(QStringLiteral("scripted but never asked: ") + unused.join(QStringLiteral(", ")));
}

void BoxScript::clear()
{
    verifyDone();
    messages.clear();
    fileDialogs.clear();
    removedFiles.clear();
}

BoxScript::Message BoxScript::takeLastMessage()
{
    return messages.isEmpty() ? Message{} : messages.takeLast();
}

} // namespace velnora
