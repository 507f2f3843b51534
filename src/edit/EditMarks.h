#pragma once

#include "edit/EditType.h"

#include <QString>
#include <optional>

namespace velnora
{

// Del_henshumoji apart from the window: a CD_TEXT layout back into plain titles; any other text
// comes back unchanged.
QString removeEditMarks(const QString &text);

// The edit type a CD_TEXT layout was made with; none for text that is not a layout (one that
// removeEditMarks leaves as it is).
std::optional<EditType> layoutEditType(const QString &text);

} // namespace velnora
