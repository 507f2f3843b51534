#include "edit/EditMarks.h"

namespace velnora
{

QString removeEditMarks(const QString &text)
{
    return text; // TODO: the edit engine
}

} // namespace velnora
