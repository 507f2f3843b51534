#include "files/TextSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace velnora;

Q_DECLARE_METATYPE(velnora::SaveOutcome)

class TestFilesSave : public QObject
{
    Q_OBJECT

private slots:
    void writesCp932Bytes_data();
    void writesCp932Bytes();
    void replacesLongerFileWhole();
    void writesThroughLink();
    void unencodableWritesNothing_data();
    void unencodableWritesNothing();
    void writeFailureKeepsOldFile_data();
    void writeFailureKeepsOldFile();
    void fullDiskKeepsOldFile();
    void lineOfPosition_data();
    void lineOfPosition();
    void messages_data();
    void messages();

private:
    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

void TestFilesSave::writesCp932Bytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("x CR LF y, no break added") << QStringLiteral("x\r\ny") << QByteArray("x\r\ny");
    QTest::newRow("ending CR LF kept") << QStringLiteral("x\r\ny\r\n") << QByteArray("x\r\ny\r\n");
    QTest::newRow("empty text, empty file") << QString() << QByteArray();
    QTest::newRow("kanji and half-width katakana") << QStringLiteral("曲\tｱ") << QByteArray("\x8b\xc8\t\xb1");
    QTest::newRow("input-method wave dash is its cp932 twin") << QStringLiteral("A〜B")
                                                              << QByteArray("A\x81\x60"
                                                                            "B");
    QTest::newRow("full-width yen sign") << QStringLiteral("￥") << QByteArray("\x81\x8f");
    QTest::newRow("the other input-method twins")
        << QStringLiteral("‖−—¢£¬") << QByteArray("\x81\x61\x81\x7c\x81\x5c\x81\x91\x81\x92\x81\xca");
}

void TestFilesSave::writesCp932Bytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    const SaveOutcome outcome = saveTextFile(path, text);
    QVERIFY(outcome.ok());
    QCOMPARE(read(path), bytes);
}

void TestFilesSave::replacesLongerFileWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    write(path, QByteArray("a much longer old content\r\nsecond line\r\n"));
    QVERIFY(saveTextFile(path, QStringLiteral("new")).ok());
    QCOMPARE(read(path), QByteArray("new"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
}

// A link the user keeps in a handy folder must still lead to the file after the save.
void TestFilesSave::writesThroughLink()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.txt"));
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    write(target, QByteArray("old"));
    QVERIFY(QFile::link(QStringLiteral("target.txt"), link));
    QVERIFY(saveTextFile(link, QStringLiteral("new")).ok());
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(read(target), QByteArray("new"));
}

void TestFilesSave::unencodableWritesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QStringList>("characters");
    QTest::newRow("music sign on line 2")
        << QStringLiteral("a\r\nb♫c\r\n") << QList<int>{2} << QStringList{QStringLiteral("♫")};
    QTest::newRow("two on different lines") << QStringLiteral("€\r\n\r\nx😀") << QList<int>{1, 3}
                                            << QStringList{QStringLiteral("€"), QStringLiteral("😀")};
    QTest::newRow("hangul in a layout line")
        << QStringLiteral("ja\r\n0\tA\tB\r\n1\t한\r\n") << QList<int>{3} << QStringList{QStringLiteral("한")};
}

void TestFilesSave::unencodableWritesNothing()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, lines);
    QFETCH(QStringList, characters);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    write(path, QByteArray("old"));
    const SaveOutcome outcome = saveTextFile(path, text);
    QCOMPARE(outcome.status, SaveOutcome::Status::Unencodable);
    QCOMPARE(outcome.refused.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QCOMPARE(outcome.refused.at(i).line, lines.at(i));
        QCOMPARE(outcome.refused.at(i).character, characters.at(i));
    }
    QCOMPARE(read(path), QByteArray("old"));
    QVERIFY(!saveTextFile(dir.filePath(QStringLiteral("new.txt")), text).ok());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("new.txt"))));
}

void TestFilesSave::writeFailureKeepsOldFile_data()
{
    QTest::addColumn<QString>("name"); // in the temporary folder; "/..." is absolute
    QTest::newRow("missing folder") << QStringLiteral("missing/out.txt");
    QTest::newRow("parent is a regular file") << QStringLiteral("plain.txt/out.txt");
    QTest::newRow("read-only system file") << QStringLiteral("/proc/version");
    QTest::newRow("new file in a system folder") << QStringLiteral("/proc/velnora-out.txt");
    QTest::newRow("path is a folder") << QStringLiteral("folder");
    QTest::newRow("path is a pipe") << QStringLiteral("pipe");
    QTest::newRow("link to a pipe") << QStringLiteral("pipelink");
}

void TestFilesSave::writeFailureKeepsOldFile()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    write(dir.filePath(QStringLiteral("plain.txt")), QByteArray("plain"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600) == 0);
    QVERIFY(QFile::link(QStringLiteral("pipe"), dir.filePath(QStringLiteral("pipelink"))));
    const QString path = name.startsWith(QLatin1Char('/')) ? name : dir.filePath(name);
    const bool pipe = name.startsWith(QLatin1String("pipe"));
    const QByteArray before = pipe ? QByteArray() : read(path); // reading a pipe would wait
    const SaveOutcome outcome = saveTextFile(path, QStringLiteral("new text"));
    QCOMPARE(outcome.status, SaveOutcome::Status::WriteFailed);
    QVERIFY(!outcome.error.reason.isEmpty());
    if (pipe) {
        struct stat st = {};
        QVERIFY(::stat(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), &st) == 0);
        QVERIFY(S_ISFIFO(st.st_mode));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("pipelink"))).isSymLink());
    } else {
        QCOMPARE(read(path), before);
    }
    QCOMPARE(read(dir.filePath(QStringLiteral("plain.txt"))), QByteArray("plain"));
}

// A disk that fills up half-way: the file-size limit makes the write fail part-way, for root too.
void TestFilesSave::fullDiskKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    write(path, QByteArray("old titles\r\n"));
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous = {};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &previous) == 0);
    rlimit small = previous;
    small.rlim_cur = 1000;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    const SaveOutcome outcome = saveTextFile(path, QString(5000, QLatin1Char('x')));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(outcome.status, SaveOutcome::Status::WriteFailed);
    // The system's reason in the user's language (the tests run in ja_JP.UTF-8), not Qt's English.
    QCOMPARE(outcome.error.reason, QStringLiteral("ファイルが大きすぎます"));
    QCOMPARE(read(path), QByteArray("old titles\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
}

void TestFilesSave::lineOfPosition_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("line");
    QTest::newRow("start") << QStringLiteral("ab\r\ncd") << 0 << 1;
    QTest::newRow("on the CR") << QStringLiteral("ab\r\ncd") << 2 << 1;
    QTest::newRow("after the break") << QStringLiteral("ab\r\ncd") << 4 << 2;
    QTest::newRow("empty lines count") << QStringLiteral("\r\n\r\nx") << 4 << 3;
    QTest::newRow("lone LF does not cut") << QStringLiteral("a\nb\rc") << 4 << 1;
}

void TestFilesSave::lineOfPosition()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(int, line);
    QCOMPARE(velnora::lineOfPosition(text, position), line);
}

void TestFilesSave::messages_data()
{
    QTest::addColumn<SaveOutcome>("outcome");
    QTest::addColumn<QString>("message");
    SaveOutcome failed;
    failed.status = SaveOutcome::Status::WriteFailed;
    failed.error.reason = QStringLiteral("Permission denied");
    QTest::newRow("write failure names file and reason")
        << failed << QStringLiteral("保存できませんでした。\r\n/d/a.txt\r\nPermission denied");
    SaveOutcome refused;
    refused.status = SaveOutcome::Status::Unencodable;
    refused.refused = {{2, QStringLiteral("♫")}, {5, QStringLiteral("😀")}};
    QTest::newRow("refused characters with lines")
        << refused
        << QStringLiteral(
               "保存できませんでした。\r\n/d/a.txt\r\nShift_JIS(cp932)で保存できない文字があります。"
               "\r\n2行目「♫」(U+266B)\r\n5行目「😀」(U+1F600)");
    SaveOutcome many;
    many.status = SaveOutcome::Status::Unencodable;
    for (int i = 1; i <= 22; ++i)
        many.refused.append({i, QStringLiteral("♫")});
    QString expected = QStringLiteral(
        "保存できませんでした。\r\n/d/a.txt\r\nShift_JIS(cp932)で保存できない文字があります。");
    for (int i = 1; i <= 20; ++i)
        expected += QStringLiteral("\r\n%1行目「♫」(U+266B)").arg(i);
    expected += QStringLiteral("\r\nほか2文字");
    QTest::newRow("long list is cut after 20") << many << expected;
}

void TestFilesSave::messages()
{
    QFETCH(SaveOutcome, outcome);
    QFETCH(QString, message);
    QCOMPARE(saveErrorMessage(QStringLiteral("/d/a.txt"), outcome), message);
    QCOMPARE(saveErrorTitle(), QStringLiteral("保存エラー"));
}

QTEST_GUILESS_MAIN(TestFilesSave)
#include "tst_filessave.moc"
