#include "document/Document.h"

#include <QTest>

using namespace velnora;

class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void loadLines_data();
    void loadLines();
    void commandLinePath_data();
    void commandLinePath();
    void titleRecordsFile();
};

void TestDocument::loadLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");
    const QString keepAlbum = QStringLiteral("Old album");
    const QString keepArtist = QStringLiteral("Old artist");
    QTest::newRow("disc line A B") << QStringList{QStringLiteral("0\tA\tB"), QStringLiteral("1\tx")}
                                   << QStringLiteral("A") << QStringLiteral("B")
                                   << QStringLiteral("0\tA\tB\r\n1\tx\r\n");
    QTest::newRow("last field wins") << QStringList{QStringLiteral("0\tA\tB\tC")} << QStringLiteral("A")
                                     << QStringLiteral("C") << QStringLiteral("0\tA\tB\tC\r\n");
    QTest::newRow("disc line in the middle")
        << QStringList{QStringLiteral("x"), QStringLiteral("0\tA\tB")} << QStringLiteral("A")
        << QStringLiteral("B") << QStringLiteral("x\r\n0\tA\tB\r\n");
    QTest::newRow("only field 1 keeps the artist")
        << QStringList{QStringLiteral("0\tA")} << QStringLiteral("A") << keepArtist
        << QStringLiteral("0\tA\r\n");
    QTest::newRow("plain lines keep album and artist")
        << QStringList{QStringLiteral("x"), QStringLiteral("y")} << keepAlbum << keepArtist
        << QStringLiteral("x\r\ny\r\n");
    QTest::newRow("0 without TAB is a title")
        << QStringList{QStringLiteral("0 A")} << keepAlbum << keepArtist << QStringLiteral("0 A\r\n");
    QTest::newRow("lone LF stays in its line")
        << QStringList{QStringLiteral("a\nb")} << keepAlbum << keepArtist << QStringLiteral("a\nb\r\n");
    QTest::newRow("no lines") << QStringList{} << keepAlbum << keepArtist << QString();
}

void TestDocument::loadLines()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(QString, titles);
    Document doc{QStringLiteral("Old album"), QStringLiteral("Old artist"), QString()};
    velnora::loadLines(doc, lines);
    QCOMPARE(doc.album, album);
    QCOMPARE(doc.artist, artist);
    QCOMPARE(doc.titles, titles);
}

void TestDocument::commandLinePath_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("path");
    QTest::newRow("quoted path with blanks")
        << QStringLiteral("\"/tmp/my titles.txt\"") << QStringLiteral("/tmp/my titles.txt");
    QTest::newRow("unquoted path with blanks used whole")
        << QStringLiteral("/tmp/my titles.txt") << QStringLiteral("/tmp/my titles.txt");
    QTest::newRow("quote only at the end stays")
        << QStringLiteral("/tmp/a.txt\"") << QStringLiteral("/tmp/a.txt\"");
    QTest::newRow("empty") << QString() << QString();
}

void TestDocument::commandLinePath()
{
    QFETCH(QString, commandLine);
    QFETCH(QString, path);
    QCOMPARE(velnora::commandLinePath(commandLine), path);
}

void TestDocument::titleRecordsFile()
{
    const QString path = QStringLiteral("/home/user/アルバム.txt");
    QCOMPARE(titleForFile(path), QStringLiteral("VELNORA - /home/user/アルバム.txt"));
}

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
