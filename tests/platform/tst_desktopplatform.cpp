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
    void dialogFiltersKeepCaptionsAndShowEveryFile_data();
    void dialogFiltersKeepCaptionsAndShowEveryFile();

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
