#include "titles/TitleList.h"

#include <QTest>

using namespace velnora;

Q_DECLARE_METATYPE(velnora::MoveDirection)
Q_DECLARE_METATYPE(velnora::Move::Kind)

namespace
{
constexpr int None = 0; // no entry selected
constexpr auto Up = MoveDirection::Up;
constexpr auto Down = MoveDirection::Down;
} // namespace

class TestTitleList : public QObject
{
    Q_OBJECT

private slots:
    void highlight_data();
    void highlight();
    void move_data();
    void move();
    void repeatedUpMovesTheSameTitleToTheTop();
    void showColumn_data();
    void showColumn();
};

void TestTitleList::highlight_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("appendLineBreak");
    QTest::addColumn<int>("start"); // -1: no selection
    QTest::addColumn<int>("length");

    QTest::newRow("third line abc after abcabc and x")
        << u"abcabc\r\nx\r\nabc\r\n"_qs << 3 << false << 11 << 3;
    QTest::newRow("Longer after A") << u"A\r\nLonger\r\n"_qs << 2 << false << 3 << 6;
    QTest::newRow("third In after Intro") << u"In\r\nIntro\r\nIn\r\n"_qs << 3 << false << 11 << 2;
    QTest::newRow("first line") << u"A\r\nB\r\n"_qs << 1 << false << 0 << 1;
    QTest::newRow("empty line gives an empty selection at its start")
        << u"A\r\n\r\nB\r\n"_qs << 2 << false << 3 << 0;
    QTest::newRow("blanks belong to the title") << u" A \r\nB\r\n"_qs << 1 << false << 0 << 3;
    QTest::newRow("entry after the last line break selects nothing")
        << u"A\r\nB\r\n"_qs << 3 << false << -1 << 0;
    QTest::newRow("no entry selected") << u"A\r\nB\r\n"_qs << None << false << -1 << 0;
    QTest::newRow("no final line break only appends one") << u"A\r\nB"_qs << 1 << true << -1 << 0;
    QTest::newRow("no final line break, no entry, still appends") << u"A"_qs << None << true << -1 << 0;
    QTest::newRow("empty text") << QString() << None << false << -1 << 0;
    QTest::newRow("text ending in a lone CR gets a line break") << u"A\r"_qs << 1 << true << -1 << 0;
    QTest::newRow("lone LF at the end: earlier titles selectable") << u"A\r\nB\n"_qs << 1 << false << 0 << 1;
    QTest::newRow("lone LF at the end: the last title is not") << u"A\r\nB\n"_qs << 2 << false << -1 << 0;
    QTest::newRow("stale entry beyond the text") << u"A\r\n"_qs << 5 << false << -1 << 0;
}

void TestTitleList::highlight()
{
    QFETCH(QString, text);
    QFETCH(int, entry);
    QFETCH(bool, appendLineBreak);
    QFETCH(int, start);
    QFETCH(int, length);
    const Highlight h = highlightTitle(text, entry == None ? std::nullopt : std::optional<int>(entry));
    QCOMPARE(h.appendLineBreak, appendLineBreak);
    QCOMPARE(h.selection.has_value(), start >= 0);
    if (h.selection) {
        QCOMPARE(h.selection->start, start);
        QCOMPARE(h.selection->length, length);
    }
}

void TestTitleList::move_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("entry");
    QTest::addColumn<MoveDirection>("direction");
    QTest::addColumn<Move::Kind>("kind");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<int>("newEntry");

    const QString abc = u"A\r\nB\r\nC\r\n"_qs;
    QTest::newRow("entry 2 up") << abc << 2 << Up << Move::Kind::Moved << u"B\r\nA\r\nC\r\n"_qs << 1;
    QTest::newRow("entry 2 down") << abc << 2 << Down << Move::Kind::Moved << u"A\r\nC\r\nB\r\n"_qs << 3;
    QTest::newRow("first title up stays") << abc << 1 << Up << Move::Kind::SelectOnly << QString() << 1;
    QTest::newRow("last title down stays") << abc << 3 << Down << Move::Kind::SelectOnly << QString() << 3;
    QTest::newRow("entry after the last break up")
        << abc << 4 << Up << Move::Kind::NoChange << QString() << 0;
    QTest::newRow("entry after the last break down")
        << abc << 4 << Down << Move::Kind::NoChange << QString() << 0;
    QTest::newRow("no entry up") << abc << None << Up << Move::Kind::NoChange << QString() << 0;
    QTest::newRow("no entry down") << abc << None << Down << Move::Kind::NoChange << QString() << 0;
    QTest::newRow("empty text") << QString() << 1 << Down << Move::Kind::NoChange << QString() << 0;
    QTest::newRow("two titles: entry 1 up")
        << u"A\r\nB\r\n"_qs << 1 << Up << Move::Kind::SelectOnly << QString() << 1;
    QTest::newRow("two titles: entry 2 down")
        << u"A\r\nB\r\n"_qs << 2 << Down << Move::Kind::SelectOnly << QString() << 2;
    QTest::newRow("two titles: entry 1 down")
        << u"A\r\nB\r\n"_qs << 1 << Down << Move::Kind::Moved << u"B\r\nA\r\n"_qs << 2;
    QTest::newRow("blanks move with the title")
        << u"  A \r\n B\r\n"_qs << 2 << Up << Move::Kind::Moved << u" B\r\n  A \r\n"_qs << 1;
    QTest::newRow("a blank line moves like a title")
        << u"A\r\n\r\nB\r\n"_qs << 2 << Down << Move::Kind::Moved << u"A\r\nB\r\n\r\n"_qs << 3;
    QTest::newRow("lone LF at the end keeps the last line")
        << u"A\r\nB\r\nC\n"_qs << 2 << Up << Move::Kind::Moved << u"B\r\nA\r\nC\n"_qs << 1;
    QTest::newRow("lone LF at the end: next to last cannot go down")
        << u"A\r\nB\r\nC\n"_qs << 2 << Down << Move::Kind::SelectOnly << QString() << 2;
    QTest::newRow("lone LF at the end: first goes down")
        << u"A\r\nB\r\nC\n"_qs << 1 << Down << Move::Kind::Moved << u"B\r\nA\r\nC\n"_qs << 2;
    QTest::newRow("lone LF inside a title stays")
        << u"A\nx\r\nB\r\n"_qs << 1 << Down << Move::Kind::Moved << u"B\r\nA\nx\r\n"_qs << 2;
}

void TestTitleList::move()
{
    QFETCH(QString, text);
    QFETCH(int, entry);
    QFETCH(MoveDirection, direction);
    QFETCH(Move::Kind, kind);
    QFETCH(QString, newText);
    QFETCH(int, newEntry);
    const Move m = moveTitle(text, entry == None ? std::nullopt : std::optional<int>(entry), direction);
    QCOMPARE(m.kind, kind);
    if (kind == Move::Kind::Moved)
        QCOMPARE(m.text, newText);
    if (kind != Move::Kind::NoChange)
        QCOMPARE(m.entry, newEntry);
}

void TestTitleList::repeatedUpMovesTheSameTitleToTheTop()
{
    QString text = u"A\r\nB\r\nC\r\nD\r\n"_qs;
    int entry = 4; // D
    const QStringList expected = {u"A\r\nB\r\nD\r\nC\r\n"_qs, u"A\r\nD\r\nB\r\nC\r\n"_qs,
                                  u"D\r\nA\r\nB\r\nC\r\n"_qs};
    for (const QString &step : expected) {
        const Move m = moveTitle(text, entry, Up);
        QCOMPARE(m.kind, Move::Kind::Moved);
        QCOMPARE(m.text, step);
        QCOMPARE(m.entry, entry - 1);
        text = m.text;
        entry = m.entry;
    }
    const Move last = moveTitle(text, entry, Up);
    QCOMPARE(last.kind, Move::Kind::SelectOnly);
    QCOMPARE(last.entry, 1);
    const Highlight h = highlightTitle(text, last.entry);
    QCOMPARE(h.selection, (TitleSelection{0, 1}));
}

void TestTitleList::showColumn_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("shown");
    QTest::newRow("no entries") << 0 << true;
    QTest::newRow("22 entries") << 22 << true;
    QTest::newRow("29 entries (28 titles)") << 29 << true;
    QTest::newRow("30 entries (29 titles)") << 30 << false;
    QTest::newRow("31 entries") << 31 << false;
}

void TestTitleList::showColumn()
{
    QFETCH(int, entries);
    QFETCH(bool, shown);
    QCOMPARE(listHihyoji(entries), shown);
}

QTEST_GUILESS_MAIN(TestTitleList)
#include "tst_titlelist.moc"
