#include "app/logic/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace velnora;

class TestFileAccess : public QObject
{
    Q_OBJECT

private slots:
    void readIsBounded_data();
    void readIsBounded();
};

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

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess.moc"
