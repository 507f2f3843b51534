#include "text/TextFile.h"

#include "text/Cp932.h"

#include <QStringDecoder>

namespace velnora
{

QString decodeFileBytes(const QByteArray &bytes)
{
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (bom || !ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return bom ? text.mid(1) : text;
    }
    return cp932::decode(bytes);
}

} // namespace velnora
