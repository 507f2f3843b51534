#include "titles/TitleList.h"

#include "text/Lines.h"

#include <QStringList>

namespace velnora
{

Highlight highlightTitle(const QString &text, std::optional<int> entry)
{
    Highlight h;
    if (!text.isEmpty() && text.back() != QLatin1Char('\n')) {
        h.appendLineBreak = true;
        return h;
    }
    const QStringList parts = pieces(text);
    if (!entry)
        return h;
    const qsizetype i = *entry - 1;
    // The last piece is the empty one after the final line break; an entry beyond it is stale.
    if (i < 0 || i >= parts.size() - 1)
        return h;
    qsizetype start = 0;
    for (qsizetype k = 0; k < i; ++k)
        start += parts.at(k).size() + 2;
    h.selection = TitleSelection{start, parts.at(i).size()};
    return h;
}

Move moveTitle(const QString &text, std::optional<int> entry, MoveDirection direction)
{
    QStringList parts = pieces(text);
    const qsizetype m = parts.size();
    if (m == 0 || !entry || *entry < 1 || *entry >= m)
        return {};
    const qsizetype i = *entry - 1;
    Move move;
    if (direction == MoveDirection::Up) {
        if (i == 0) {
            move.kind = Move::Kind::SelectOnly;
            move.entry = *entry;
            return move;
        }
        parts.swapItemsAt(i - 1, i);
        move.entry = static_cast<int>(i);
    } else {
        if (i == m - 2) {
            move.kind = Move::Kind::SelectOnly;
            move.entry = *entry;
            return move;
        }
        parts.swapItemsAt(i, i + 1);
        move.entry = static_cast<int>(i + 2);
    }
    move.kind = Move::Kind::Moved;
    // Joining keeps the last piece: empty after a final CR LF, so the text again ends with CR LF;
    // a text ending in a lone LF keeps its last line instead of losing it.
    move.text = parts.join(QStringLiteral("\r\n"));
    return move;
}

bool listHihyoji(int entries)
{
    return entries < ListHihyojiLimit;
}

} // namespace velnora
