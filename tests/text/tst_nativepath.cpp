#include "text/NativePath.h"

#include <QtTest>

using namespace velnora;
using namespace Qt::StringLiterals;

class TestNativePath : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
};

void TestNativePath::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ascii") << QByteArray("/m/a b.txt") << u"/m/a b.txt"_s << u"/m/a b.txt"_s;
    QTest::newRow("utf-8 japanese") << QByteArray("/m/\xe6\x9b\xb2.txt") << u"/m/曲.txt"_s << u"/m/曲.txt"_s;
    QTest::newRow("cp932 name from an old system")
        << QByteArray("/m/\x82\xa0.txt") << (u"/m/"_s + QChar(0xdc82) + QChar(0xdca0) + u".txt"_s)
        << u"/m/\ufffd\ufffd.txt"_s;
    QTest::newRow("cut-off utf-8 at the end")
        << QByteArray("a\xe3\x81") << (u"a"_s + QChar(0xdce3) + QChar(0xdc81)) << u"a\ufffd\ufffd"_s;
    QTest::newRow("overlong slash stays two bytes")
        << QByteArray("\xc0\xaf") << (QString() + QChar(0xdcc0) + QChar(0xdcaf)) << u"\ufffd\ufffd"_s;
    QTest::newRow("encoded surrogate is three bytes")
        << QByteArray("\xed\xa0\x80") << (QString() + QChar(0xdced) + QChar(0xdca0) + QChar(0xdc80))
        << u"\ufffd\ufffd\ufffd"_s;
    QTest::newRow("four-byte character") << QByteArray("\xf0\x9f\x98\x80") << u"😀"_s << u"😀"_s;
}

void TestNativePath::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QCOMPARE(fromNativePath(bytes), path);
    QCOMPARE(toNativePath(path), bytes);
    QCOMPARE(displayPath(path), shown);
}

QTEST_GUILESS_MAIN(TestNativePath)
#include "tst_nativepath.moc"
