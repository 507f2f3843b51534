#pragma once

#include <QString>
#include <optional>

namespace velnora
{

// A selection in the title text, in characters of the text (a CR LF counts as two).
struct TitleSelection {
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const TitleSelection &, const TitleSelection &) = default;
};

struct Highlight {
    // The text does not end with a line break: append CR LF, which rebuilds the column and
    // leaves no entry selected, so nothing else happens.
    bool appendLineBreak = false;
    std::optional<TitleSelection> selection;
};

// HighlightTitle: what a click on the line-number column's entry (1-based; none when nothing is
// selected) does to the title text.
Highlight highlightTitle(const QString &text, std::optional<int> entry);

enum class MoveDirection { Up, Down };

struct Move {
    enum class Kind {
        NoChange,   // nothing moves and nothing is selected
        SelectOnly, // the title cannot go further: the entry stays and HighlightTitle runs
        Moved,      // text and entry are the new title text and the moved title's new entry
    } kind = Kind::NoChange;
    QString text;
    int entry = 0;
};

// MoveTitle: moves the title of the selected entry one line up or down.
Move moveTitle(const QString &text, std::optional<int> entry, MoveDirection direction);

// List_hihyoji: whether the line-number column and the move buttons may show for this many entries.
bool listHihyoji(int entries);

constexpr int ListHihyojiLimit = 30;

} // namespace velnora
