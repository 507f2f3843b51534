#include "ui/LayoutRule.h"

#include <QTest>

using namespace velnora;

class TestLayoutRule : public QObject
{
    Q_OBJECT

private slots:
    void sizeLimits_data();
    void sizeLimits();
    void arrangement_data();
    void arrangement();
    void minimizedKeepsLayout();
};

void TestLayoutRule::sizeLimits_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("newSize");
    const int setWidth = int(LayoutDecision::Kind::SetWidth);
    const int setHeight = int(LayoutDecision::Kind::SetHeight);
    const int arrange = int(LayoutDecision::Kind::Arrange);
    QTest::newRow("dragged to 5000 wide") << 5000 << 9000 << setWidth << 5670;
    QTest::newRow("dragged to 8000 high") << 6000 << 8000 << setHeight << 8400;
    QTest::newRow("both too small: width first") << 5000 << 8000 << setWidth << 5670;
    QTest::newRow("start-up height 8200") << 5670 << 8200 << setHeight << 8400;
    QTest::newRow("exactly the minimum") << 5670 << 8400 << arrange << 0;
    QTest::newRow("one twip too narrow") << 5669 << 8400 << setWidth << 5670;
}

void TestLayoutRule::sizeLimits()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, kind);
    QFETCH(int, newSize);
    const LayoutDecision d = layoutRule({width, height, 0, false, false});
    QCOMPARE(int(d.kind), kind);
    if (d.kind != LayoutDecision::Kind::Arrange)
        QCOMPARE(d.newSize, newSize);
}

void TestLayoutRule::arrangement_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("showList");
    QTest::addColumn<int>("titleLeft");
    QTest::addColumn<int>("titleWidth");
    QTest::addColumn<int>("titleHeight");
    QTest::addColumn<int>("albumWidth");
    QTest::addColumn<int>("artistLeft");
    QTest::newRow("minimum size, empty")
        << 5670 << 8400 << 0 << false << true << 465 << 5010 << 4245 << 2625 << 2835;
    QTest::newRow("21 entries shown")
        << 5670 << 8400 << 21 << false << true << 465 << 5010 << 4245 << 2625 << 2835;
    QTest::newRow("22 entries hidden")
        << 5670 << 8400 << 22 << false << false << 105 << 5355 << 4245 << 2625 << 2835;
    QTest::newRow("edited state, few lines")
        << 5670 << 8400 << 3 << true << false << 105 << 5355 << 4245 << 2625 << 2835;
    QTest::newRow("larger window") << 9000 << 10000 << 5 << false << true << 465 << 8340 << 5845 << 4290
                                   << 4500;
}

void TestLayoutRule::arrangement()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, entries);
    QFETCH(bool, edited);
    QFETCH(bool, showList);
    QFETCH(int, titleLeft);
    QFETCH(int, titleWidth);
    QFETCH(int, titleHeight);
    QFETCH(int, albumWidth);
    QFETCH(int, artistLeft);
    const LayoutDecision d = layoutRule({width, height, entries, edited, false});
    QCOMPARE(d.kind, LayoutDecision::Kind::Arrange);
    const Layout &l = d.layout;
    QCOMPARE(l.showList, showList);
    QCOMPARE(l.titleLeft, titleLeft);
    QCOMPARE(l.titleWidth, titleWidth);
    QCOMPARE(l.titleHeight, titleHeight);
    QCOMPARE(l.listHeight, titleHeight - 135);
    QCOMPARE(l.albumWidth, albumWidth);
    QCOMPARE(l.artistLeft, artistLeft);
    QCOMPARE(l.upTop, titleHeight + 750);
    QCOMPARE(l.downTop, titleHeight + 960);
    QCOMPARE(l.frame1Top, titleHeight + 1080);
}

void TestLayoutRule::minimizedKeepsLayout()
{
    QCOMPARE(layoutRule({100, 100, 0, false, true}).kind, LayoutDecision::Kind::Nothing);
}

QTEST_GUILESS_MAIN(TestLayoutRule)
#include "tst_layoutrule.moc"
