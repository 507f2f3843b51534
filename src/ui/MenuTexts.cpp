#include "ui/MenuTexts.h"

#include <QStringList>

namespace velnora::menutexts
{

QString yahooMusicAddress()
{
    return QStringLiteral("http://") + QString::fromUtf16(YahooMusicHost) + QStringLiteral("/");
}

QString amazonJpMusicAddress()
{
    return QStringLiteral("http://") + QString::fromUtf16(AmazonJpHost) +
           QStringLiteral("/exec/obidos/tg/browse/-/561956/ref=cs_tab_m_1_4/") +
           QString::fromUtf16(AmazonJpVisit);
}

QString amazonComMusicAddress()
{
    return QStringLiteral("http://") + QString::fromUtf16(AmazonComHost) +
           QStringLiteral("/exec/obidos/tg/browse/-/5174/ref%3Dtab%5Fm%5Fm%5F9/") +
           QString::fromUtf16(AmazonComVisit);
}

} // namespace velnora::menutexts
