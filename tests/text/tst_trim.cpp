#include "text/Trim.h"

#include <QtTest>

using namespace velnora;
using namespace Qt::StringLiterals;

class TestTrim : public QObject
{
    Q_OBJECT

private slots:
    void trim_data();
    void trim();
};

void TestTrim::trim_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("nothing to trim") << u"abc"_s << u"abc"_s;
    QTest::newRow("spaces both ends") << u"  abc  "_s << u"abc"_s;
    QTest::newRow("ideographic spaces both ends") << u"　abc　　"_s << u"abc"_s;
    QTest::newRow("mixed blanks") << u" 　 abc　 "_s << u"abc"_s;
    QTest::newRow("only blanks") << u" 　 "_s << QString();
    QTest::newRow("inner blanks stay") << u" a b　c "_s << u"a b　c"_s;
    QTest::newRow("blanks around inner breaks stay") << u" a \r\n b "_s << u"a \r\n b"_s;
    QTest::newRow("tab is not a blank") << u"\ta\t"_s << u"\ta\t"_s;
    QTest::newRow("line break is not a blank") << u"a\r\n"_s << u"a\r\n"_s;
    QTest::newRow("blank before trailing break stays") << u"a \r\n"_s << u"a \r\n"_s;
    QTest::newRow("no-break space is not a blank") << u"\u00a0a\u00a0"_s << u"\u00a0a\u00a0"_s;
    QTest::newRow("half-width katakana kept") << u" ｱ "_s << u"ｱ"_s;
}

void TestTrim::trim()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(trimBlanks(text), expected);
}

QTEST_GUILESS_MAIN(TestTrim)
#include "tst_trim.moc"
