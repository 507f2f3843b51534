#include "platform/DesktopStyle.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QStyleOption>

namespace velnora
{

namespace
{

// An icon of Qt's own images, each read by the PNG reader named outright.
QIcon pngIcon(std::initializer_list<const char *> names)
{
    QIcon icon;
    for (const char *name : names) {
        QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/") +
                                QLatin1String(name),
                            QByteArrayLiteral("png"));
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (image.isNull())
            return QIcon();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

DesktopStyle::DesktopStyle() : QProxyStyle(nullptr) {}

QIcon DesktopStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    // The images are those of Qt's common style: another desktop style keeps its own.
    QIcon icon;
    if (baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {
        const bool rtl = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
        if (standardIcon == SP_ToolBarHorizontalExtensionButton && rtl)
            icon =
                pngIcon({"toolbar-ext-h-rtl-8.png", "toolbar-ext-h-rtl-16.png", "toolbar-ext-h-rtl-32.png"});
        else if (standardIcon == SP_ToolBarHorizontalExtensionButton)
            icon = pngIcon({"toolbar-ext-h-8.png", "toolbar-ext-h-16.png", "toolbar-ext-h-32.png"});
        else if (standardIcon == SP_ToolBarVerticalExtensionButton)
            icon = pngIcon({"toolbar-ext-v-5.png", "toolbar-ext-v-10.png", "toolbar-ext-v-20.png"});
    }
    return icon.isNull() ? QProxyStyle::standardIcon(standardIcon, option, widget) : icon;
}

} // namespace velnora
