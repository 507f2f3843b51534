#include "cdtext/PackWriter.h"

#include <array>

namespace velnora::cdtext
{

namespace
{

constexpr int MaxBlocks = 8;
constexpr int MaxCharacterPosition = 15;

// libcdio skips an empty text without counting its track, so every title after it in the same pack
// would land one track early: a text left empty is written as one (ideographic) space.
QByteArray nonEmpty(const CdTextBlock &block, const QByteArray &text)
{
    if (!text.isEmpty())
        return text;
    return block.doubleByte ? QByteArrayLiteral("\x81\x40") : QByteArrayLiteral(" ");
}

QByteArray stream(const CdTextBlock &block, const QByteArray &disc, const QList<QByteArray> &tracks)
{
    const QByteArray end(block.doubleByte ? 2 : 1, '\0');
    QByteArray out;
    out += nonEmpty(block, disc) + end;
    for (const QByteArray &text : tracks)
        out += nonEmpty(block, text) + end;
    return out;
}

QList<QByteArray> artistOnEveryTrack(const CdTextBlock &block)
{
    return QList<QByteArray>(block.titles.size(), block.artist);
}

int packsFor(qsizetype bytes)
{
    return static_cast<int>((bytes + PackTextSize - 1) / PackTextSize);
}

class BlockPacks
{
public:
    BlockPacks(QByteArray &out, int blockNumber, bool doubleByte)
        : m_out(out), m_blockNumber(blockNumber), m_doubleByte(doubleByte)
    {
    }

    // The packs of one text type: each pack names the track and character position of its first byte.
    void addTexts(quint8 type, const QByteArray &texts)
    {
        const int characterBytes = m_doubleByte ? 2 : 1;
        int track = 0;
        qsizetype textStart = 0;
        for (qsizetype at = 0; at < texts.size(); at += PackTextSize) {
            // Move to the text that holds the pack's first byte.
            for (;;) {
                const qsizetype end = nextTextEnd(texts, textStart, characterBytes);
                if (at < end)
                    break;
                textStart = end;
                ++track;
            }
            const qsizetype position = (at - textStart) / characterBytes;
            addPack(type, static_cast<quint8>(track), m_doubleByte,
                    static_cast<int>(qMin<qsizetype>(position, MaxCharacterPosition)),
                    texts.mid(at, PackTextSize));
            ++m_count[type - TitlePack];
        }
    }

    void addSizePacks(const QByteArray &info)
    {
        for (int i = 0; i < SizePacks; ++i)
            addPack(SizePack, static_cast<quint8>(i), false, 0, info.mid(i * PackTextSize, PackTextSize));
    }

    int sequence() const { return m_sequence; }
    int count(quint8 type) const { return m_count[type - TitlePack]; }

private:
    // Where the text starting at from ends, its zero byte(s) included.
    static qsizetype nextTextEnd(const QByteArray &texts, qsizetype from, int characterBytes)
    {
        for (qsizetype i = from; i + characterBytes <= texts.size(); i += characterBytes) {
            if (texts.at(i) == '\0' && (characterBytes == 1 || texts.at(i + 1) == '\0'))
                return i + characterBytes;
        }
        return texts.size();
    }

    void addPack(quint8 type, quint8 track, bool doubleByte, int position, const QByteArray &text)
    {
        QByteArray pack(PackSize, '\0');
        pack[0] = static_cast<char>(type);
        pack[1] = static_cast<char>(track);
        pack[2] = static_cast<char>(m_sequence++);
        pack[3] = static_cast<char>((doubleByte ? 0x80 : 0) | (m_blockNumber << 4) | position);
        for (qsizetype i = 0; i < text.size(); ++i)
            pack[4 + i] = text.at(i);
        const quint16 crc = packCrc(QByteArrayView(pack).first(16));
        pack[16] = static_cast<char>(crc >> 8);
        pack[17] = static_cast<char>(crc & 0xFF);
        m_out += pack;
    }

    QByteArray &m_out;
    int m_blockNumber;
    bool m_doubleByte;
    int m_sequence = 0;
    std::array<int, 16> m_count{};
};

} // namespace

quint16 packCrc(QByteArrayView first16)
{
    quint16 crc = 0;
    for (const char c : first16) {
        crc ^= static_cast<quint16>(static_cast<unsigned char>(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<quint16>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return static_cast<quint16>(~crc);
}

QByteArray titleStream(const CdTextBlock &block)
{
    return stream(block, block.album, block.titles);
}

QByteArray performerStream(const CdTextBlock &block)
{
    return stream(block, block.artist, artistOnEveryTrack(block));
}

int textPacks(const CdTextBlock &block)
{
    return packsFor(titleStream(block).size()) + packsFor(performerStream(block).size());
}

QByteArray cdTextFile(const QList<CdTextBlock> &blocks)
{
    const qsizetype used = qMin<qsizetype>(blocks.size(), MaxBlocks);
    // Every block's size packs name the last sequence number of every block.
    std::array<QByteArray, MaxBlocks> titles;
    std::array<QByteArray, MaxBlocks> performers;
    std::array<int, MaxBlocks> lastSequence{};
    for (qsizetype b = 0; b < used; ++b) {
        titles[b] = titleStream(blocks.at(b));
        performers[b] = performerStream(blocks.at(b));
        lastSequence[b] = packsFor(titles[b].size()) + packsFor(performers[b].size()) + SizePacks - 1;
    }

    QByteArray packs;
    for (qsizetype b = 0; b < used; ++b) {
        const CdTextBlock &block = blocks.at(b);
        BlockPacks writer(packs, static_cast<int>(b), block.doubleByte);
        writer.addTexts(TitlePack, titles[b]);
        writer.addTexts(PerformerPack, performers[b]);

        QByteArray info(SizePacks * PackTextSize, '\0');
        info[0] = static_cast<char>(block.characterCode);
        info[1] = 1;
        info[2] = static_cast<char>(block.titles.size());
        info[3] = 0; // no copyright flags
        info[4 + TitlePack - TitlePack] = static_cast<char>(writer.count(TitlePack));
        info[4 + PerformerPack - TitlePack] = static_cast<char>(writer.count(PerformerPack));
        info[4 + SizePack - TitlePack] = static_cast<char>(SizePacks);
        for (qsizetype other = 0; other < used; ++other) {
            info[20 + other] = static_cast<char>(lastSequence[other]);
            info[28 + other] = static_cast<char>(blocks.at(other).language);
        }
        writer.addSizePacks(info);
    }

    const qsizetype length = packs.size() + 2;
    QByteArray file(4, '\0');
    file[0] = static_cast<char>((length >> 8) & 0xFF);
    file[1] = static_cast<char>(length & 0xFF);
    return file + packs;
}

} // namespace velnora::cdtext
