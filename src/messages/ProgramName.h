#pragma once

#include <QString>

namespace velnora
{

// The program's name, as every caption and box without a title of its own shows it, and as the
// files it makes name their creator.
inline QString programName()
{
    return QStringLiteral("VELNORA");
}

} // namespace velnora
