#include "text/Width.h"

#include <QSet>
#include <QtTest>

using namespace velnora;
using namespace Qt::StringLiterals;

namespace
{

QString str(std::initializer_list<char16_t> units)
{
    QString s;
    for (char16_t u : units)
        s.append(QChar(u));
    return s;
}

// The full-width twin of a half-width character, taken from Unicode's own <narrow> mapping;
// its combining voicing marks stand for the spacing ones ゛゜ that cp932 holds.
char16_t unicodeTwin(char16_t half)
{
    const QString d = QChar(half).decomposition();
    Q_ASSERT(d.size() == 1);
    if (d.at(0) == QChar(0x3099))
        return 0x309B;
    if (d.at(0) == QChar(0x309A))
        return 0x309C;
    return d.at(0).unicode();
}

// The one voiced katakana that Unicode composes from a full-width base and a voicing mark,
// or 0 when there is none or cp932 lacks it (ヷ ヸ ヹ ヺ).
char16_t unicodeVoiced(char16_t full, char16_t mark)
{
    const QString nfc = (QString(QChar(full)) + QChar(mark == 0xFF9E ? 0x3099 : 0x309A))
                            .normalized(QString::NormalizationForm_C);
    if (nfc.size() != 1)
        return 0;
    const char16_t v = nfc.at(0).unicode();
    return v >= 0x30F7 && v <= 0x30FA ? 0 : v;
}

// What narrowing must make of each single character that it changes, derived from the rules.
QHash<char16_t, QString> expectedNarrowing()
{
    QHash<char16_t, QString> m;
    for (char16_t c = 0xFF01; c <= 0xFF5E; ++c)
        m.insert(c, QString(QChar(c - 0xFEE0)));
    m.insert(0x3000, QStringLiteral(" "));
    m.insert(0xFFE5, QStringLiteral("\\"));
    m.insert(0x2019, QStringLiteral("'"));
    m.insert(0x201D, QStringLiteral("\""));
    for (char16_t half = 0xFF61; half <= 0xFF9F; ++half) {
        const char16_t full = unicodeTwin(half);
        m.insert(full, QString(QChar(half)));
        for (char16_t mark : {char16_t(0xFF9E), char16_t(0xFF9F)}) {
            if (const char16_t v = unicodeVoiced(full, mark))
                m.insert(v, str({half, mark}));
        }
    }
    return m;
}

} // namespace

class TestWidth : public QObject
{
    Q_OBJECT

private slots:
    void narrowText_data();
    void narrowText();
    void widenText_data();
    void widenText();
    void narrowChangesExactlyTheRuleSet();
    void widenChangesExactlyTheRuleSet();
    void narrowUndoesWidenForAscii();
    void narrowUndoesWidenForHalfWidthKana();
    void derivedSetsHaveTheExpectedSize();
};

void TestWidth::narrowText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("full-width latin and digits") << u"ＡＢＣ１２３ｘｙｚ"_s << u"ABC123xyz"_s;
    QTest::newRow("full-width punctuation ends") << u"！～"_s << u"!~"_s;
    QTest::newRow("ideographic space") << u"Ａ　Ｂ"_s << u"A B"_s;
    QTest::newRow("yen, quotes") << u"￥’”＼＇＂"_s << u"\\'\"\\'\""_s;
    QTest::newRow("plain katakana") << u"アイウエオン"_s << u"ｱｲｳｴｵﾝ"_s;
    QTest::newRow("small katakana") << u"ァィゥェォャュョッ"_s << u"ｧｨｩｪｫｬｭｮｯ"_s;
    QTest::newRow("voiced katakana") << u"ガギグゲゴダヂヅデドバ"_s << u"ｶﾞｷﾞｸﾞｹﾞｺﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞ"_s;
    QTest::newRow("semi-voiced katakana") << u"パピプペポ"_s << u"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"_s;
    QTest::newRow("vu") << u"ヴ"_s << u"ｳﾞ"_s;
    QTest::newRow("wo and long mark") << u"ヲー"_s << u"ｦｰ"_s;
    QTest::newRow("japanese punctuation") << u"。「」、・゛゜"_s << u"｡｢｣､･ﾞﾟ"_s;
    QTest::newRow("va vo without twin") << u"ヷヸヹヺ"_s << u"ヷヸヹヺ"_s;
    QTest::newRow("katakana without half form") << u"ヮヰヱヵヶヽヾ"_s << u"ヮヰヱヵヶヽヾ"_s;
    QTest::newRow("hiragana and kanji") << u"あいう漢字が"_s << u"あいう漢字が"_s;
    QTest::newRow("ascii and controls") << u"a\t\r\n ~\\"_s << u"a\t\r\n ~\\"_s;
    QTest::newRow("half-width kana stays") << u"ｶﾞ"_s << u"ｶﾞ"_s;
    QTest::newRow("other full-width signs") << u"￠￡￢￣￤"_s << u"￠￡￢￣￤"_s;
    QTest::newRow("wave dash and friends") << u"〜−—‖¥"_s << u"〜−—‖¥"_s;
    QTest::newRow("surrogate pair") << u"a𝄞b"_s << u"a𝄞b"_s;
    QTest::newRow("mixed line") << u"０１　ガンダム「ＳＥＥＤ」"_s << u"01 ｶﾞﾝﾀﾞﾑ｢SEED｣"_s;
}

void TestWidth::narrowText()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(narrow(input), expected);
}

void TestWidth::widenText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("ascii letters digits") << u"ABC123xyz"_s << u"ＡＢＣ１２３ｘｙｚ"_s;
    QTest::newRow("space") << u"A B"_s << u"Ａ　Ｂ"_s;
    QTest::newRow("backslash quotes tilde") << u"\\'\"~"_s << u"＼＇＂～"_s;
    QTest::newRow("controls stay") << u"\t\r\n\x7f"_s << u"\t\r\n\x7f"_s;
    QTest::newRow("plain kana") << u"ｱｲｳｴｵﾝｦｰ"_s << u"アイウエオンヲー"_s;
    QTest::newRow("voiced pairs") << u"ｶﾞｻﾞﾀﾞﾊﾞﾄﾞ"_s << u"ガザダバド"_s;
    QTest::newRow("semi-voiced pairs") << u"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"_s << u"パピプペポ"_s;
    QTest::newRow("vu") << u"ｳﾞ"_s << u"ヴ"_s;
    QTest::newRow("wa and wo with mark") << u"ﾜﾞｦﾞ"_s << u"ワ゛ヲ゛"_s;
    QTest::newRow("mark after unvoiceable kana") << u"ｱﾞﾅﾟｶﾟ"_s << u"ア゛ナ゜カ゜"_s;
    QTest::newRow("lone marks") << u"ﾞﾟ"_s << u"゛゜"_s;
    QTest::newRow("mark at the start") << u"ﾞｶ"_s << u"゛カ"_s;
    QTest::newRow("two marks") << u"ｶﾞﾞ"_s << u"ガ゛"_s;
    QTest::newRow("punctuation") << u"｡｢｣､･"_s << u"。「」、・"_s;
    QTest::newRow("full-width stays") << u"ＡカあA"_s << u"ＡカあＡ"_s;
    QTest::newRow("yen sign stays") << u"¥"_s << u"¥"_s;
    QTest::newRow("kana before ascii") << u"ｶA"_s << u"カＡ"_s;
}

void TestWidth::widenText()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(widen(input), expected);
}

void TestWidth::narrowChangesExactlyTheRuleSet()
{
    const QHash<char16_t, QString> expected = expectedNarrowing();
    int changed = 0;
    for (int u = 0; u <= 0xFFFF; ++u) {
        const QString in(QChar(static_cast<char16_t>(u)));
        const QString out = narrow(in);
        const auto it = expected.constFind(static_cast<char16_t>(u));
        if (it == expected.constEnd()) {
            if (out != in)
                QFAIL(qPrintable(QStringLiteral("U+%1 must stay").arg(u, 4, 16, QLatin1Char('0'))));
        } else {
            ++changed;
            if (out != *it)
                QFAIL(qPrintable(QStringLiteral("U+%1 narrows wrongly").arg(u, 4, 16, QLatin1Char('0'))));
        }
    }
    QCOMPARE(changed, expected.size());
}

void TestWidth::widenChangesExactlyTheRuleSet()
{
    for (int u = 0; u <= 0xFFFF; ++u) {
        const auto c = static_cast<char16_t>(u);
        QString expected(QChar{c});
        if (c == 0x20)
            expected = QString(QChar(0x3000));
        else if (c >= 0x21 && c <= 0x7E)
            expected = QString(QChar(c + 0xFEE0));
        else if (c >= 0xFF61 && c <= 0xFF9F)
            expected = QString(QChar(unicodeTwin(c)));
        if (widen(QString(QChar(c))) != expected)
            QFAIL(qPrintable(QStringLiteral("U+%1 widens wrongly").arg(u, 4, 16, QLatin1Char('0'))));
    }
}

void TestWidth::narrowUndoesWidenForAscii()
{
    for (char16_t c = 0x20; c <= 0x7E; ++c)
        QCOMPARE(narrow(widen(QString(QChar(c)))), QString(QChar(c)));
}

void TestWidth::narrowUndoesWidenForHalfWidthKana()
{
    int composedPairs = 0;
    for (char16_t half = 0xFF61; half <= 0xFF9F; ++half) {
        const QString single(QChar{half});
        QCOMPARE(narrow(widen(single)), single);
        for (char16_t mark : {char16_t(0xFF9E), char16_t(0xFF9F)}) {
            const QString pair = str({half, mark});
            const QString wide = widen(pair);
            const char16_t voiced = unicodeVoiced(unicodeTwin(half), mark);
            if (voiced != 0) {
                ++composedPairs;
                QCOMPARE(wide, QString(QChar(voiced)));
            } else {
                QCOMPARE(wide, widen(single) + widen(QString(QChar(mark))));
            }
            QCOMPARE(narrow(wide), pair);
        }
    }
    // 20 dakuten (カ..ト, ハ..ホ) + ヴ, 5 handakuten.
    QCOMPARE(composedPairs, 26);
}

void TestWidth::derivedSetsHaveTheExpectedSize()
{
    // 94 ASCII twins, the ideographic space, ￥ ’ ”, 63 half-width twins, 26 voiced katakana.
    QCOMPARE(expectedNarrowing().size(), 94 + 1 + 3 + 63 + 26);
}

QTEST_GUILESS_MAIN(TestWidth)
#include "tst_width.moc"
