#include "session/TrackTools.h"

namespace velnora
{

QStringList TrackTools::separators()
{
    return {QStringLiteral("-"), QStringLiteral("."), QStringLiteral("_"), QStringLiteral(" ")};
}

void TrackTools::chooseNumbering(NumberingMode numbering)
{
    m_numbering = numbering;
    m_counter = counterStart(numbering);
}

void TrackTools::reset()
{
    m_numbering = NumberingMode::FixedNumbers;
    m_mode = TrackToolMode::DeleteByLength;
    m_counter = 0;
    m_separator = separators().constFirst();
}

} // namespace velnora
