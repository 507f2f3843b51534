// The binary CD-TEXT export of any layout text, read back by libcdio.
#include "FuzzSupport.h"

#include "cdtext/CdTextExport.h"
#include "cdtext/LayoutBlocks.h"
#include "cdtext/PackWriter.h"

#include <algorithm>
#include <cdio/cdtext.h>
#include <iconv.h>

using namespace velnora;
using namespace velnora::cdtext;

namespace
{

// Written apart from the writer's own: polynomial 0x1021, start 0, inverted.
quint16 crc16(const char *bytes)
{
    quint32 crc = 0;
    for (int i = 0; i < 16; ++i) {
        crc ^= static_cast<quint32>(static_cast<unsigned char>(bytes[i])) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? ((crc << 1) ^ 0x1021) & 0xFFFF : (crc << 1) & 0xFFFF;
    }
    return static_cast<quint16>(crc ^ 0xFFFF);
}

// What libcdio gives for a text of the block: it converts with iconv from the block's charset; an
// empty text is written as one space. Null when iconv cannot convert it (Shift_JIS lacks some of
// cp932), so that text is not compared.
// libcdio 2.1 takes the character code of every block from the last block's size packs, so an "en"
// block before "ja" is read as Shift_JIS: its \, ~ and Latin-1 letters are not compared there.
std::optional<QString> expected(const CdTextBlock &block, const QByteArray &text, bool readAsShiftJis)
{
    const QByteArray written =
        !text.isEmpty() ? text : (block.doubleByte ? QByteArrayLiteral("\x81\x40") : QByteArrayLiteral(" "));
    if (!block.doubleByte) {
        if (readAsShiftJis && std::any_of(written.begin(), written.end(), [](char c) {
                return c == '\\' || c == '~' || static_cast<unsigned char>(c) >= 0x80;
            }))
            return std::nullopt;
        return QString::fromLatin1(written);
    }
    iconv_t cd = iconv_open("UTF-8", "SHIFT_JIS");
    QByteArray out(written.size() * 4, '\0');
    char *in = const_cast<char *>(written.constData());
    char *outPtr = out.data();
    size_t inLeft = static_cast<size_t>(written.size());
    size_t outLeft = static_cast<size_t>(out.size());
    const bool ok = iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    return QString::fromUtf8(out.constData(), outPtr - out.constData());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString layout = fuzz::fields(data, size, 1).constFirst();
    const CdTextExport result = exportCdText(layout);
    if (!result.ok()) {
        FUZZ_CHECK(result.bytes.isEmpty() && !result.message.isEmpty(), fuzz::visible(layout));
        return 0;
    }
    const QByteArray &file = result.bytes;
    FUZZ_CHECK(file.size() >= 4 + PackSize && (file.size() - 4) % PackSize == 0, fuzz::visible(layout));
    FUZZ_CHECK(((static_cast<unsigned char>(file.at(0)) << 8) | static_cast<unsigned char>(file.at(1))) ==
                   file.size() - 2,
               fuzz::visible(layout));
    int expectedSequence = 0;
    int block = 0;
    for (qsizetype at = 4; at < file.size(); at += PackSize) {
        const char *pack = file.constData() + at;
        const quint16 stored = static_cast<quint16>((static_cast<unsigned char>(pack[16]) << 8) |
                                                    static_cast<unsigned char>(pack[17]));
        FUZZ_CHECK(crc16(pack) == stored, fuzz::visible(layout));
        const int packBlock = (static_cast<unsigned char>(pack[3]) >> 4) & 7;
        if (packBlock != block) {
            FUZZ_CHECK(packBlock == block + 1, fuzz::visible(layout));
            block = packBlock;
            expectedSequence = 0;
        }
        FUZZ_CHECK(static_cast<unsigned char>(pack[2]) == expectedSequence, fuzz::visible(layout));
        ++expectedSequence;
    }

    // libcdio must give every title back on its track.
    const LayoutBlocks parsed = layoutBlocks(layout);
    QByteArray copy = file;
    cdtext_t *cdtext = cdtext_init();
    FUZZ_CHECK(cdtext_data_init(cdtext, reinterpret_cast<uint8_t *>(copy.data()) + 4,
                                static_cast<size_t>(copy.size() - 4)) == 0,
               fuzz::visible(layout));
    for (qsizetype b = 0; b < parsed.blocks.size(); ++b) {
        const CdTextBlock &expectedBlock = parsed.blocks.at(b);
        FUZZ_CHECK(cdtext_set_language_index(cdtext, static_cast<int>(b)), fuzz::visible(layout));
        FUZZ_CHECK(cdtext_get_language(cdtext) == expectedBlock.language, fuzz::visible(layout));
        const auto check = [&](cdtext_field_t field, int track, const QByteArray &text) {
            const bool readAsShiftJis = !expectedBlock.doubleByte && parsed.blocks.constLast().doubleByte;
            const std::optional<QString> want = expected(expectedBlock, text, readAsShiftJis);
            if (!want)
                return;
            const QString got =
                QString::fromUtf8(cdtext_get_const(cdtext, field, static_cast<track_t>(track)));
            FUZZ_CHECK(got == *want,
                       QStringLiteral("track %1: [%2] instead of [%3] in\n%4\n%5")
                           .arg(track)
                           .arg(got, *want, fuzz::visible(layout), QString::fromLatin1(file.toHex(' '))));
        };
        check(CDTEXT_FIELD_TITLE, 0, expectedBlock.album);
        check(CDTEXT_FIELD_PERFORMER, 0, expectedBlock.artist);
        for (qsizetype t = 0; t < expectedBlock.titles.size(); ++t) {
            check(CDTEXT_FIELD_TITLE, static_cast<int>(t + 1), expectedBlock.titles.at(t));
            check(CDTEXT_FIELD_PERFORMER, static_cast<int>(t + 1), expectedBlock.artist);
        }
    }
    cdtext_destroy(cdtext);
    return 0;
}
