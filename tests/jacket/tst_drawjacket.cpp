#include "jacket/DrawJacket.h"
#include "jacket/JacketSizeRule.h"
#include "jacket/JacketSurface.h"

#include <QTest>

using namespace velnora;

namespace
{

QString mm(double v)
{
    return QString::number(v, 'f', 2);
}

// Records every operation as one line of text; a line is half the font size high.
class RecordingSurface : public JacketSurface
{
public:
    QStringList ops;

    void outlineRect(double x1, double y1, double x2, double y2) override
    {
        ops << QStringLiteral("outline %1 %2 %3 %4").arg(mm(x1), mm(y1), mm(x2), mm(y2));
    }
    void fillRect(double x1, double y1, double x2, double y2, const QColor &colour) override
    {
        ops << QStringLiteral("fill %1 %2 %3 %4 %5").arg(mm(x1), mm(y1), mm(x2), mm(y2), colour.name());
    }

protected:
    void fillBackground() override { ops << QStringLiteral("clear"); }
    void drawText(double x, double y, const QString &text) override
    {
        QString style;
        style += FontBold ? QLatin1Char('b') : QLatin1Char('-');
        style += FontItalic ? QLatin1Char('i') : QLatin1Char('-');
        style += FontUnderline ? QLatin1Char('u') : QLatin1Char('-');
        ops << QStringLiteral("text [%1] %2 %3 %4 %5 %6")
                   .arg(text, mm(x), mm(y), FontName, mm(FontSize), style);
    }
    double lineHeight() const override { return FontSize * 0.5; }
};

const QString Gothic = QStringLiteral("ＭＳ ゴシック");
const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString Mincho = QStringLiteral("ＭＳ 明朝");
const QString PMincho = QStringLiteral("ＭＳ Ｐ明朝");

} // namespace

Q_DECLARE_METATYPE(velnora::JacketSettings)

class TestDrawJacket : public QObject
{
    Q_OBJECT

private slots:
    void preview_data();
    void preview();
    void printedPenMovesAfterEveryLine();
    void defaults();
    void typefaceNames_data();
    void typefaceNames();
    void sizeRule_data();
    void sizeRule();
};

void TestDrawJacket::preview_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<JacketSettings>("settings");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QStringList>("expected");

    const JacketSettings d;
    const QString sheet = QStringLiteral("fill 0.00 0.00 210.00 297.00 #ffffff");

    QTest::newRow("defaults at zoom 1.0")
        << 10 << d << QStringLiteral("Album") << QStringLiteral("Artist") << QStringLiteral("One\r\nTwo")
        << QStringList{QStringLiteral("clear"),
                       sheet,
                       QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [Album / Artist] 20.00 20.00 ＭＳ Ｐゴシック 20.00 b--"),
                       QStringLiteral("text [One] 35.00 35.00 ＭＳ Ｐゴシック 14.00 b--"),
                       QStringLiteral("text [Two] 35.00 42.00 ＭＳ Ｐゴシック 14.00 b--")};

    QTest::newRow("defaults at zoom 0.4")
        << 4 << d << QStringLiteral("Album") << QStringLiteral("Artist") << QStringLiteral("One\r\nTwo")
        << QStringList{QStringLiteral("clear"),
                       QStringLiteral("fill 0.00 0.00 84.00 118.80 #ffffff"),
                       QStringLiteral("outline 4.00 4.00 52.40 52.40"),
                       QStringLiteral("text [Album / Artist] 8.00 8.00 ＭＳ Ｐゴシック 8.00 b--"),
                       QStringLiteral("text [One] 14.00 14.00 ＭＳ Ｐゴシック 5.60 b--"),
                       QStringLiteral("text [Two] 14.00 16.80 ＭＳ Ｐゴシック 5.60 b--")};

    QTest::newRow("zoom 0.7 scales every coordinate and size")
        << 7 << d << QStringLiteral("A") << QStringLiteral("B") << QStringLiteral("x")
        << QStringList{QStringLiteral("clear"), QStringLiteral("fill 0.00 0.00 147.00 207.90 #ffffff"),
                       QStringLiteral("outline 7.00 7.00 91.70 91.70"),
                       QStringLiteral("text [A / B] 14.00 14.00 ＭＳ Ｐゴシック 14.00 b--"),
                       QStringLiteral("text [x] 24.50 24.50 ＭＳ Ｐゴシック 9.80 b--")};

    QTest::newRow("album with an empty artist keeps the separator")
        << 10 << d << QStringLiteral("Album") << QString() << QStringLiteral("One")
        << QStringList{QStringLiteral("clear"), sheet, QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [Album / ] 20.00 20.00 ＭＳ Ｐゴシック 20.00 b--"),
                       QStringLiteral("text [One] 35.00 35.00 ＭＳ Ｐゴシック 14.00 b--")};

    QTest::newRow("artist with an empty album")
        << 10 << d << QString() << QStringLiteral("Artist") << QString()
        << QStringList{QStringLiteral("clear"), sheet, QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [ / Artist] 20.00 20.00 ＭＳ Ｐゴシック 20.00 b--")};

    QTest::newRow("both empty: no line, titles still at their own margin")
        << 10 << d << QString() << QString() << QStringLiteral("One")
        << QStringList{QStringLiteral("clear"), sheet, QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [One] 35.00 35.00 ＭＳ Ｐゴシック 14.00 b--")};

    QTest::newRow("album of blanks only is not empty")
        << 10 << d << QStringLiteral("   ") << QString() << QString()
        << QStringList{QStringLiteral("clear"), sheet, QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [ / ] 20.00 20.00 ＭＳ Ｐゴシック 20.00 b--")};

    QTest::newRow("names with line breaks and blanks")
        << 10 << d << QStringLiteral("  Best\r\nOf  ") << QStringLiteral(" The  Band\r\n ") << QString()
        << QStringList{QStringLiteral("clear"), sheet, QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [BestOf / The  Band] 20.00 20.00 ＭＳ Ｐゴシック 20.00 b--")};

    QTest::newRow("nested line breaks leave no break behind")
        << 10 << d << QStringLiteral("Best\r\r\n\nOf") << QStringLiteral("Ban\r\r\r\n\n\nd") << QString()
        << QStringList{QStringLiteral("clear"), sheet, QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [BestOf / Band] 20.00 20.00 ＭＳ Ｐゴシック 20.00 b--")};

    QTest::newRow("a lone CR or LF in a name stays")
        << 10 << d << QStringLiteral("A\rB") << QStringLiteral("C\nD") << QString()
        << QStringList{QStringLiteral("clear"), sheet, QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [A\rB / C\nD] 20.00 20.00 ＭＳ Ｐゴシック 20.00 b--")};

    QTest::newRow("titles ending with CR LF give an empty last line")
        << 10 << d << QString() << QString() << QStringLiteral("A\r\nB\r\n")
        << QStringList{QStringLiteral("clear"),
                       sheet,
                       QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [A] 35.00 35.00 ＭＳ Ｐゴシック 14.00 b--"),
                       QStringLiteral("text [B] 35.00 42.00 ＭＳ Ｐゴシック 14.00 b--"),
                       QStringLiteral("text [] 35.00 49.00 ＭＳ Ｐゴシック 14.00 b--")};

    QTest::newRow("empty lines inside and leading blanks are kept")
        << 10 << d << QString() << QString() << QStringLiteral("  1. Intro\r\n\r\n　全角")
        << QStringList{QStringLiteral("clear"),
                       sheet,
                       QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [  1. Intro] 35.00 35.00 ＭＳ Ｐゴシック 14.00 b--"),
                       QStringLiteral("text [] 35.00 42.00 ＭＳ Ｐゴシック 14.00 b--"),
                       QStringLiteral("text [　全角] 35.00 49.00 ＭＳ Ｐゴシック 14.00 b--")};

    QTest::newRow("a lone LF does not cut a title")
        << 10 << d << QString() << QString() << QStringLiteral("A\nB\rC")
        << QStringList{QStringLiteral("clear"), sheet, QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [A\nB\rC] 35.00 35.00 ＭＳ Ｐゴシック 14.00 b--")};

    QTest::newRow("edited state: the layout's lines are drawn as titles")
        << 10 << d << QStringLiteral("アルバム") << QStringLiteral("歌手")
        << QStringLiteral("ja\r\n0\tアルバム\t歌手\r\n1\t曲一\r\n")
        << QStringList{QStringLiteral("clear"),
                       sheet,
                       QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [アルバム / 歌手] 20.00 20.00 ＭＳ Ｐゴシック 20.00 b--"),
                       QStringLiteral("text [ja] 35.00 35.00 ＭＳ Ｐゴシック 14.00 b--"),
                       QStringLiteral("text [0\tアルバム\t歌手] 35.00 42.00 ＭＳ Ｐゴシック 14.00 b--"),
                       QStringLiteral("text [1\t曲一] 35.00 49.00 ＭＳ Ｐゴシック 14.00 b--"),
                       QStringLiteral("text [] 35.00 56.00 ＭＳ Ｐゴシック 14.00 b--")};

    JacketSettings c;
    c.frameLeft = 0;
    c.frameTop = 50;
    c.frameWidth = 150;
    c.frameHeight = 100;
    c.lineLeft = 0;
    c.lineTop = 0;
    c.lineStyle.fontSize = 36;
    c.lineStyle.typeface = Gothic;
    c.lineStyle.bold = false;
    c.lineStyle.italic = true;
    c.lineStyle.underline = true;
    c.listLeft = 50;
    c.listTop = 0;
    c.listStyle.fontSize = 9;
    c.listStyle.typeface = PMincho;
    c.listStyle.bold = false;
    c.listStyle.italic = false;
    c.listStyle.underline = true;
    QTest::newRow("each group has its own font, style and place")
        << 10 << c << QStringLiteral("A") << QStringLiteral("B") << QStringLiteral("x\r\ny")
        << QStringList{QStringLiteral("clear"),
                       sheet,
                       QStringLiteral("outline 0.00 50.00 150.00 150.00"),
                       QStringLiteral("text [A / B] 0.00 0.00 ＭＳ ゴシック 36.00 -iu"),
                       QStringLiteral("text [x] 50.00 0.00 ＭＳ Ｐ明朝 9.00 --u"),
                       QStringLiteral("text [y] 50.00 4.50 ＭＳ Ｐ明朝 9.00 --u")};

    JacketSettings m;
    m.lineStyle.typeface = Mincho;
    m.listStyle.typeface = Gothic;
    m.listStyle.italic = true;
    QTest::newRow("the title font does not inherit the album font")
        << 10 << m << QStringLiteral("A") << QString() << QStringLiteral("x")
        << QStringList{QStringLiteral("clear"), sheet, QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                       QStringLiteral("text [A / ] 20.00 20.00 ＭＳ 明朝 20.00 b--"),
                       QStringLiteral("text [x] 35.00 35.00 ＭＳ ゴシック 14.00 bi-")};
}

void TestDrawJacket::preview()
{
    QFETCH(int, zoom);
    QFETCH(JacketSettings, settings);
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(QString, titles);
    QFETCH(QStringList, expected);

    RecordingSurface surface;
    surface.CurrentX = 99.0;
    surface.CurrentY = 99.0;
    RefreshPreview(surface, zoom, settings, Document{album, artist, titles});
    QCOMPARE(surface.ops, expected);
}

void TestDrawJacket::printedPenMovesAfterEveryLine()
{
    // Printing draws at scale 1.0 with no sheet and no clearing; the pen ends below the last line.
    RecordingSurface surface;
    DrawJacket(surface, 1.0, JacketSettings(), Document{QString(), QString(), QStringLiteral("a\r\nb")});
    QCOMPARE(surface.ops, (QStringList{QStringLiteral("outline 10.00 10.00 131.00 131.00"),
                                       QStringLiteral("text [a] 35.00 35.00 ＭＳ Ｐゴシック 14.00 b--"),
                                       QStringLiteral("text [b] 35.00 42.00 ＭＳ Ｐゴシック 14.00 b--")}));
    QCOMPARE(surface.CurrentX, 0.0);
    QCOMPARE(surface.CurrentY, 49.0);

    // Nothing to print leaves the pen where the title list starts.
    RecordingSurface empty;
    DrawJacket(empty, 1.0, JacketSettings(), Document{});
    QCOMPARE(empty.ops, QStringList{QStringLiteral("outline 10.00 10.00 131.00 131.00")});
    QCOMPARE(empty.CurrentX, 35.0);
    QCOMPARE(empty.CurrentY, 35.0);
}

void TestDrawJacket::defaults()
{
    const JacketSettings s;
    QCOMPARE((QList<int>{s.frameLeft, s.frameTop, s.frameWidth, s.frameHeight}),
             (QList<int>{10, 10, 121, 121}));
    QCOMPARE((QList<int>{s.lineLeft, s.lineTop, s.lineStyle.fontSize}), (QList<int>{20, 20, 20}));
    QCOMPARE((QList<int>{s.listLeft, s.listTop, s.listStyle.fontSize}), (QList<int>{35, 35, 14}));
    QCOMPARE(s.lineStyle.typeface, PGothic);
    QCOMPARE(s.listStyle.typeface, PGothic);
    QCOMPARE((QList<bool>{s.lineStyle.bold, s.lineStyle.italic, s.lineStyle.underline}),
             (QList<bool>{true, false, false}));
    QCOMPARE((QList<bool>{s.listStyle.bold, s.listStyle.italic, s.listStyle.underline}),
             (QList<bool>{true, false, false}));
}

void TestDrawJacket::typefaceNames_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("below the range") << 0 << QString();
    QTest::newRow("1") << 1 << Gothic;
    QTest::newRow("2") << 2 << PGothic;
    QTest::newRow("3") << 3 << Mincho;
    QTest::newRow("4") << 4 << PMincho;
    QTest::newRow("above the range") << 5 << QString();
}

void TestDrawJacket::typefaceNames()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QCOMPARE(typefaceName(index), name);
    // The jacket window turns the name back into its spin's index.
    QCOMPARE(typefaceIndex(name), name.isEmpty() ? 0 : index);
}

void TestDrawJacket::sizeRule_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("minimised");
    QTest::addColumn<QString>("expected");

    QTest::newRow("minimised does nothing") << 1000 << 500 << true << QStringLiteral("nothing 1000 500");
    QTest::newRow("narrow and short: the width first")
        << 10000 << 7000 << false << QStringLiteral("width 12000 7000");
    QTest::newRow("then the height") << 12000 << 7000 << false << QStringLiteral("height 12000 8300");
    QTest::newRow("one twip narrow") << 11999 << 9000 << false << QStringLiteral("width 12000 9000");
    QTest::newRow("one twip short") << 13000 << 8299 << false << QStringLiteral("height 13000 8300");
    QTest::newRow("at the minimum the preview is square")
        << 12000 << 8300 << false << QStringLiteral("arrange 7700 7700");
    QTest::newRow("larger window, larger preview")
        << 15000 << 10000 << false << QStringLiteral("arrange 10700 9400");
}

void TestDrawJacket::sizeRule()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, minimised);
    QFETCH(QString, expected);

    const JacketSizeDecision d = jacketSizeRule(width, height, minimised);
    const char *kinds[] = {"nothing", "width", "height", "arrange"};
    QCOMPARE(QStringLiteral("%1 %2 %3").arg(QLatin1String(kinds[int(d.kind)])).arg(d.width).arg(d.height),
             expected);
}

QTEST_GUILESS_MAIN(TestDrawJacket)
#include "tst_drawjacket.moc"
