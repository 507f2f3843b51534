// The conversion into the CD_TEXT layout on any album, artist and titles for each edit type, and its
// way back through Del_henshumoji.
#include "FuzzSupport.h"

#include "edit/CdTextLayout.h"
#include "edit/EditMarks.h"
#include "text/Cp932.h"
#include "text/Lines.h"
#include "text/Trim.h"
#include "text/Width.h"

using namespace velnora;

namespace
{

const QString CrLf = QStringLiteral("\r\n");
const QChar Tab = QLatin1Char('\t');

// Checks one block from piece `at` on and returns the piece after it.
qsizetype checkBlock(const QStringList &p, qsizetype at, const QString &tag, const QString &album,
                     const QString &artist, const QStringList &lines, QString (*convert)(const QString &),
                     const QString &layout)
{
    FUZZ_CHECK(p.value(at) == tag, fuzz::visible(layout));
    FUZZ_CHECK(p.value(at + 1) == QLatin1String("0\t") + convert(album) + Tab + convert(artist),
               fuzz::visible(layout));
    at += 2;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        const QString &piece = p.value(at++);
        const qsizetype tab = piece.indexOf(Tab);
        FUZZ_CHECK(piece.left(tab) == QString::number(i + 1), fuzz::visible(layout));
        const QString title = piece.mid(tab + 1);
        FUZZ_CHECK(title == trimBlanks(title), fuzz::visible(layout));
        FUZZ_CHECK(convert(title) == title, fuzz::visible(layout));
    }
    return at;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const EditType type = static_cast<EditType>(data[0] % 3);
    const QStringList f = fuzz::fields(data + 1, size - 1, 3);
    const QString album = keepName(replaceQuotes(f.at(0)));
    const QString artist = keepName(replaceQuotes(f.at(1)));
    const QString titles = replaceQuotes(f.at(2));
    // The edit reads its titles back from the snapshot with the file line rule.
    const QStringList lines = readLines(titles);

    FUZZ_CHECK(!album.contains(CrLf) && !artist.contains(CrLf), fuzz::visible(album + Tab + artist));

    const QString layout = cdTextLayout(type, album, artist, lines);
    FUZZ_CHECK(layout.endsWith(CrLf), fuzz::visible(layout));
    const QStringList p = pieces(layout);
    qsizetype at = 0;
    if (type != EditType::Ja)
        at = checkBlock(p, at, QStringLiteral("en"), album, artist, lines, narrow, layout);
    if (type == EditType::EnJa)
        FUZZ_CHECK(p.value(at++).isEmpty(), fuzz::visible(layout));
    if (type != EditType::En)
        at = checkBlock(p, at, QStringLiteral("ja"), album, artist, lines, widen, layout);
    FUZZ_CHECK(at == p.size() - 1 && p.constLast().isEmpty(), fuzz::visible(layout));

    // A layout of text cp932 can hold can always be saved.
    if (cp932::encode(album + artist + titles).ok())
        FUZZ_CHECK(cp932::encode(layout).ok(), fuzz::visible(layout));

    // Back to plain titles: every title on the line of its track number, untitled tracks before
    // the first title included.
    const QStringList back = pieces(removeEditMarks(layout));
    qsizetype lastTitle = lines.size() - 1;
    while (lastTitle >= 0 && lines.at(lastTitle).isEmpty())
        --lastTitle;
    for (qsizetype i = 0; i <= lastTitle; ++i) {
        if (lines.at(i).isEmpty()) {
            FUZZ_CHECK(back.value(i).isEmpty(), fuzz::visible(layout));
            continue;
        }
        const QString made = trimBlanks(type == EditType::Ja ? widen(lines.at(i)) : narrow(lines.at(i)));
        const QString expected = made.isEmpty() ? QStringLiteral(" ") : narrow(made);
        FUZZ_CHECK(back.value(i) == expected,
                   fuzz::visible(layout) + QStringLiteral("\nline ") + QString::number(i + 1));
    }
    return 0;
}
