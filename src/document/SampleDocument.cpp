#include "document/SampleDocument.h"

namespace velnora
{

Document sampleDocument()
{
    static const QStringList lines = {
        QStringLiteral("    FirstTitle"),
        QStringLiteral("SecondTitle \u25CF"),
        QStringLiteral("         ThirdTitle"),
        QStringLiteral("FourthTitle"),
        QStringLiteral("FifthTitle"),
        QStringLiteral("SixthTitle"),
        QStringLiteral("   SeventhTitle"),
        QStringLiteral("EighthTitle"),
        QStringLiteral("   NinthTitle"),
        QStringLiteral("TenthTitle"),
        QStringLiteral("        EleventhTitle"),
        QStringLiteral("TwelfthTitle"),
    };
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return {QStringLiteral("Album"), QStringLiteral("Artist"), text};
}

} // namespace velnora
