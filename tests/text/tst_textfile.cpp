#include "text/TextFile.h"

#include <QtTest>

using namespace velnora;
using namespace Qt::StringLiterals;

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
};

void TestTextFile::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("ascii") << QByteArray("Title 1\r\nTitle 2\r\n") << u"Title 1\r\nTitle 2\r\n"_s;
    QTest::newRow("ascii backslash and tilde") << QByteArray("C:\\a~b") << u"C:\\a~b"_s;
    QTest::newRow("cp932 hiragana") << QByteArray::fromHex("82a082a2") << u"あい"_s;
    QTest::newRow("cp932 kanji with crlf") << QByteArray::fromHex("8abf8e9a0d0a41") << u"漢字\r\nA"_s;
    QTest::newRow("cp932 half-width katakana") << QByteArray::fromHex("b1b2b3") << u"ｱｲｳ"_s;
    QTest::newRow("cp932 bad byte") << QByteArray::fromHex("82a0ff41") << u"あ\ufffdA"_s;
    QTest::newRow("utf-8 without bom") << QByteArray("\xe3\x81\x82\xe3\x81\x84") << u"あい"_s;
    QTest::newRow("utf-8 with bom") << QByteArray("\xef\xbb\xbf\xe3\x81\x82\r\n") << u"あ\r\n"_s;
    QTest::newRow("bom before ascii keeps the first letter") << QByteArray("\xef\xbb\xbf"
                                                                           "abc")
                                                             << u"abc"_s;
    QTest::newRow("only a bom") << QByteArray("\xef\xbb\xbf") << QString();
    QTest::newRow("second bom is text") << QByteArray("\xef\xbb\xbf\xef\xbb\xbfx") << u"\ufeffx"_s;
    QTest::newRow("utf-8 lone cr and lf kept") << QByteArray("\xc3\xa9\ra\nb") << u"é\ra\nb"_s;
    QTest::newRow("utf-8 four-byte character") << QByteArray("\xf0\x9f\x98\x80") << u"😀"_s;
    QTest::newRow("bom with a damaged byte") << QByteArray("\xef\xbb\xbf"
                                                           "A\xff"
                                                           "B\xe3\x81\x82")
                                             << u"A\ufffdBあ"_s;
    QTest::newRow("truncated utf-8 is cp932") << QByteArray("a\xe3\x81") << u"a縺"_s;
    QTest::newRow("overlong utf-8 is cp932") << QByteArray("\xc0\xaf") << u"ﾀｯ"_s;
    QTest::newRow("utf-16 le with bom, as Notepad saves")
        << QByteArray("\xff\xfe\x42\x30\r\0\n\0A\0", 10) << u"あ\r\nA"_s;
    QTest::newRow("utf-16 be with bom") << QByteArray("\xfe\xff\x30\x42\0B", 6) << u"あB"_s;
    QTest::newRow("utf-16 cut-off last byte") << QByteArray("\xff\xfe\x41\0\x42", 5) << u"A\ufffd"_s;
    QTest::newRow("utf-16 BE mark and one odd byte") << QByteArray("\xfe\xff\x68", 3) << u"\ufffd"_s;
    QTest::newRow("second utf-16 bom is text") << QByteArray("\xfe\xff\xfe\xff", 4) << u"\ufeff"_s;
    QTest::newRow("only a utf-16 bom") << QByteArray("\xff\xfe") << QString();
    QTest::newRow("utf-8 surrogate is cp932") << QByteArray("\xed\xa0\x80") << u"恝\ufffd"_s;
}

void TestTextFile::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(decodeFileBytes(bytes), expected);
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
