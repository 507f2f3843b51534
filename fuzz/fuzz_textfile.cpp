// Reading a text file: any bytes through the UTF-16/UTF-8/cp932 detection, the line rule and the loading of
// the document, the disc line included.
#include "FuzzSupport.h"

#include "document/Document.h"
#include "edit/EditMarks.h"
#include "text/Cp932.h"
#include "text/Lines.h"
#include "text/NativePath.h"
#include "text/TextFile.h"
#include "text/Width.h"

using namespace velnora;

namespace
{

const QString CrLf = QStringLiteral("\r\n");

// What the line rule must give: every CR LF and every lone CR ends a line, a final end adds none.
QString expectedJoin(const QString &text)
{
    QString t = text;
    t.replace(CrLf, QStringLiteral("\r"));
    t.replace(QLatin1Char('\r'), CrLf);
    if (t.endsWith(CrLf))
        t.chop(2);
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = decodeFileBytes(bytes);
    FUZZ_CHECK(bytes.isEmpty() == text.isEmpty() || bytes == "\xEF\xBB\xBF" || bytes == "\xFF\xFE" ||
                   bytes == "\xFE\xFF",
               fuzz::visible(text));
    // The same bytes as a file name come back exactly, whatever they are.
    FUZZ_CHECK(toNativePath(fromNativePath(bytes)) == bytes, fuzz::visible(fromNativePath(bytes)));

    const QStringList lines = readLines(text);
    for (const QString &line : lines)
        FUZZ_CHECK(!line.contains(QLatin1Char('\r')), fuzz::visible(line));
    FUZZ_CHECK(lines.join(CrLf) == expectedJoin(text), fuzz::visible(text));

    Document doc;
    loadLines(doc, lines);
    QString titles;
    QString album;
    QString artist;
    for (const QString &line : lines) {
        titles += line + CrLf;
        if (line.startsWith(QLatin1String("0\t"))) {
            const QStringList f = line.split(QLatin1Char('\t'));
            album = f.value(1);
            if (f.size() > 2)
                artist = f.last();
        }
    }
    FUZZ_CHECK(doc.titles == titles, fuzz::visible(doc.titles));
    FUZZ_CHECK(doc.album == album, fuzz::visible(doc.album));
    FUZZ_CHECK(doc.artist == artist, fuzz::visible(doc.artist));

    // The caller strips the marks next; a text that is not a layout must come back untouched.
    const QString plain = removeEditMarks(doc.titles);
    const QString narrowed = narrow(doc.titles);
    if (!narrowed.startsWith(QStringLiteral("en\r\n")) && !narrowed.startsWith(QStringLiteral("ja\r\n")))
        FUZZ_CHECK(plain == doc.titles, fuzz::visible(plain));

    // A file read as cp932 saves back to the same text: decode and encode are each other's inverse.
    if (!bytes.startsWith("\xEF\xBB\xBF") && !text.contains(QChar(0xFFFD)) && text == cp932::decode(bytes)) {
        const cp932::Encoded encoded = cp932::encode(text);
        FUZZ_CHECK(encoded.ok(), fuzz::visible(text));
        FUZZ_CHECK(cp932::decode(encoded.bytes) == text, fuzz::visible(text));
    }
    return 0;
}
