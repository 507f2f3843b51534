#pragma once

#include <QProxyStyle>

namespace velnora
{

// The desktop's own style, with the menu bar's extension icon read as the PNG it is. Given a file name
// alone, Qt loads every image-format plugin (GIF, ICO, JPEG...) to ask which one reads it, and the
// menu bar asks for that icon as it is made: at every start.
class DesktopStyle : public QProxyStyle
{
    Q_OBJECT

public:
    DesktopStyle();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace velnora
