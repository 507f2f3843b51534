#include "cdtext/LayoutBlocks.h"
#include "cdtext/PackWriter.h"

#include <QTest>

using namespace velnora::cdtext;

namespace
{

// The worked example with a gap: titles on 1, 3 and 4.
const QString Example =
    QStringLiteral("en\r\n0\tBlue Sky\tSora Trio\r\n1\tMorning\r\n3\tRain\r\n4\tNight\r\n");
const QString EnJa = QStringLiteral("en\r\n0\tA\tB\r\n1\tT\r\n\r\nja\r\n0\tＡ\tＢ\r\n1\tＴ\r\n");

QByteArray fileOf(const QString &layout)
{
    const LayoutBlocks parsed = layoutBlocks(layout);
    return parsed.refusal == Refusal::None ? cdTextFile(parsed.blocks) : QByteArray();
}

} // namespace

class TestPackWriter : public QObject
{
    Q_OBJECT

private slots:
    void crcOfKnownPacks_data();
    void crcOfKnownPacks();
    void packs_data();
    void packs();
    void header_data();
    void header();
};

void TestPackWriter::crcOfKnownPacks_data()
{
    QTest::addColumn<QByteArray>("pack");
    // Size packs read from a pressed disc (13 tracks, ASCII, English), CRC as the disc holds it.
    QTest::newRow("pressed disc, size pack 0")
        << QByteArray::fromHex("8F002B00 01010D03 0C0C0000 00000100 7B3D");
    QTest::newRow("pressed disc, size pack 1")
        << QByteArray::fromHex("8F012C00 0000000000001203 2D000000 DAB7");
    QTest::newRow("pressed disc, size pack 2")
        << QByteArray::fromHex("8F022D00 00000000 09000000 00000000 6A24");
}

void TestPackWriter::crcOfKnownPacks()
{
    QFETCH(QByteArray, pack);
    QCOMPARE(pack.size(), PackSize);
    const quint16 stored = static_cast<quint16>((static_cast<unsigned char>(pack.at(16)) << 8) |
                                                static_cast<unsigned char>(pack.at(17)));
    QCOMPARE(packCrc(QByteArrayView(pack).first(16)), stored);
}

void TestPackWriter::packs_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("pack");

    // Title stream: "Blue Sky\0" "Morning\0" " \0" (track 2, empty) "Rain\0" "Night\0".
    QTest::newRow("album opens the block at sequence 0")
        << Example << 0 << QByteArray::fromHex("800000 00 426C756520536B79004D6F72 D95A");
    QTest::newRow("pack inside Morning: track 1, position 3, the gap as one space")
        << Example << 1 << QByteArray::fromHex("800101 03 6E696E67002000526169 6E00 DC3B");
    QTest::newRow("last title pack padded with zeros")
        << Example << 2 << QByteArray::fromHex("800402 00 4E69676874000000000000 00 FA16");
    QTest::newRow("performers follow, sequence goes on")
        << Example << 3 << QByteArray::fromHex("810003 00 536F726120547269 6F00536F 2ECB");
    QTest::newRow("artist on the last track, position 8")
        << Example << 7 << QByteArray::fromHex("810407 08 6F0000000000000000000000 1F47");
    QTest::newRow("size pack 0: code, tracks 1-4, 3 title and 5 performer packs")
        << Example << 8 << QByteArray::fromHex("8F0008 00 00010400 03050000 00000000 A151");
    QTest::newRow("size pack 1: three size packs, last sequence 10")
        << Example << 9 << QByteArray::fromHex("8F0109 00 00000000 00000003 0A000000 361B");
    QTest::newRow("size pack 2: English")
        << Example << 10 << QByteArray::fromHex("8F020A 00 00000000 09000000 00000000 87ED");
    QTest::newRow("character position over 15 is 15")
        << QStringLiteral("en\r\n0\tABCDEFGHIJKLMNOPQRSTUVWXYZabcd\tX\r\n1\tT\r\n") << 2
        << QByteArray::fromHex("800002 0F 595A61626364005400000000 9033");
    QTest::newRow("double-byte flag, position counts characters")
        << QStringLiteral("ja\r\n0\tＡＢＣＤＥＦＧ\tＸ\r\n1\tＴ\r\n") << 1
        << QByteArray::fromHex("800001 86 826600008273000000000000 2BF0");
    QTest::newRow("second block: number 1, sequence from 0")
        << EnJa << 5 << QByteArray::fromHex("800000 90 826000008273000000000000 38BA");
    QTest::newRow("second block size pack 0: MS-JIS")
        << EnJa << 7 << QByteArray::fromHex("8F0002 10 80010100 01010000 00000000 8CFD");
    QTest::newRow("second block size pack 1: last sequence of both blocks")
        << EnJa << 8 << QByteArray::fromHex("8F0103 10 00000000 00000003 04040000 439C");
    QTest::newRow("second block size pack 2: English and Japanese")
        << EnJa << 9 << QByteArray::fromHex("8F0204 10 00000000 09690000 00000000 E983");
    QTest::newRow("first block names both languages too")
        << EnJa << 4 << QByteArray::fromHex("8F0204 00 00000000 09690000 00000000 FF37");
}

void TestPackWriter::packs()
{
    QFETCH(QString, layout);
    QFETCH(int, index);
    QFETCH(QByteArray, pack);
    const QByteArray file = fileOf(layout);
    QVERIFY(file.size() >= 4 + (index + 1) * PackSize);
    QCOMPARE(file.mid(4 + index * PackSize, PackSize).toHex(' '), pack.toHex(' '));
}

void TestPackWriter::header_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("11 packs: 198 bytes + 2") << Example << QByteArray::fromHex("00C80000");
    QTest::newRow("two blocks of 5 packs: 180 bytes + 2") << EnJa << QByteArray::fromHex("00B60000");
}

void TestPackWriter::header()
{
    QFETCH(QString, layout);
    QFETCH(QByteArray, header);
    const QByteArray file = fileOf(layout);
    QCOMPARE(file.left(4).toHex(' '), header.toHex(' '));
    QCOMPARE((file.size() - 4) % PackSize, 0);
    QCOMPARE(((static_cast<unsigned char>(file.at(0)) << 8) | static_cast<unsigned char>(file.at(1))) - 2,
             file.size() - 4);
}

QTEST_GUILESS_MAIN(TestPackWriter)
#include "tst_packwriter.moc"
