#pragma once

#include <QString>

namespace velnora
{

// Del_henshumoji apart from the window: a CD_TEXT layout back into plain titles; any other text
// comes back unchanged.
QString removeEditMarks(const QString &text);

} // namespace velnora
