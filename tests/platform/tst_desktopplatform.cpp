#include "app/logic/HelpLocation.h"
#include "platform/DesktopPlatform.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace velnora;

namespace
{

// A copy of the real program in a folder of its own (a portable copy: its temp.dat goes there), or
// in the bin folder of the layout an install makes, with a runtime folder of its own for the lock;
// start-up boxes are written to standard output and answered.
class ProgramCopy
{
public:
    enum class Layout { Portable, Installed };
    bool make(Layout layout = Layout::Portable)
    {
        m_bin = layout == Layout::Installed ? m_folder.filePath(QStringLiteral("bin")) : m_folder.path();
        m_program = QDir(m_bin).filePath(QStringLiteral("velnora"));
        if (layout == Layout::Installed && !QDir().mkpath(helplocation::installedDocFolder(m_bin)))
            return false;
        return QDir().mkpath(m_bin) && QFile::copy(QStringLiteral(VELNORA_PROGRAM), m_program);
    }
    QString bin() const { return m_bin; }
    QString tempDat() const { return QDir(m_bin).filePath(QStringLiteral("temp.dat")); }
    QString runtimeTempDat() const { return m_runtime.filePath(QStringLiteral("velnora/temp.dat")); }
    QString lockFile() const { return m_runtime.filePath(QStringLiteral("velnora.lock")); }
    void start(QProcess &process, bool exitAfterShow, const QStringList &arguments = {},
               bool unattended = true) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_runtime.filePath(QStringLiteral("data")));
        env.remove(QStringLiteral("VELNORA_UNATTENDED"));
        env.remove(QStringLiteral("VELNORA_EXIT_AFTER_SHOW"));
        if (unattended)
            env.insert(QStringLiteral("VELNORA_UNATTENDED"), QStringLiteral("1"));
        if (exitAfterShow)
            env.insert(QStringLiteral("VELNORA_EXIT_AFTER_SHOW"), QStringLiteral("1"));
        process.setProcessEnvironment(env);
        process.start(m_program, arguments);
    }
    // True while some process holds the lock; the probe itself never holds it for long.
    bool lockHeld() const
    {
        const int fd = ::open(QFile::encodeName(lockFile()).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
        ::close(fd);
        return held;
    }

private:
    QTemporaryDir m_folder;
    QTemporaryDir m_runtime;
    QString m_bin;
    QString m_program;
};

constexpr int StartTimeout = 60000; // a busy shared machine

} // namespace

class TestDesktopPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void secondInstanceIsRefused();
    void lockOfKilledProcessIsStale();
    void leftoverLockStarts_data();
    void leftoverLockStarts();
    void childDoesNotKeepTheLock();
    void liveProgramRefusesUntilKilled();
    void racingStartsLeaveOneRunning();
    void snapshotNeverInAnInstalledFolder_data();
    void snapshotNeverInAnInstalledFolder();
    void exitAfterShowAnswersStartBoxes_data();
    void exitAfterShowAnswersStartBoxes();
    void commandLineJoinsArguments();
    void fileSizeOfFolderCannotBeTaken();
    void dialogFiltersKeepCaptionsAndShowEveryFile_data();
    void dialogFiltersKeepCaptionsAndShowEveryFile();

private:
    QTemporaryDir m_runtime;
};

void TestDesktopPlatform::initTestCase()
{
    // The lock lives in the runtime folder; keep it away from a real running program.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_runtime.filePath(QStringLiteral("data"))));
    QVERIFY(DesktopPlatform::lockFilePath().startsWith(m_runtime.path()));
}

void TestDesktopPlatform::init()
{
    // Each test starts from no lock file, whatever the last one left there.
    const QString lock = DesktopPlatform::lockFilePath();
    if (!QFile::remove(lock))
        QDir().rmdir(lock);
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

void TestDesktopPlatform::leftoverLockStarts_data()
{
    QTest::addColumn<QString>("leftover");
    // Root reads every file, so "cannot be read" is a folder or a FIFO at the name.
    QTest::newRow("empty file") << "empty";
    QTest::newRow("garbage") << "garbage";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a link to a file, not followed") << "link";
    QTest::newRow("a dangling link, nothing created") << "dangling";
}

void TestDesktopPlatform::leftoverLockStarts()
{
    QFETCH(QString, leftover);
    const QString lock = DesktopPlatform::lockFilePath();
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("target"));
    const QByteArray name = QFile::encodeName(lock);
    if (leftover == QLatin1String("empty") || leftover == QLatin1String("garbage")) {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (leftover == QLatin1String("garbage"))
            file.write(QByteArray("\xff\x00garbage\n-1\n\n", 14));
    } else if (leftover == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(lock));
    } else if (leftover == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else {
        if (leftover == QLatin1String("link")) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep");
        }
        QVERIFY(QFile::link(target, lock));
    }
    struct stat before {
    };
    QCOMPARE(::lstat(name.constData(), &before), 0);

    {
        DesktopPlatform first;
        QVERIFY(first.acquireSingleInstance());
        // The lock still works over whatever was left.
        DesktopPlatform second;
        QVERIFY(!second.acquireSingleInstance());
    }
    DesktopPlatform again;
    QVERIFY(again.acquireSingleInstance());

    struct stat after {
    };
    QCOMPARE(::lstat(name.constData(), &after), 0);
    QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    if (leftover == QLatin1String("link")) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep"));
    }
    QCOMPARE(QFileInfo::exists(target), leftover == QLatin1String("link"));
    if (S_ISDIR(after.st_mode))
        QVERIFY(QDir().rmdir(lock));
    else
        QVERIFY(QFile::remove(lock));
}

void TestDesktopPlatform::childDoesNotKeepTheLock()
{
    // A browser opened by the program lives on after it; it must not inherit the lock.
    QProcess child;
    {
        DesktopPlatform first;
        QVERIFY(first.acquireSingleInstance());
        child.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(child.waitForStarted());
    }
    DesktopPlatform next;
    const bool acquired = next.acquireSingleInstance();
    child.kill();
    child.waitForFinished();
    QVERIFY(acquired);
}

void TestDesktopPlatform::liveProgramRefusesUntilKilled()
{
    ProgramCopy copy;
    QVERIFY(copy.make());
    QProcess first;
    copy.start(first, false);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(copy.tempDat()) && copy.lockHeld(), StartTimeout);

    QProcess second;
    copy.start(second, true);
    QVERIFY(second.waitForFinished(StartTimeout));
    QCOMPARE(QString::fromUtf8(second.readAllStandardOutput()), QStringLiteral("２重起動防止！\n"));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 1);
    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(QFile::exists(copy.tempDat()));

    // Killed, it leaves its lock file behind, and the next start goes ahead.
    first.kill();
    QVERIFY(first.waitForFinished(StartTimeout));
    QVERIFY(QFile::exists(copy.lockFile()));
    QProcess third;
    copy.start(third, true);
    QVERIFY(third.waitForFinished(StartTimeout));
    QCOMPARE(third.readAllStandardOutput(), QByteArray("window shown\n"));
    QCOMPARE(third.exitStatus(), QProcess::NormalExit);
    QCOMPARE(third.exitCode(), 0);
    QVERIFY(!QFile::exists(copy.tempDat())); // taken over by its start-up, removed when it closed
}

void TestDesktopPlatform::racingStartsLeaveOneRunning()
{
    ProgramCopy copy;
    QVERIFY(copy.make());
    for (int round = 0; round < 3; ++round) {
        QProcess a;
        QProcess b;
        copy.start(a, false);
        copy.start(b, false);
        // Two winners would both run on, and this would time out.
        QTRY_VERIFY_WITH_TIMEOUT(a.state() == QProcess::NotRunning || b.state() == QProcess::NotRunning,
                                 StartTimeout);
        QProcess &loser = a.state() == QProcess::NotRunning ? a : b;
        QProcess &winner = &loser == &a ? b : a;
        QCOMPARE(QString::fromUtf8(loser.readAllStandardOutput()), QStringLiteral("２重起動防止！\n"));
        QCOMPARE(loser.exitCode(), 1);
        QCOMPARE(winner.state(), QProcess::Running);
        QVERIFY(copy.lockHeld());
        winner.kill();
        QVERIFY(winner.waitForFinished(StartTimeout));
    }
}

void TestDesktopPlatform::snapshotNeverInAnInstalledFolder_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("othersFolder"); // the copy's folder belongs to another user
    QTest::addColumn<bool>("beside");
    // Every folder here can be written (by root, its owner or not): only the rule keeps them clean.
    QTest::newRow("portable copy: beside it") << false << false << true;
    QTest::newRow("installed tree: runtime folder") << true << false << false;
    QTest::newRow("copy in another user's folder: runtime folder") << false << true << false;
}

void TestDesktopPlatform::snapshotNeverInAnInstalledFolder()
{
    QFETCH(bool, installed);
    QFETCH(bool, othersFolder);
    QFETCH(bool, beside);
    ProgramCopy copy;
    QVERIFY(copy.make(installed ? ProgramCopy::Layout::Installed : ProgramCopy::Layout::Portable));
    if (othersFolder)
        QCOMPARE(::chown(QFile::encodeName(copy.bin()).constData(), ::geteuid() + 1, ::getegid()), 0);
    QVERIFY(QFileInfo(copy.bin()).isWritable());
    const QString expected = beside ? copy.tempDat() : copy.runtimeTempDat();
    const QString other = beside ? copy.runtimeTempDat() : copy.tempDat();
    QProcess program;
    copy.start(program, false);
    QVERIFY(program.waitForStarted(StartTimeout));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(expected) || program.state() != QProcess::Running, StartTimeout);
    QCOMPARE(program.state(), QProcess::Running);
    QVERIFY(!QFile::exists(other));
    // Ended as the system ends it, the program still takes its snapshot away.
    program.terminate();
    QVERIFY(program.waitForFinished(StartTimeout));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(!QFile::exists(expected));
    QVERIFY(!QFile::exists(other));
}

void TestDesktopPlatform::exitAfterShowAnswersStartBoxes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("out");
    QTest::newRow("no file") << QStringList() << QStringLiteral("window shown\n");
    QTest::newRow("a file that cannot be opened")
        << QStringList{QStringLiteral("/nonexistent/titles.txt")}
        << QStringLiteral("開けません！\r\nファイルでない可能性があります。\nwindow shown\n");
}

// Without VELNORA_UNATTENDED: the measurement's own variable must not leave a box waiting for a click.
void TestDesktopPlatform::exitAfterShowAnswersStartBoxes()
{
    QFETCH(QStringList, arguments);
    ProgramCopy copy;
    QVERIFY(copy.make());
    QProcess program;
    copy.start(program, true, arguments, false);
    QVERIFY(program.waitForFinished(StartTimeout));
    QTEST(QString::fromUtf8(program.readAllStandardOutput()), "out");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(!QFile::exists(copy.tempDat()));
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

void TestDesktopPlatform::dialogFiltersKeepCaptionsAndShowEveryFile_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("listedByLast"); // the files the last filter lists
    QTest::newRow("open") << QStringLiteral("テキストファイル(*.txt);;すべてのファイル(*.*)")
                          << QStringList{QStringLiteral("テキストファイル(*.txt)"),
                                         QStringLiteral("すべてのファイル(*.*)")}
                          << QStringList{QStringLiteral("a.txt"), QStringLiteral("b.dat"),
                                         QStringLiteral("titles")};
    QTest::newRow("save") << QStringLiteral("テキストファイル(*.txt)")
                          << QStringList{QStringLiteral("テキストファイル(*.txt)")}
                          << QStringList{QStringLiteral("a.txt")};
}

void TestDesktopPlatform::dialogFiltersKeepCaptionsAndShowEveryFile()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, listedByLast);
    QTemporaryDir dir;
    for (const char *name : {"a.txt", "b.dat", "titles"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    DesktopPlatform::setDialogFilters(dialog, filter);
    dialog.setDirectory(dir.path());
    dialog.selectNameFilter(dialog.nameFilters().constLast());

    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    QVERIFY(combo);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    QCOMPARE(shown, captions);

    auto *model = dialog.findChild<QFileSystemModel *>();
    QVERIFY(model);
    auto listed = [&] {
        QStringList names;
        const QModelIndex root = model->index(dir.path());
        for (int row = 0; row < model->rowCount(root); ++row)
            names << model->index(row, 0, root).data().toString();
        names.sort();
        return names;
    };
    QTRY_COMPARE(listed(), listedByLast);
}

QTEST_MAIN(TestDesktopPlatform)
#include "tst_desktopplatform.moc"
