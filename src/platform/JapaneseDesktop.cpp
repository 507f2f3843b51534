#include "platform/JapaneseDesktop.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace velnora
{

void JapaneseDesktop::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;

    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);

    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    QGuiApplication::setFont(font(QStringLiteral("ＭＳ Ｐゴシック"), 9));
}

QFont JapaneseDesktop::font(const QString &family, int pointSize)
{
    return QFont(QFont::substitute(family), pointSize);
}

} // namespace velnora
