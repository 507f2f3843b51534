// The test double's strictness: each way a test can leave a box unaccounted for fails the test.
#include "support/ScriptedCorePlatform.h"
#include "support/ScriptedPlatform.h"

#include <QPrinter>
#include <QTest>

using namespace velnora;

class TestScriptedPlatform : public QObject
{
    Q_OBJECT

private slots:
    void scriptedBoxPasses();
    void faultFailsTheTest_data();
    void faultFailsTheTest();
};

void TestScriptedPlatform::scriptedBoxPasses()
{
    ScriptedPlatform p;
    p.expectBox(QStringLiteral("続けますか？"), Platform::No);
    p.expectBox();
    QCOMPARE(p.messageBox(QStringLiteral("続けますか？"), QString(), Platform::Icon::Question,
                          Platform::Buttons::YesNo),
             Platform::No);
    QCOMPARE(
        p.messageBox(QStringLiteral("ver1.0"), QString(), Platform::Icon::None, Platform::Buttons::OkCancel),
        Platform::Ok);
    QCOMPARE(p.takeLastMessage().title, QStringLiteral("VELNORA"));
}

void TestScriptedPlatform::faultFailsTheTest_data()
{
    QTest::addColumn<QString>("expected"); // the scripted text; empty: any text
    QTest::addColumn<int>("answer");       // -1: nothing scripted; 0: the first button
    QTest::addColumn<bool>("shown");       // whether the box appears
    // Instead of a box: "save", "open files", "printer", "cancel" or "files" scripted; "session": the box
    // shown on the session's double.
    QTest::addColumn<QString>("dialog");
    QTest::newRow("box not scripted") << QString() << -1 << true << QString();
    QTest::newRow("box with other text") << QStringLiteral("保存しますか？") << 0 << true << QString();
    QTest::newRow("answer the box has no button for") << QString() << int(Platform::Yes) << true << QString();
    QTest::newRow("answer left unused") << QString() << 0 << false << QString();
    QTest::newRow("text left unused") << QStringLiteral("ver1.0") << 0 << false << QString();
    QTest::newRow("file dialog not scripted") << QString() << -1 << true << QStringLiteral("save");
    QTest::newRow("printer dialog not scripted") << QString() << -1 << true << QStringLiteral("printer");
    QTest::newRow("cancelled file dialog left unused")
        << QString() << -1 << false << QStringLiteral("cancel");
    QTest::newRow("multi-select dialog not scripted")
        << QString() << -1 << true << QStringLiteral("open files");
    QTest::newRow("multi-select file names left unused")
        << QString() << -1 << false << QStringLiteral("files");
    QTest::newRow("box not scripted on the session's double")
        << QString() << -1 << true << QStringLiteral("session");
}

void TestScriptedPlatform::faultFailsTheTest()
{
    QFETCH(QString, expected);
    QFETCH(int, answer);
    QFETCH(bool, shown);
    QFETCH(QString, dialog);
    ScriptedPlatform p;
    if (dialog == QLatin1String("cancel"))
        p.queueCancelledFileDialog();
    if (dialog == QLatin1String("files"))
        p.queueFileNames({QStringLiteral("/a.wav")});
    if (answer >= 0) {
        const std::optional<Answer> scripted =
            answer == 0 ? ScriptedPlatform::FirstButton : std::optional(Answer(answer));
        if (expected.isEmpty())
            p.expectBox(scripted);
        else
            p.expectBox(expected, scripted);
    }
    QEXPECT_FAIL("", "the double fails the running test", Continue);
    QPrinter printer;
    if (shown && dialog == QLatin1String("save"))
        p.saveFileName(QStringLiteral("CD-TEXTファイル(*.cdt)"), QString(), QString(), QString());
    else if (shown && dialog == QLatin1String("open files"))
        p.openFileNames(QStringLiteral("音声ファイル(*.wav)"), QString());
    else if (shown && dialog == QLatin1String("printer"))
        p.printerDialog(nullptr, printer);
    else if (shown && dialog == QLatin1String("session"))
        ScriptedCorePlatform().messageBox(QStringLiteral("ver1.0"), QString(), Platform::Icon::None,
                                          Platform::Buttons::Ok);
    else if (shown)
        p.messageBox(QStringLiteral("ver1.0"), QString(), Platform::Icon::None, Platform::Buttons::Ok);
    else
        p.verifyDone();
}

QTEST_MAIN(TestScriptedPlatform)
#include "tst_scriptedplatform.moc"
