#include "edit/CdTextLayout.h"
#include "text/Cp932.h"
#include "text/Lines.h"

#include <QTest>

using namespace velnora;

Q_DECLARE_METATYPE(velnora::EditType)

namespace
{

// Blue Sky / Sora Trio with the titles Morning, an empty line, Rain and Night.
const QStringList ExampleLines = {QStringLiteral("Morning"), QString(), QStringLiteral("Rain"),
                                  QStringLiteral("Night")};

const QString ExampleEn = QStringLiteral("en\r\n"
                                         "0\tBlue Sky\tSora Trio\r\n"
                                         "1\tMorning\r\n"
                                         "3\tRain\r\n"
                                         "4\tNight\r\n");
const QString ExampleJa = QStringLiteral("ja\r\n"
                                         "0\tＢｌｕｅ　Ｓｋｙ\tＳｏｒａ　Ｔｒｉｏ\r\n"
                                         "1\tＭｏｒｎｉｎｇ\r\n"
                                         "3\tＲａｉｎ\r\n"
                                         "4\tＮｉｇｈｔ\r\n");

const QByteArray ExampleEnBytes = QByteArrayLiteral("en\r\n"
                                                    "0\tBlue Sky\tSora Trio\r\n"
                                                    "1\tMorning\r\n"
                                                    "3\tRain\r\n"
                                                    "4\tNight\r\n");
const QByteArray ExampleJaBytes =
    QByteArrayLiteral("ja\r\n") +
    QByteArray::fromHex(
        "30 09 82 61 82 8c 82 95 82 85 81 40 82 72 82 8b 82 99 09 82 72 82 8f 82 92 82 81 81 40 82 "
        "73 82 92 82 89 82 8f 0d 0a"
        "31 09 82 6c 82 8f 82 92 82 8e 82 89 82 8e 82 87 0d 0a"
        "33 09 82 71 82 81 82 89 82 8e 0d 0a"
        "34 09 82 6d 82 89 82 87 82 88 82 94 0d 0a");

} // namespace

class TestEditLayout : public QObject
{
    Q_OBJECT

private slots:
    void workedExample_data();
    void workedExample();
    void titleLines_data();
    void titleLines();
    void keepName_data();
    void keepName();
    void replaceQuotes_data();
    void replaceQuotes();
    void doubleClickConversions_data();
    void doubleClickConversions();
};

void TestEditLayout::workedExample_data()
{
    QTest::addColumn<EditType>("type");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("en") << EditType::En << ExampleEn << ExampleEnBytes;
    QTest::newRow("ja") << EditType::Ja << ExampleJa << ExampleJaBytes;
    QTest::newRow("en + ja") << EditType::EnJa << ExampleEn + QStringLiteral("\r\n") + ExampleJa
                             << ExampleEnBytes + QByteArrayLiteral("\r\n") + ExampleJaBytes;
}

void TestEditLayout::workedExample()
{
    QFETCH(EditType, type);
    QFETCH(QString, layout);
    QFETCH(QByteArray, bytes);
    const QString made =
        cdTextLayout(type, QStringLiteral("Blue Sky"), QStringLiteral("Sora Trio"), ExampleLines);
    QCOMPARE(made, layout);
    const cp932::Encoded saved = cp932::encode(made);
    QVERIFY(saved.ok());
    QCOMPARE(saved.bytes, bytes);
}

void TestEditLayout::titleLines_data()
{
    QTest::addColumn<EditType>("type");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("titles"); // the title box, read back by the file line rule
    QTest::addColumn<QString>("layout");

    QTest::newRow("empty line uses its number")
        << EditType::En << QStringLiteral("X") << QStringLiteral("A\r\n\r\nB")
        << QStringLiteral("en\r\n0\tX\tY\r\n1\tA\r\n3\tB\r\n");
    QTest::newRow("final line break gives no extra line")
        << EditType::En << QStringLiteral("X") << QStringLiteral("A\r\nB\r\n")
        << QStringLiteral("en\r\n0\tX\tY\r\n1\tA\r\n2\tB\r\n");
    QTest::newRow("blank-only title keeps its number")
        << EditType::En << QStringLiteral("X") << QStringLiteral("A\r\n   \r\nB")
        << QStringLiteral("en\r\n0\tX\tY\r\n1\tA\r\n2\t\r\n3\tB\r\n");
    QTest::newRow("en trims ends, keeps inner blanks")
        << EditType::En << QStringLiteral("X") << QStringLiteral("  Good  Day  ")
        << QStringLiteral("en\r\n0\tX\tY\r\n1\tGood  Day\r\n");
    QTest::newRow("en narrows full-width text")
        << EditType::En << QStringLiteral("ＡＢ") << QStringLiteral("ＡＢＣ　１２３")
        << QStringLiteral("en\r\n0\tAB\tY\r\n1\tABC 123\r\n");
    QTest::newRow("en gives back quotes as ASCII")
        << EditType::En << QStringLiteral("X") << QStringLiteral("Rain’s ”Day” ￥1")
        << QStringLiteral("en\r\n0\tX\tY\r\n1\tRain's \"Day\" \\1\r\n");
    QTest::newRow("ja widens, inner blanks become ideographic, numbers stay half-width")
        << EditType::Ja << QStringLiteral("abc") << QStringLiteral(" Good Day \r\n\r\n\r\nｶﾞｲﾄﾞ")
        << QStringLiteral("ja\r\n0\tａｂｃ\tＹ\r\n1\tＧｏｏｄ　Ｄａｙ\r\n4\tガイド\r\n");
    QTest::newRow("ja keeps kanji and hiragana")
        << EditType::Ja << QStringLiteral("空") << QStringLiteral("朝のうた")
        << QStringLiteral("ja\r\n0\t空\tＹ\r\n1\t朝のうた\r\n");
    QTest::newRow("en + ja separated by one empty line")
        << EditType::EnJa << QStringLiteral("X") << QStringLiteral("a b")
        << QStringLiteral("en\r\n0\tX\tY\r\n1\ta b\r\n\r\nja\r\n0\tＸ\tＹ\r\n1\tａ　ｂ\r\n");
    QTest::newRow("no titles at all") << EditType::EnJa << QStringLiteral("X") << QString()
                                      << QStringLiteral("en\r\n0\tX\tY\r\n\r\nja\r\n0\tＸ\tＹ\r\n");
    QTest::newRow("track numbers above 99")
        << EditType::En << QStringLiteral("X") << QStringLiteral("a\r\n").repeated(100) + QStringLiteral("z")
        << [] {
               QString s = QStringLiteral("en\r\n0\tX\tY\r\n");
               for (int i = 1; i <= 100; ++i)
                   s += QString::number(i) + QStringLiteral("\ta\r\n");
               return s + QStringLiteral("101\tz\r\n");
           }();
}

void TestEditLayout::titleLines()
{
    QFETCH(EditType, type);
    QFETCH(QString, album);
    QFETCH(QString, titles);
    QFETCH(QString, layout);
    QCOMPARE(cdTextLayout(type, album, QStringLiteral("Y"), readLines(titles)), layout);
}

void TestEditLayout::keepName_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("kept");
    QTest::newRow("plain") << QStringLiteral("Blue Sky") << QStringLiteral("Blue Sky");
    QTest::newRow("line break inside joins") << QStringLiteral("Blue\r\nSky") << QStringLiteral("BlueSky");
    QTest::newRow("blanks at both ends go") << QStringLiteral("  Blue Sky ") << QStringLiteral("Blue Sky");
    QTest::newRow("ideographic blanks at the ends go")
        << QStringLiteral("　青空　") << QStringLiteral("青空");
    QTest::newRow("blanks around a removed break")
        << QStringLiteral(" \r\n Sky \r\n") << QStringLiteral("Sky");
    QTest::newRow("lone LF stays") << QStringLiteral("a\nb") << QStringLiteral("a\nb");
    // Found by fuzzing: removing the inner pair joins the outer CR and LF into a new break.
    QTest::newRow("break nested in a break")
        << QStringLiteral("Blue\r\r\n\nSky") << QStringLiteral("BlueSky");
    QTest::newRow("breaks nested three deep") << QStringLiteral("a\r\r\r\n\n\nb\r") << QStringLiteral("ab\r");
}

void TestEditLayout::keepName()
{
    QFETCH(QString, field);
    QFETCH(QString, kept);
    QCOMPARE(velnora::keepName(field), kept);
}

void TestEditLayout::replaceQuotes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replaced");
    QTest::newRow("apostrophe") << QStringLiteral("Tom's Band") << QStringLiteral("Tom’s Band");
    QTest::newRow("backslash") << QStringLiteral("C:\\dir") << QStringLiteral("C:￥dir");
    QTest::newRow("double quotes") << QStringLiteral("\"Hi\"") << QStringLiteral("”Hi”");
    QTest::newRow("all three") << QStringLiteral("\\'\"") << QStringLiteral("￥’”");
    QTest::newRow("nothing to do") << QStringLiteral("朝 ~ Ａ") << QStringLiteral("朝 ~ Ａ");
}

void TestEditLayout::replaceQuotes()
{
    QFETCH(QString, text);
    QFETCH(QString, replaced);
    QCOMPARE(velnora::replaceQuotes(text), replaced);
}

void TestEditLayout::doubleClickConversions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("japanese");
    QTest::newRow("full-width between ideographic blanks")
        << QStringLiteral("　ＡＢＣ　") << QStringLiteral("ABC") << QStringLiteral("ＡＢＣ");
    QTest::newRow("apostrophe and blank") << QStringLiteral("Tom's Band") << QStringLiteral("Tom's Band")
                                          << QStringLiteral("Ｔｏｍ’ｓ　Ｂａｎｄ");
    QTest::newRow("blanks at inner line ends stay")
        << QStringLiteral(" a \r\n b ") << QStringLiteral("a \r\n b") << QStringLiteral("ａ　\r\n　ｂ");
    QTest::newRow("katakana") << QStringLiteral("ガイド") << QStringLiteral("ｶﾞｲﾄﾞ")
                              << QStringLiteral("ガイド");
    QTest::newRow("layout widened whole, tabs kept")
        << QStringLiteral("ja\r\n0\tA\tB\r\n1\tx\r\n") << QStringLiteral("ja\r\n0\tA\tB\r\n1\tx\r\n")
        << QStringLiteral("ｊａ\r\n０\tＡ\tＢ\r\n１\tｘ\r\n");
}

void TestEditLayout::doubleClickConversions()
{
    QFETCH(QString, text);
    QFETCH(QString, english);
    QFETCH(QString, japanese);
    QCOMPARE(englishText(text), english);
    QCOMPARE(japaneseText(text), japanese);
}

QTEST_GUILESS_MAIN(TestEditLayout)
#include "tst_editlayout.moc"
