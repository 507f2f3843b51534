#include "text/TextFile.h"

#include "text/Cp932.h"

#include <QStringDecoder>

#include <utility>

namespace velnora
{

namespace
{

bool isAscii(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QString decodeFileBytes(const QByteArray &bytes)
{
    // What Windows Notepad saves as "Unicode": neither byte pair can start a cp932 text.
    for (const auto &[bom, encoding] : {std::pair{QByteArrayLiteral("\xFF\xFE"), QStringDecoder::Utf16LE},
                                        std::pair{QByteArrayLiteral("\xFE\xFF"), QStringDecoder::Utf16BE}}) {
        if (bytes.startsWith(bom)) {
            // A damaged unit or a cut-off last byte costs that character (U+FFFD), not the file. The
            // odd byte is replaced here: alone after the mark, the decoder would drop it silently.
            const QByteArray body = bytes.mid(bom.size());
            const qsizetype whole = body.size() - body.size() % 2;
            // As for UTF-8 below: only the first mark is cut off, a second one is text.
            QStringDecoder utf16(encoding,
                                 QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
            QString text = utf16.decode(body.left(whole));
            if (whole != body.size())
                text += QChar(QChar::ReplacementCharacter);
            return text;
        }
    }
    static const QByteArray bom = QByteArrayLiteral("\xEF\xBB\xBF");
    const bool hasBom = bytes.startsWith(bom);
    const QByteArray body = hasBom ? bytes.mid(bom.size()) : bytes;
    if (hasBom || !isAscii(body)) {
        // The BOM is cut off above; a second one is text and must stay.
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        const QString text = utf8.decode(body);
        // A BOM says UTF-8: a damaged byte costs that byte (U+FFFD), not the whole file as cp932.
        if (!utf8.hasError() || hasBom)
            return text;
    }
    return cp932::decode(bytes);
}

} // namespace velnora
