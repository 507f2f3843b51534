#include "text/Width.h"

namespace velnora
{

QString narrow(const QString &text)
{
    return text;
} // TODO: table
QString widen(const QString &text)
{
    return text;
} // TODO: table

} // namespace velnora
