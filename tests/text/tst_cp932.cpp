#include "text/Cp932.h"

#include <QSet>
#include <QtTest>

using namespace velnora;
using namespace Qt::StringLiterals;

namespace
{

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

// Input-method characters that are written as their cp932 twins.
const QHash<char16_t, QByteArray> &twins()
{
    static const QHash<char16_t, QByteArray> t = {
        {0x301C, QByteArray::fromHex("8160")}, {0x2016, QByteArray::fromHex("8161")},
        {0x2212, QByteArray::fromHex("817C")}, {0x2014, QByteArray::fromHex("815C")},
        {0x00A2, QByteArray::fromHex("8191")}, {0x00A3, QByteArray::fromHex("8192")},
        {0x00AC, QByteArray::fromHex("81CA")},
    };
    return t;
}

} // namespace

class TestCp932 : public QObject
{
    Q_OBJECT

private slots:
    void decodeBytes_data();
    void decodeBytes();
    void encodeText_data();
    void encodeText();
    void preferredCodeOfDuplicates_data();
    void preferredCodeOfDuplicates();
    void charCodeOfFirstCharacter_data();
    void charCodeOfFirstCharacter();
    void asciiMapsToItselfBothWays();
    void singleByteKatakanaRoundTrip();
    void everyDoubleByteCodeRoundTrips();
    void nothingEncodesToALookAlike();
    void largeTextRoundTrips();
};

void TestCp932::decodeBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ascii line") << QByteArray("Abc 123\r\n") << u"Abc 123\r\n"_s;
    QTest::newRow("control bytes stay") << QByteArray::fromHex("1a1c7f0009") << u"\x1a\x1c\x7f\0\t"_s;
    QTest::newRow("backslash and tilde") << QByteArray("\\~") << u"\\~"_s;
    QTest::newRow("hiragana") << QByteArray::fromHex("82a082a282a4") << u"あいう"_s;
    QTest::newRow("kanji") << QByteArray::fromHex("8abf8e9a") << u"漢字"_s;
    QTest::newRow("half-width katakana") << QByteArray::fromHex("b1a1dfdedf") << u"ｱ｡ﾟﾞﾟ"_s;
    QTest::newRow("microsoft wave dash") << QByteArray::fromHex("8160") << u"～"_s;
    QTest::newRow("microsoft dash, bar, minus") << QByteArray::fromHex("815c8161817c") << u"―∥－"_s;
    QTest::newRow("microsoft yen and not") << QByteArray::fromHex("818f81ca") << u"￥￢"_s;
    QTest::newRow("nec row 13") << QByteArray::fromHex("87408790") << u"①≒"_s;
    QTest::newRow("ibm extension") << QByteArray::fromHex("fa40fc4b") << u"ⅰ黑"_s;
    QTest::newRow("nec-selected ibm") << QByteArray::fromHex("eeef") << u"ⅰ"_s;
    QTest::newRow("user-defined area") << QByteArray::fromHex("f040f9fc") << u"\ue000\ue757"_s;
    QTest::newRow("undefined single bytes")
        << QByteArray::fromHex("41 80 a0 fd fe ff 42") << u"A\ufffd\ufffd\ufffd\ufffd\ufffdB"_s;
    QTest::newRow("lead byte at the end") << QByteArray::fromHex("4182") << u"A\ufffd"_s;
    QTest::newRow("only a lead byte") << QByteArray::fromHex("82") << u"\ufffd"_s;
    QTest::newRow("lead before space") << QByteArray::fromHex("8120 41") << u"\ufffd A"_s;
    QTest::newRow("lead before newline") << QByteArray::fromHex("82 0d0a 82a0") << u"\ufffd\r\nあ"_s;
    QTest::newRow("trail 7f is not a trail") << QByteArray::fromHex("817f") << u"\ufffd\x7f"_s;
    QTest::newRow("unassigned row") << QByteArray::fromHex("8540 82a0") << u"\ufffd@あ"_s;
    QTest::newRow("unassigned cell") << QByteArray::fromHex("fc4c") << u"\ufffdL"_s;
    QTest::newRow("bad pair then lead as trail") << QByteArray::fromHex("8582a0") << u"\ufffdあ"_s;
    QTest::newRow("bad pair at the end") << QByteArray::fromHex("8585") << u"\ufffd\ufffd"_s;
    QTest::newRow("utf-8 bytes read as cp932") << QByteArray("\xe3\x81\x82") << u"縺\ufffd"_s;
}

void TestCp932::decodeBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(cp932::decode(bytes), expected);
}

void TestCp932::encodeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QStringList>("characters");

    QTest::newRow("empty") << QString() << QByteArray() << QList<int>() << QStringList();
    QTest::newRow("ascii with crlf") << u"a\tb\r\n"_s << QByteArray("a\tb\r\n") << QList<int>()
                                     << QStringList();
    QTest::newRow("controls stay") << u"\x1a\x1c\x7f"_s << QByteArray::fromHex("1a1c7f") << QList<int>()
                                   << QStringList();
    QTest::newRow("japanese") << u"あｱ漢"_s << QByteArray::fromHex("82a0b18abf") << QList<int>()
                              << QStringList();
    QTest::newRow("microsoft characters")
        << u"～∥－―￥￢"_s << QByteArray::fromHex("81608161817c815c818f81ca") << QList<int>()
        << QStringList();
    QTest::newRow("input-method twins")
        << u"〜‖−—¢£¬"_s << QByteArray::fromHex("81608161817c815c8191819281ca") << QList<int>()
        << QStringList();
    QTest::newRow("yen sign is not backslash")
        << u"a¥b"_s << QByteArray("ab") << QList<int>{1} << QStringList{u"¥"_s};
    QTest::newRow("overline is not tilde") << u"‾"_s << QByteArray() << QList<int>{0} << QStringList{u"‾"_s};
    QTest::newRow("euro") << u"5€"_s << QByteArray("5") << QList<int>{1} << QStringList{u"€"_s};
    QTest::newRow("latin-1 letters") << u"café"_s << QByteArray("caf") << QList<int>{3}
                                     << QStringList{u"é"_s};
    QTest::newRow("no-break space") << u"a\u00a0"_s << QByteArray("a") << QList<int>{1}
                                    << QStringList{u"\u00a0"_s};
    QTest::newRow("c1 control") << u"\u0080"_s << QByteArray() << QList<int>{0} << QStringList{u"\u0080"_s};
    QTest::newRow("zero-width space")
        << u"a\u200bb"_s << QByteArray("ab") << QList<int>{1} << QStringList{u"\u200b"_s};
    QTest::newRow("replacement character")
        << u"\ufffd"_s << QByteArray() << QList<int>{0} << QStringList{u"\ufffd"_s};
    QTest::newRow("combining voiced mark")
        << u"か\u3099"_s << QByteArray::fromHex("82a9") << QList<int>{1} << QStringList{u"\u3099"_s};
    QTest::newRow("va") << u"ヷ"_s << QByteArray() << QList<int>{0} << QStringList{u"ヷ"_s};
    QTest::newRow("surrogate pair") << u"a😀b"_s << QByteArray("ab") << QList<int>{1} << QStringList{u"😀"_s};
    QTest::newRow("position after a pair")
        << u"😀é"_s << QByteArray() << QList<int>{0, 2} << QStringList{u"😀"_s, u"é"_s};
    QTest::newRow("lone high surrogate") << (u"a"_s + QChar(0xD83D) + u"b"_s) << QByteArray("ab")
                                         << QList<int>{1} << QStringList{QString(QChar(0xD83D))};
    QTest::newRow("lone low surrogate") << (QString(QChar(0xDE00)) + u"b"_s) << QByteArray("b")
                                        << QList<int>{0} << QStringList{QString(QChar(0xDE00))};
    QTest::newRow("high surrogate at the end") << (u"x"_s + QChar(0xD83D)) << QByteArray("x") << QList<int>{1}
                                               << QStringList{QString(QChar(0xD83D))};
    QTest::newRow("every one reported")
        << u"¥¥a¥"_s << QByteArray("a") << QList<int>{0, 1, 3} << QStringList{u"¥"_s, u"¥"_s, u"¥"_s};
}

void TestCp932::encodeText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, positions);
    QFETCH(QStringList, characters);

    const cp932::Encoded e = cp932::encode(text);
    QCOMPARE(hex(e.bytes), hex(bytes));
    QList<int> gotPositions;
    QStringList gotCharacters;
    for (const cp932::Unencodable &u : e.unencodable) {
        gotPositions.append(static_cast<int>(u.position));
        gotCharacters.append(u.character);
    }
    QCOMPARE(gotPositions, positions);
    QCOMPARE(gotCharacters, characters);
    QCOMPARE(e.ok(), positions.isEmpty());
}

void TestCp932::preferredCodeOfDuplicates_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("nearly equal: jis over nec") << u"≒"_s << QByteArray::fromHex("81e0");
    QTest::newRow("because: jis over nec and ibm") << u"∵"_s << QByteArray::fromHex("81e6");
    QTest::newRow("square root: jis over nec") << u"√"_s << QByteArray::fromHex("81e3");
    QTest::newRow("small roman one: ibm over nec-selected") << u"ⅰ"_s << QByteArray::fromHex("fa40");
    QTest::newRow("roman one: nec over ibm") << u"Ⅰ"_s << QByteArray::fromHex("8754");
    QTest::newRow("numero: nec over ibm") << u"№"_s << QByteArray::fromHex("8782");
    QTest::newRow("kabushiki: nec over ibm") << u"㈱"_s << QByteArray::fromHex("878a");
    QTest::newRow("kanji: ibm over nec-selected") << u"纊"_s << QByteArray::fromHex("fa5c");
    QTest::newRow("broken bar: ibm") << u"￤"_s << QByteArray::fromHex("fa55");
    QTest::newRow("not sign: jis over ibm") << u"￢"_s << QByteArray::fromHex("81ca");
}

void TestCp932::preferredCodeOfDuplicates()
{
    QFETCH(QString, character);
    QFETCH(QByteArray, bytes);
    QCOMPARE(hex(cp932::encode(character).bytes), hex(bytes));
}

void TestCp932::charCodeOfFirstCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");

    QTest::newRow("A") << u"A"_s << 65;
    QTest::newRow("tilde") << u"~"_s << 126;
    QTest::newRow("delete") << u"\x7f"_s << 127;
    QTest::newRow("tab") << u"\t"_s << 9;
    QTest::newRow("hiragana a") << u"あ"_s << -32096;
    QTest::newRow("half-width a") << u"ｱ"_s << 177;
    QTest::newRow("half-width semi-voiced mark") << u"ﾟ"_s << 223;
    QTest::newRow("ideographic space") << u"　"_s << static_cast<int>(static_cast<qint16>(0x8140));
    QTest::newRow("last ibm kanji") << u"黑"_s << static_cast<int>(static_cast<qint16>(0xFC4B));
    QTest::newRow("wave dash twin") << u"〜"_s << static_cast<int>(static_cast<qint16>(0x8160));
    QTest::newRow("only the first counts") << u"Aあ"_s << 65;
    QTest::newRow("yen sign") << u"¥"_s << 0;
    QTest::newRow("accented letter") << u"é"_s << 0;
    QTest::newRow("emoji") << u"😀"_s << 0;
    QTest::newRow("lone surrogate") << QString(QChar(0xDC00)) << 0;
    QTest::newRow("empty") << QString() << 0;
}

void TestCp932::charCodeOfFirstCharacter()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(static_cast<int>(cp932::charCode(text)), code);
    // Asked again, the remembered answer must be the same.
    QCOMPARE(static_cast<int>(cp932::charCode(text)), code);
}

void TestCp932::asciiMapsToItselfBothWays()
{
    for (int b = 0; b < 0x80; ++b) {
        const QByteArray byte(1, static_cast<char>(b));
        const QString c(QChar(static_cast<char16_t>(b)));
        QCOMPARE(cp932::decode(byte), c);
        QCOMPARE(hex(cp932::encode(c).bytes), hex(byte));
        QCOMPARE(static_cast<int>(cp932::charCode(c)), b);
    }
}

void TestCp932::singleByteKatakanaRoundTrip()
{
    for (int b = 0xA1; b <= 0xDF; ++b) {
        const QByteArray byte(1, static_cast<char>(b));
        const QString c(QChar(static_cast<char16_t>(0xFF61 + b - 0xA1)));
        QCOMPARE(cp932::decode(byte), c);
        QCOMPARE(hex(cp932::encode(c).bytes), hex(byte));
    }
}

void TestCp932::everyDoubleByteCodeRoundTrips()
{
    int valid = 0;
    int exact = 0;
    QSet<char16_t> characters;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const QByteArray code = QByteArray(1, static_cast<char>(lead)) + static_cast<char>(trail);
            const QString text = cp932::decode(code);
            if (text.size() != 1 || text.at(0) == QChar(0xFFFD)) {
                // Not a code: both bytes are read again, the lead as U+FFFD.
                QCOMPARE(text.at(0), QChar(0xFFFD));
                continue;
            }
            ++valid;
            characters.insert(text.at(0).unicode());
            const cp932::Encoded back = cp932::encode(text);
            QVERIFY2(back.ok(), qPrintable(hex(code)));
            QCOMPARE(back.bytes.size(), 2);
            if (back.bytes == code)
                ++exact;
            else // a duplicate: its preferred code must stand for the same character
                QCOMPARE(cp932::decode(back.bytes), text);
        }
    }
    // JIS X 0208 (6879), NEC row 13 (83), NEC-selected IBM (374), IBM (388), user-defined (1880).
    QCOMPARE(valid, 9604);
    QCOMPARE(exact, characters.size());
    QCOMPARE(valid - exact, 398);
}

void TestCp932::nothingEncodesToALookAlike()
{
    int encodable = 0;
    for (int u = 0; u <= 0xFFFF; ++u) {
        const auto c = static_cast<char16_t>(u);
        if (QChar::isSurrogate(c))
            continue;
        const QString text(QChar{c});
        const cp932::Encoded e = cp932::encode(text);
        if (!e.ok()) {
            QVERIFY(e.bytes.isEmpty());
            QCOMPARE(e.unencodable.size(), 1);
            QCOMPARE(e.unencodable.at(0).position, qsizetype(0));
            QCOMPARE(cp932::charCode(text), qint16(0));
            continue;
        }
        ++encodable;
        const QString back = cp932::decode(e.bytes);
        if (back != text) {
            const auto twin = twins().constFind(c);
            QVERIFY2(
                twin != twins().constEnd(),
                qPrintable(QStringLiteral("U+%1 written as a look-alike").arg(u, 4, 16, QLatin1Char('0'))));
            QCOMPARE(hex(e.bytes), hex(*twin));
        }
    }
    // ASCII, half-width katakana, one per distinct double-byte character, the input-method twins.
    QCOMPARE(encodable, 128 + 63 + (9604 - 398) + 7);
}

void TestCp932::largeTextRoundTrips()
{
    QString text;
    for (int i = 0; i < 10000; ++i)
        text += u"%1 曲目のタイトル ｶﾞｯﾂ ＡＢＣ ～\r\n"_s.arg(i);
    const cp932::Encoded e = cp932::encode(text);
    QVERIFY(e.ok());
    QCOMPARE(cp932::decode(e.bytes), text);
}

QTEST_GUILESS_MAIN(TestCp932)
#include "tst_cp932.moc"
