#pragma once

#include "edit/EditType.h"

#include <QList>
#include <QString>
#include <optional>

namespace velnora
{

// Del_henshumoji apart from the window: a CD_TEXT layout back into plain titles; any other text
// comes back unchanged. With sourceLines, each line of the result gets the index of the text's line
// it came from (-1 for a gap), or none at all when the text came back unchanged.
QString removeEditMarks(const QString &text, QList<qsizetype> *sourceLines = nullptr);

// The edit type a CD_TEXT layout was made with; none for text that is not a layout (one that
// removeEditMarks leaves as it is).
std::optional<EditType> layoutEditType(const QString &text);

} // namespace velnora
