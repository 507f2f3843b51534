#include "platform/DesktopPlatform.h"
#include "platform/ProcessSetup.h"
#include "text/NativePath.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/types.h>
#include <vector>

using namespace velnora;

class TestProcessSetup : public QObject
{
    Q_OBJECT

private slots:
    void argumentsKeepTheirBytes_data();
    void argumentsKeepTheirBytes();
    void realProgramIgnoresFileSizeSignal();
    void terminationSignalClosesTheWindow_data();
    void terminationSignalClosesTheWindow();
};

// A name from an old cp932 system reaches the loader with its bytes, not as U+FFFD; a "--" before a
// name that starts with "-" only ends the options.
void TestProcessSetup::argumentsKeepTheirBytes_data()
{
    QTest::addColumn<QList<QByteArray>>("arguments");
    QTest::addColumn<QByteArray>("commandLine");
    QTest::addColumn<QString>("text");
    QTest::newRow("cp932 bytes") << QList<QByteArray>{"/m/\x82\xa0 1.txt", "x"}
                                 << QByteArray("/m/\x82\xa0 1.txt x")
                                 << QString(QStringLiteral("/m/") + QChar(0xdc82) + QChar(0xdca0) +
                                            QStringLiteral(" 1.txt x"));
    QTest::newRow("-- before a name starting with -")
        << QList<QByteArray>{"--", "-x.txt"} << QByteArray("-x.txt") << QStringLiteral("-x.txt");
    QTest::newRow("a second -- is a name")
        << QList<QByteArray>{"--", "--"} << QByteArray("--") << QStringLiteral("--");
    QTest::newRow("-- after the name")
        << QList<QByteArray>{"a.txt", "--"} << QByteArray("a.txt") << QStringLiteral("a.txt");
}

void TestProcessSetup::argumentsKeepTheirBytes()
{
    QFETCH(QList<QByteArray>, arguments);
    QFETCH(QByteArray, commandLine);
    QFETCH(QString, text);
    QByteArray program("velnora");
    std::vector<char *> argv{program.data()};
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    setUpProcess(int(argv.size() - 1), argv.data());
    std::signal(SIGXFSZ, SIG_DFL); // as the next test needs it
    const QString line = DesktopPlatform().commandLine();
    QCOMPARE(toNativePath(line), commandLine);
    QCOMPARE(line, text);
}

namespace
{

// Whether the process ignores SIGXFSZ, from its ignored-signal mask.
bool ignoresFileSizeSignal(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigIgn:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGXFSZ - 1)) & 1;
    }
    return false;
}

} // namespace

// Under a file-size limit the signal would end the real program in the middle of a write.
void TestProcessSetup::realProgramIgnoresFileSizeSignal()
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../velnora");
    if (!QFile::exists(program))
        QSKIP("the program is not built");
    // The child would inherit an ignored signal from this process and prove nothing.
    struct sigaction current = {};
    QVERIFY(::sigaction(SIGXFSZ, nullptr, &current) == 0);
    QVERIFY(current.sa_handler == SIG_DFL);
    QTemporaryDir runtime;
    QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    // A copy of its own, so that its temp.dat, left behind when it is ended, lands in that folder.
    const QString copy = runtime.filePath(QStringLiteral("velnora"));
    QVERIFY(QFile::copy(program, copy));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(copy, {});
    QVERIFY(child.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(ignoresFileSizeSignal(child.processId()) || child.state() != QProcess::Running,
                             20000);
    QCOMPARE(child.state(), QProcess::Running);
    QVERIFY(ignoresFileSizeSignal(child.processId()));
    child.terminate();
    QVERIFY(child.waitForFinished());
}

void TestProcessSetup::terminationSignalClosesTheWindow_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("startBox"); // "開けません！" waits for a click when the signal comes
    QTest::newRow("SIGTERM") << int(SIGTERM) << false;
    QTest::newRow("SIGHUP") << int(SIGHUP) << false;
    QTest::newRow("SIGINT") << int(SIGINT) << false;
    QTest::newRow("SIGTERM while a start-up box waits") << int(SIGTERM) << true;
}

// Closed as "終了" closes it: exit status 0 and temp.dat gone, also when the signal reaches a box
// that start-up shows before the window.
void TestProcessSetup::terminationSignalClosesTheWindow()
{
    QFETCH(int, signal);
    QFETCH(bool, startBox);
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../velnora");
    if (!QFile::exists(program))
        QSKIP("the program is not built");
    QTemporaryDir runtime;
    QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString copy = runtime.filePath(QStringLiteral("velnora"));
    const QString tempDat = runtime.filePath(QStringLiteral("temp.dat"));
    QVERIFY(QFile::copy(program, copy));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.remove(QStringLiteral("VELNORA_UNATTENDED"));
    env.remove(QStringLiteral("VELNORA_EXIT_AFTER_SHOW"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(copy, startBox ? QStringList{runtime.filePath(QStringLiteral("none.txt"))} : QStringList());
    QVERIFY(child.waitForStarted());
    // temp.dat is written after the signals are caught and before any box.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(tempDat) || child.state() != QProcess::Running, 60000);
    QCOMPARE(child.state(), QProcess::Running);
    QCOMPARE(::kill(pid_t(child.processId()), signal), 0);
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QVERIFY(!QFile::exists(tempDat));
}

QTEST_GUILESS_MAIN(TestProcessSetup)
#include "tst_processsetup.moc"
