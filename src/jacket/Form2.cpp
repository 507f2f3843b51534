#include "jacket/Form2.h"

#include "app/MainWindow.h"

namespace velnora
{

Form2::Form2(MainWindow *mainWindow) : QWidget(nullptr, Qt::Window), m_main(mainWindow)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("CDジャケット印刷設定"));
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace velnora
