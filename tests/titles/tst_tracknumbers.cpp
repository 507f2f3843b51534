#include "titles/TrackNumbers.h"

#include <QTest>

using namespace velnora;

Q_DECLARE_METATYPE(velnora::NumberingMode)

namespace
{

constexpr auto Fixed = NumberingMode::FixedNumbers;
constexpr auto Variable = NumberingMode::VariableNumbers;

QStringList numberedTitles(int count)
{
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles.append(QStringLiteral("Title %1").arg(i));
    return titles;
}

QString crlfText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace

class TestTrackNumbers : public QObject
{
    Q_OBJECT

private slots:
    void counterText_data();
    void counterText();
    void attach_data();
    void attach();
    void remove_data();
    void remove();
    void removeAfterAttachGivesTitlesBack_data();
    void removeAfterAttachGivesTitlesBack();
    void enables_data();
    void enables();
};

void TestTrackNumbers::counterText_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<NumberingMode>("mode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fixed 0") << 0 << Fixed << QStringLiteral("0");
    QTest::newRow("fixed 2") << 2 << Fixed << QStringLiteral("2");
    QTest::newRow("fixed 9") << 9 << Fixed << QStringLiteral("9");
    QTest::newRow("variable 0") << 0 << Variable << QStringLiteral("0-1");
    QTest::newRow("variable 2") << 2 << Variable << QStringLiteral("2-3");
    QTest::newRow("variable 9") << 9 << Variable << QStringLiteral("9-10");
}

void TestTrackNumbers::counterText()
{
    QFETCH(int, counter);
    QFETCH(NumberingMode, mode);
    QFETCH(QString, expected);
    QCOMPARE(counterLabel(counter, mode), expected);
}

void TestTrackNumbers::attach_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<NumberingMode>("mode");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("counter");

    QTest::newRow("two titles, fixed, hyphen")
        << QStringList{u"A"_qs, u"B"_qs} << u"-"_qs << Fixed << u"01-A\r\n02-B\r\n"_qs << 3;
    QTest::newRow("empty line dropped, its number skipped")
        << QStringList{u"A"_qs, QString(), u"B"_qs} << u"-"_qs << Fixed << u"01-A\r\n03-B\r\n"_qs << 3;
    QTest::newRow("line of blanks counts as empty") << QStringList{u"A"_qs, u"   "_qs, u"\u3000 "_qs, u"B"_qs}
                                                    << u"-"_qs << Fixed << u"01-A\r\n04-B\r\n"_qs << 3;
    QTest::newRow("blanks around a title go")
        << QStringList{u"  A  "_qs, u"\u3000B\u3000"_qs} << u"-"_qs << Fixed << u"01-A\r\n02-B\r\n"_qs << 3;
    QTest::newRow("blank separator") << QStringList{u"A"_qs} << u" "_qs << Fixed << u"01 A\r\n"_qs << 3;
    QTest::newRow("empty separator") << QStringList{u"A"_qs} << QString() << Fixed << u"01A\r\n"_qs << 3;
    QTest::newRow("typed separator blank hyphen blank")
        << QStringList{u"A"_qs} << u" - "_qs << Fixed << u"01 - A\r\n"_qs << 3;
    QTest::newRow("fixed on eleven titles")
        << QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs, u"e"_qs, u"f"_qs,
                       u"g"_qs, u"h"_qs, u"i"_qs, u"j"_qs, u"k"_qs}
        << u"-"_qs << Fixed
        << u"01-a\r\n02-b\r\n03-c\r\n04-d\r\n05-e\r\n06-f\r\n07-g\r\n08-h\r\n09-i\r\n10-j\r\n11-k\r\n"_qs
        << 3;
    QTest::newRow("variable on twelve titles")
        << QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs, u"e"_qs, u"f"_qs,
                       u"g"_qs, u"h"_qs, u"i"_qs, u"j"_qs, u"k"_qs, u"l"_qs}
        << u"."_qs << Variable
        << u"1.a\r\n2.b\r\n3.c\r\n4.d\r\n5.e\r\n6.f\r\n7.g\r\n8.h\r\n9.i\r\n10.j\r\n11.k\r\n12.l\r\n"_qs << 2;
    QTest::newRow("no lines") << QStringList() << u"-"_qs << Fixed << QString() << 3;
    QTest::newRow("lone LF stays inside a line")
        << QStringList{u"A\nB"_qs} << u"-"_qs << Fixed << u"01-A\nB\r\n"_qs << 3;
    QStringList hundred(99, u"x"_qs);
    hundred.append(u"last"_qs);
    QTest::newRow("the hundredth line gets 100") << hundred << u"-"_qs << Fixed << [] {
        QString t;
        for (int i = 1; i <= 99; ++i)
            t += QStringLiteral("%1-x\r\n").arg(i, 2, 10, QLatin1Char('0'));
        return t + u"100-last\r\n"_qs;
    }() << 3;
}

void TestTrackNumbers::attach()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, separator);
    QFETCH(NumberingMode, mode);
    QFETCH(QString, expected);
    QFETCH(int, counter);
    const AttachResult result = attachTrackNumbers(lines, separator, mode);
    QCOMPARE(result.text, expected);
    QCOMPARE(result.counter, counter);
}

void TestTrackNumbers::remove_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("counter");
    QTest::addColumn<NumberingMode>("mode");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fixed 3 after attach")
        << QStringList{u"01-A"_qs, u"02-B"_qs} << 3 << Fixed << u"A\r\nB\r\n"_qs;
    QTest::newRow("blanks before and after the line")
        << QStringList{u"  01-A  "_qs} << 3 << Fixed << u"A\r\n"_qs;
    QTest::newRow("blank after the separator is trimmed after the cut")
        << QStringList{u"01- A"_qs} << 3 << Fixed << u"A\r\n"_qs;
    QTest::newRow("counter 0 only trims and drops empty lines")
        << QStringList{u" 01-A "_qs, QString(), u"   "_qs, u"02-B"_qs} << 0 << Fixed
        << u"01-A\r\n02-B\r\n"_qs;
    QTest::newRow("a line losing everything becomes a lone line break")
        << QStringList{u"AB"_qs, u"CDEF"_qs} << 3 << Fixed << u"\r\nF\r\n"_qs;
    QTest::newRow("full-width characters count one each")
        << QStringList{u"０１－曲名"_qs} << 3 << Fixed << u"曲名\r\n"_qs;
    QTest::newRow("variable cuts one more from line ten on")
        << QStringList{u"1.a"_qs, u"2.b"_qs, u"3.c"_qs, u"4.d"_qs,  u"5.e"_qs,  u"6.f"_qs,
                       u"7.g"_qs, u"8.h"_qs, u"9.i"_qs, u"10.j"_qs, u"11.k"_qs, u"12.l"_qs}
        << 2 << Variable << u"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl\r\n"_qs;
    QTest::newRow("empty lines count for the line number")
        << QStringList{u"1.a"_qs, u""_qs, u""_qs, u""_qs, u""_qs, u""_qs, u""_qs, u""_qs, u""_qs, u"10.j"_qs}
        << 2 << Variable << u"a\r\nj\r\n"_qs;
    QTest::newRow("no lines") << QStringList() << 3 << Fixed << QString();
}

void TestTrackNumbers::remove()
{
    QFETCH(QStringList, lines);
    QFETCH(int, counter);
    QFETCH(NumberingMode, mode);
    QFETCH(QString, expected);
    QCOMPARE(deleteTrackNumbers(lines, counter, mode), expected);
}

void TestTrackNumbers::removeAfterAttachGivesTitlesBack_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<NumberingMode>("mode");
    for (int count : {1, 9, 10, 11, 99, 100, 101, 120, 999, 1000}) {
        QTest::addRow("fixed, %d titles", count) << count << Fixed;
        QTest::addRow("variable, %d titles", count) << count << Variable;
    }
}

void TestTrackNumbers::removeAfterAttachGivesTitlesBack()
{
    QFETCH(int, count);
    QFETCH(NumberingMode, mode);
    const QStringList titles = numberedTitles(count);
    for (const QString &separator : {u"-"_qs, u"."_qs, u"_"_qs, u" "_qs}) {
        const AttachResult attached = attachTrackNumbers(titles, separator, mode);
        const QStringList attachedLines = attached.text.split(u"\r\n"_qs, Qt::SkipEmptyParts);
        QCOMPARE(attachedLines.size(), count);
        QCOMPARE(deleteTrackNumbers(attachedLines, attached.counter, mode), crlfText(titles));
    }
}

void TestTrackNumbers::enables_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("attachMode");
    QTest::addColumn<QList<bool>>("expected"); // options, counter, delete, separator, attach
    QTest::newRow("off, delete mode") << false << false << QList<bool>{false, false, false, false, false};
    QTest::newRow("off, attach mode") << false << true << QList<bool>{false, false, false, false, false};
    QTest::newRow("on, delete mode") << true << false << QList<bool>{true, true, true, false, false};
    QTest::newRow("on, attach mode") << true << true << QList<bool>{true, false, false, true, true};
}

void TestTrackNumbers::enables()
{
    QFETCH(bool, on);
    QFETCH(bool, attachMode);
    QFETCH(QList<bool>, expected);
    const TrackToolEnables e =
        trackToolEnables(on, attachMode ? TrackToolMode::AttachByKind : TrackToolMode::DeleteByLength);
    QCOMPARE((QList<bool>{e.options, e.counter, e.deleting, e.separator, e.attaching}), expected);
}

QTEST_GUILESS_MAIN(TestTrackNumbers)
#include "tst_tracknumbers.moc"
