#include "jacket/JacketSettings.h"

namespace velnora
{

QString typefaceName(int index)
{
    switch (index) {
    case 1:
        return QStringLiteral("ＭＳ ゴシック");
    case 2:
        return QStringLiteral("ＭＳ Ｐゴシック");
    case 3:
        return QStringLiteral("ＭＳ 明朝");
    case 4:
        return QStringLiteral("ＭＳ Ｐ明朝");
    default:
        return QString();
    }
}

int typefaceIndex(const QString &name)
{
    for (int i = jacket::Typeface.min; i <= jacket::Typeface.max; ++i) {
        if (typefaceName(i) == name)
            return i;
    }
    return 0;
}

} // namespace velnora
