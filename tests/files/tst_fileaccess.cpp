#include "files/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <linux/fs.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velnora;

class TestFileAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void readIsBounded_data();
    void readIsBounded();
    void writeObeysTheSystem_data();
    void writeObeysTheSystem();

private:
    // A second, ordinary user; m_uid stays 0 when none could be made.
    QString m_user;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
    FileError writeAsUser(const QString &path, const QByteArray &bytes) const;
};

void TestFileAccess::initTestCase()
{
    m_user = QStringLiteral("velnora_t%1").arg(::getpid());
    if (QProcess::execute(QStringLiteral("useradd"), {QStringLiteral("-M"), QStringLiteral("-s"),
                                                      QStringLiteral("/usr/sbin/nologin"), m_user}) != 0)
        return;
    if (const passwd *user = ::getpwnam(m_user.toLatin1().constData())) {
        m_uid = user->pw_uid;
        m_gid = user->pw_gid;
    }
}

void TestFileAccess::cleanupTestCase()
{
    if (m_uid != 0)
        QProcess::execute(QStringLiteral("userdel"), {m_user});
}

// The writer run by the second user in a child process; the parent keeps root.
FileError TestFileAccess::writeAsUser(const QString &path, const QByteArray &bytes) const
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(m_gid) != 0 || ::setuid(m_uid) != 0)
            ::_exit(255);
        ::_exit(writeFileAtomically(path, bytes, Links::Follow).code & 0xff);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 255)
        return {-1, QStringLiteral("the child did not run")};
    const int code = WEXITSTATUS(status);
    return {code, code != 0 ? systemReason(code) : QString()};
}

void TestFileAccess::readIsBounded_data()
{
    QTest::addColumn<QString>("name"); // in the temporary folder; "/..." is absolute
    QTest::addColumn<qint64>("cap");
    QTest::addColumn<bool>("followLinks");
    QTest::addColumn<QString>("outcome"); // "ok", "too large" or the reason
    QTest::addColumn<QByteArray>("bytes");
    const QString notRegular = QStringLiteral("通常のファイルではありません。");
    QTest::newRow("within the cap") << QStringLiteral("abc.txt") << qint64(5) << true << QStringLiteral("ok")
                                    << QByteArray("abc");
    QTest::newRow("exactly the cap") << QStringLiteral("abc.txt") << qint64(3) << true << QStringLiteral("ok")
                                     << QByteArray("abc");
    QTest::newRow("one byte over the cap")
        << QStringLiteral("abc.txt") << qint64(2) << true << QStringLiteral("too large") << QByteArray("abc");
    QTest::newRow("size 0 that never ends") << QStringLiteral("/proc/self/pagemap") << qint64(100000) << true
                                            << QStringLiteral("too large") << QByteArray();
    QTest::newRow("device") << QStringLiteral("/dev/zero") << qint64(100) << true << notRegular
                            << QByteArray();
    QTest::newRow("pipe without a writer is not waited for")
        << QStringLiteral("pipe") << qint64(100) << true << notRegular << QByteArray();
    QTest::newRow("folder") << QStringLiteral("folder") << qint64(100) << true << notRegular << QByteArray();
    QTest::newRow("link to the user's file is followed")
        << QStringLiteral("link") << qint64(100) << true << QStringLiteral("ok") << QByteArray("abc");
    QTest::newRow("link in place of the program's file is not")
        << QStringLiteral("link") << qint64(100) << false
        << QStringLiteral("シンボリックリンクの階層が多すぎます") << QByteArray();
    QTest::newRow("missing file, reason in the user's language")
        << QStringLiteral("missing.txt") << qint64(100) << true
        << QStringLiteral("そのようなファイルやディレクトリはありません") << QByteArray();
}

void TestFileAccess::readIsBounded()
{
    QFETCH(QString, name);
    QFETCH(qint64, cap);
    QFETCH(bool, followLinks);
    QFETCH(QString, outcome);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QFile abc(dir.filePath(QStringLiteral("abc.txt")));
    QVERIFY(abc.open(QIODevice::WriteOnly) && abc.write("abc") == 3);
    abc.close();
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600) == 0);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(QFile::link(QStringLiteral("abc.txt"), dir.filePath(QStringLiteral("link"))));
    const QString path = name.startsWith(QLatin1Char('/')) ? name : dir.filePath(name);

    const FileRead read = readFileBounded(path, cap, followLinks ? Links::Follow : Links::Refuse);
    if (outcome == QStringLiteral("ok")) {
        QVERIFY(read.ok());
        QCOMPARE(read.bytes, bytes);
    } else if (outcome == QStringLiteral("too large")) {
        QVERIFY(read.tooLarge);
        QVERIFY(!read.ok());
        QVERIFY(read.bytes.size() <= cap + 1);
    } else {
        QVERIFY(read.error.failed());
        QCOMPARE(read.error.reason, outcome);
    }
}

void TestFileAccess::writeObeysTheSystem_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("asUser");    // written by the second user instead of root
    QTest::addColumn<int>("size");       // of the new bytes; 0 for a short text
    QTest::addColumn<QString>("reason"); // empty when written
    QTest::addColumn<bool>("sameFile");  // written in place: the same inode, owner and links
    const QString denied = QStringLiteral("許可がありません");
    QTest::newRow("own file: a new file renamed over it, mode kept")
        << QStringLiteral("ordinary") << false << 0 << QString() << false;
    QTest::newRow("own file of another group: the new file takes its group")
        << QStringLiteral("other group") << false << 0 << QString() << false;
    QTest::newRow("protected link in a sticky folder to a root-only file")
        << QStringLiteral("protected link") << false << 0 << denied << true;
    QTest::newRow("protected dangling link: nothing made where it leads")
        << QStringLiteral("protected dangling link") << false << 0 << denied << true;
    QTest::newRow("dangling link of root's own: the file is made where it leads")
        << QStringLiteral("dangling link") << false << 0 << QString() << false;
    QTest::newRow("read-only file of an ordinary user")
        << QStringLiteral("read-only") << true << 0 << denied << true;
    QTest::newRow("immutable file, for root too")
        << QStringLiteral("immutable") << false << 0 << QStringLiteral("許可されていない操作です") << true;
    QTest::newRow("own file in a folder the user cannot write: in place")
        << QStringLiteral("locked folder") << true << 0 << QString() << true;
    QTest::newRow("hard-linked file: every name shows the new bytes")
        << QStringLiteral("hard link") << false << 0 << QString() << true;
    QTest::newRow("another owner's file keeps its owner")
        << QStringLiteral("other owner") << false << 0 << QString() << true;
    QTest::newRow("in place over the file-size limit: old bytes kept")
        << QStringLiteral("hard link") << false << 5000 << QStringLiteral("ファイルが大きすぎます") << true;
    QTest::newRow("in place on a full disk: old bytes kept")
        << QStringLiteral("small disk") << false << 65536 << QStringLiteral("デバイスに空き領域がありません")
        << true;
}

void TestFileAccess::writeObeysTheSystem()
{
    QFETCH(QString, setup);
    QFETCH(bool, asUser);
    QFETCH(int, size);
    QFETCH(QString, reason);
    QFETCH(bool, sameFile);
    const bool needsUser =
        asUser || setup.contains(QLatin1String("protected")) || setup.startsWith(QLatin1String("other"));
    if (needsUser && m_uid == 0)
        QSKIP("no second user: useradd failed");
    QTemporaryDir dir;
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
    const auto native = [&dir](const QString &name) { return QFile::encodeName(dir.filePath(name)); };
    const auto put = [](const QByteArray &path, const QByteArray &bytes, mode_t mode, uid_t uid, gid_t gid) {
        QFile file(QFile::decodeName(path));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
               ::chmod(path.constData(), mode) == 0 && ::chown(path.constData(), uid, gid) == 0;
    };
    QByteArray folder = native(QStringLiteral("files"));
    QVERIFY(::mkdir(folder.constData(), 0755) == 0);
    QByteArray target = folder + "/f.txt";
    QByteArray path = target;
    // Longer than the file-size limit's new bytes: cutting it to their size is allowed, writing them not.
    const QByteArray old = size == 5000 ? QByteArray(8000, 'o') : QByteArray("old titles\r\n");
    const QByteArray bytes = size == 0 ? QByteArray("new\r\n") : QByteArray(size, 'x');
    QByteArray second;             // another name of the target
    std::function<void()> undo;    // the file's own change
    std::function<void()> restore; // the system's
    const auto cleanup = qScopeGuard([&undo, &restore] {
        if (undo)
            undo();
        if (restore)
            restore();
    });
    if (setup.contains(QLatin1String("protected"))) {
        // A sysctl takes a value written at its start only: a fresh open for each write.
        const auto setSysctl = [](const QByteArray &value) {
            QFile file(QStringLiteral("/proc/sys/fs/protected_symlinks"));
            return file.open(QIODevice::WriteOnly) && file.write(value) == value.size() && file.flush();
        };
        QFile sysctl(QStringLiteral("/proc/sys/fs/protected_symlinks"));
        const QByteArray before =
            sysctl.open(QIODevice::ReadOnly) ? sysctl.readAll().trimmed() : QByteArray();
        if (before.isEmpty() || !setSysctl("1"))
            QSKIP("fs.protected_symlinks cannot be set here");
        restore = [before, setSysctl] { setSysctl(before); };
        QVERIFY(::chmod(folder.constData(), 0700) == 0);
        const QByteArray sticky = native(QStringLiteral("sticky"));
        QVERIFY(::mkdir(sticky.constData(), 0755) == 0 && ::chmod(sticky.constData(), 01777) == 0);
        path = sticky + "/evil.cdt";
        if (setup.contains(QLatin1String("dangling")))
            target = folder + "/new.txt";
        QVERIFY(::symlink(target.constData(), path.constData()) == 0);
        QVERIFY(::lchown(path.constData(), m_uid, m_gid) == 0);
    } else if (setup == QLatin1String("dangling link")) {
        path = native(QStringLiteral("link.txt"));
        QVERIFY(::symlink("files/f.txt", path.constData()) == 0);
    } else if (setup == QLatin1String("small disk")) {
        if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=16k") != 0)
            QSKIP("no tmpfs can be mounted here");
        restore = [folder] { ::umount(folder.constData()); };
    }
    const bool exists = !setup.contains(QLatin1String("dangling"));
    const mode_t mode = setup == QLatin1String("read-only")          ? 0444
                        : setup.contains(QLatin1String("protected")) ? 0600
                                                                     : 0640;
    const uid_t owner = asUser || setup == QLatin1String("other owner") ? m_uid : 0;
    if (exists)
        QVERIFY(put(target, old, mode, owner, asUser || setup == QLatin1String("other group") ? m_gid : 0));
    if (setup == QLatin1String("locked folder"))
        QVERIFY(::chmod(folder.constData(), 0555) == 0);
    if (setup == QLatin1String("read-only"))
        QVERIFY(::chown(folder.constData(), m_uid, m_gid) == 0); // a rename would be allowed
    if (setup == QLatin1String("hard link") || setup == QLatin1String("small disk")) {
        second = folder + "/second.txt";
        QVERIFY(::link(target.constData(), second.constData()) == 0);
    }
    if (setup == QLatin1String("immutable")) {
        const int fd = ::open(target.constData(), O_RDONLY);
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0 ||
            (flags |= FS_IMMUTABLE_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flags)) != 0) {
            ::close(fd);
            QSKIP("no immutable files on this file system");
        }
        undo = [fd, flags] {
            int back = flags & ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &back);
            ::close(fd);
        };
    }
    struct stat before = {};
    if (exists)
        QVERIFY(::stat(target.constData(), &before) == 0);
    const QStringList entries = QDir(QFile::decodeName(folder)).entryList(QDir::AllEntries | QDir::Hidden);

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous = {};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &previous) == 0);
    rlimit small = previous;
    small.rlim_cur = 1000;
    if (size == 5000) // the row of the file-size limit
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    const QString name = QFile::decodeName(path);
    const FileError error =
        asUser ? writeAsUser(name, bytes) : writeFileAtomically(name, bytes, Links::Follow);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(error.reason, reason);
    QFile written(QFile::decodeName(target));
    if (!reason.isEmpty()) {
        QCOMPARE(written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray("<missing>"),
                 exists ? old : QByteArray("<missing>"));
        QCOMPARE(QDir(QFile::decodeName(folder)).entryList(QDir::AllEntries | QDir::Hidden), entries);
    } else {
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), bytes);
    }
    if (!second.isEmpty()) {
        QFile other(QFile::decodeName(second));
        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(other.readAll(), reason.isEmpty() ? bytes : old);
    }
    struct stat after = {};
    QCOMPARE(::lstat(path.constData(), &after) == 0 && S_ISLNK(after.st_mode), path != target);
    if (!exists)
        return;
    QVERIFY(::stat(target.constData(), &after) == 0);
    QCOMPARE(after.st_ino == before.st_ino, sameFile);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_nlink, before.st_nlink);
}

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess.moc"
