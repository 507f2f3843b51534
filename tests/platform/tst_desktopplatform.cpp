#include "platform/DesktopPlatform.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace velnora;

class TestDesktopPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void secondInstanceIsRefused();
    void lockOfKilledProcessIsStale();
    void commandLineJoinsArguments();
    void fileSizeOfFolderCannotBeTaken();

private:
    QTemporaryDir m_runtime;
};

void TestDesktopPlatform::initTestCase()
{
    // The lock lives in the runtime folder; keep it away from a real running program.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    QVERIFY(DesktopPlatform::lockFilePath().startsWith(m_runtime.path()));
}

void TestDesktopPlatform::secondInstanceIsRefused()
{
    {
        DesktopPlatform first;
        QVERIFY(first.acquireSingleInstance());
        DesktopPlatform second;
        QVERIFY(!second.acquireSingleInstance());
    }
    DesktopPlatform afterFirstEnded;
    QVERIFY(afterFirstEnded.acquireSingleInstance());
}

void TestDesktopPlatform::lockOfKilledProcessIsStale()
{
    // A lock written by a process that no longer runs.
    QProcess child;
    child.start(QStringLiteral("/bin/true"), {});
    QVERIFY(child.waitForFinished());
    const qint64 deadPid = child.processId();
    QFile lock(DesktopPlatform::lockFilePath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid > 0 ? deadPid : 999999) + "\nvelnora\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    DesktopPlatform next;
    QVERIFY(next.acquireSingleInstance());
}

void TestDesktopPlatform::commandLineJoinsArguments()
{
    DesktopPlatform p;
    // The test program itself runs without arguments.
    QCOMPARE(p.commandLine(), QString());
}

void TestDesktopPlatform::fileSizeOfFolderCannotBeTaken()
{
    DesktopPlatform p;
    QTemporaryDir dir;
    QCOMPARE(p.fileSize(dir.path()), qint64(-1));
    QCOMPARE(p.fileSize(dir.filePath(QStringLiteral("none"))), qint64(-1));
    QFile f(dir.filePath(QStringLiteral("x")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("12345");
    f.close();
    QCOMPARE(p.fileSize(f.fileName()), qint64(5));
}

QTEST_MAIN(TestDesktopPlatform)
#include "tst_desktopplatform.moc"
