#include "titles/SortTitles.h"

#include <QCollator>
#include <QLocale>
#include <QTest>

using namespace velnora;

namespace
{

QCollator japaneseCollator()
{
    QCollator c{QLocale(QLocale::Japanese, QLocale::Japan)};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
}

} // namespace

class TestSortTitles : public QObject
{
    Q_OBJECT

private slots:
    void sort_data();
    void sort();
    void directionAlternates();
    void sortingTwiceTheSameWayChangesNothing();
    void systemCollatorIsCaseInsensitive();
};

void TestSortTitles::sort_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ascending") << u"C\r\nA\r\nB\r\n"_qs << true << u"A\r\nB\r\nC\r\n"_qs;
    QTest::newRow("descending") << u"C\r\nA\r\nB\r\n"_qs << false << u"C\r\nB\r\nA\r\n"_qs;
    QTest::newRow("no final line break keeps both titles") << u"B\r\nA"_qs << true << u"A\r\nB\r\n"_qs;
    QTest::newRow("blanks around titles go; a blank line becomes empty")
        << u"  B \r\n   \r\n\u3000A\u3000\r\n"_qs << true << u"\r\nA\r\nB\r\n"_qs;
    QTest::newRow("one of two empty pieces left out, ascending")
        << u"B\r\n\r\nA\r\n"_qs << true << u"\r\nA\r\nB\r\n"_qs;
    QTest::newRow("one of two empty pieces left out, descending")
        << u"B\r\n\r\nA\r\n"_qs << false << u"B\r\nA\r\n\r\n"_qs;
    QTest::newRow("apple before Banana") << u"Banana\r\napple\r\n"_qs << true << u"apple\r\nBanana\r\n"_qs;
    QTest::newRow("case-only differences keep their order")
        << u"b\r\nApple\r\nB\r\napple\r\n"_qs << true << u"Apple\r\napple\r\nb\r\nB\r\n"_qs;
    QTest::newRow("case-only differences keep their order descending")
        << u"b\r\nApple\r\nB\r\napple\r\n"_qs << false << u"b\r\nB\r\nApple\r\napple\r\n"_qs;
    QTest::newRow("no numeric awareness") << u"2\r\n10\r\n1\r\n"_qs << true << u"1\r\n10\r\n2\r\n"_qs;
    QTest::newRow("empty text") << QString() << true << QString();
    QTest::newRow("only a line break") << u"\r\n"_qs << true << u"\r\n"_qs;
    QTest::newRow("kana in gojuon order")
        << u"さくら\r\nあめ\r\nかぜ\r\n"_qs << true << u"あめ\r\nかぜ\r\nさくら\r\n"_qs;
}

void TestSortTitles::sort()
{
    QFETCH(QString, text);
    QFETCH(bool, ascending);
    QFETCH(QString, expected);
    const SortResult result = sortTitles(text, ascending, japaneseCollator());
    QCOMPARE(result.text, expected);
    QCOMPARE(result.sortFlag, !ascending);
}

void TestSortTitles::directionAlternates()
{
    const QCollator c = japaneseCollator();
    SortResult r{u"C\r\nA\r\nB\r\n"_qs, true};
    const QStringList expected = {u"A\r\nB\r\nC\r\n"_qs, u"C\r\nB\r\nA\r\n"_qs, u"A\r\nB\r\nC\r\n"_qs};
    for (const QString &e : expected) {
        const bool flag = r.sortFlag;
        r = sortTitles(r.text, r.sortFlag, c);
        QCOMPARE(r.text, e);
        QCOMPARE(r.sortFlag, !flag);
    }
    const SortResult empty = sortTitles(QString(), false, c);
    QCOMPARE(empty.text, QString());
    QCOMPARE(empty.sortFlag, true);
}

void TestSortTitles::sortingTwiceTheSameWayChangesNothing()
{
    const QCollator c = japaneseCollator();
    const QString text = u"b\r\nA\r\na\r\nB\r\nＡ\r\n曲\r\n"_qs;
    for (bool ascending : {true, false}) {
        const QString once = sortTitles(text, ascending, c).text;
        QCOMPARE(sortTitles(once, ascending, c).text, once);
    }
}

void TestSortTitles::systemCollatorIsCaseInsensitive()
{
    const QCollator c = titleCollator();
    QCOMPARE(c.caseSensitivity(), Qt::CaseInsensitive);
    QVERIFY(!c.numericMode());
    QCOMPARE(c.locale(), QLocale::system());
}

QTEST_GUILESS_MAIN(TestSortTitles)
#include "tst_sorttitles.moc"
