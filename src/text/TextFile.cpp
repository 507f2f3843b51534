#include "text/TextFile.h"

#include "text/Cp932.h"

#include <QStringDecoder>

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
