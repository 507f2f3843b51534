#include "platform/DesktopStyle.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
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

// The name under which QPixmap::load keeps a file in the pixmap cache: the path, the time it was
// changed and its size, each written as hexadecimal digits low nibble first.
QString pixmapCacheKey(const QString &path)
{
    const QFileInfo info(path);
    QString key = QStringLiteral("qt_pixmap") + info.absoluteFilePath();
    const auto hex = [&key](auto value) {
        const auto *bytes = reinterpret_cast<const unsigned char *>(&value);
        for (std::size_t i = 0; i < sizeof value; ++i) {
            key += QLatin1Char("0123456789abcdef"[bytes[i] & 0xf]);
            key += QLatin1Char("0123456789abcdef"[bytes[i] >> 4]);
        }
    };
    hex(uint(info.lastModified().toSecsSinceEpoch()));
    hex(quint64(info.size()));
    hex(uint(0)); // a pixmap, not a bitmap
    return key;
}

} // namespace

DesktopStyle::DesktopStyle() : QProxyStyle(nullptr)
{
    // The group box frame is painted from an image the style loads by name, which tries every image
    // plugin; read here by the PNG reader, it waits in the pixmap cache under the name the style asks.
    if (baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {
        const QString frame =
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
        QImageReader reader(frame, QByteArrayLiteral("png"));
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            QPixmapCache::insert(pixmapCacheKey(frame), QPixmap::fromImage(image));
    }
}

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
