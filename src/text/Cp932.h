#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace velnora
{

// Windows-31J (Microsoft's cp932) conversion.
namespace cp932
{

struct Unencodable {
    qsizetype position; // index into the QString (UTF-16 units)
    QString character;  // one character, two units for a surrogate pair
};

struct Encoded {
    QByteArray bytes;               // characters that cannot be stored are left out
    QList<Unencodable> unencodable; // every one of them, in order
    bool ok() const { return unencodable.isEmpty(); }
};

// Never fails: a byte sequence that is not cp932 becomes U+FFFD and decoding goes on.
QString decode(const QByteArray &bytes);

// Reports every character cp932 cannot hold. Nothing becomes "?" or a look-alike, except the
// characters Japanese input methods produce in place of their cp932 twins (〜 ‖ − — ¢ £ ¬).
Encoded encode(const QString &text);

// The character code of the first character of text as a signed 16-bit value:
// single byte 0..255, double byte lead * 256 + trail (negative); 0 when cp932 cannot hold it.
qint16 charCode(const QString &text);

} // namespace cp932
} // namespace velnora
