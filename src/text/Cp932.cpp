#include "text/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace velnora::cp932
{

// TODO: the exact Microsoft table with error positions
QString decode(const QByteArray &bytes)
{
    QStringDecoder d("windows-31j", QStringDecoder::Flag::Stateless);
    return d.decode(bytes);
}

Encoded encode(const QString &text)
{
    QStringEncoder e("windows-31j", QStringEncoder::Flag::Stateless);
    return {e.encode(text), {}};
}

qint16 charCode(const QString &text)
{
    const QByteArray b = encode(text.left(1)).bytes;
    if (b.size() == 1)
        return static_cast<qint16>(static_cast<unsigned char>(b[0]));
    if (b.size() == 2)
        return static_cast<qint16>(static_cast<unsigned char>(b[0]) * 256 + static_cast<unsigned char>(b[1]));
    return 0;
}

} // namespace velnora::cp932
