#include "app/MainWindow.h"
#include "platform/DesktopPlatform.h"
#include "platform/JapaneseDesktop.h"
#include "platform/ProcessSetup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    velnora::setUpProcess(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        fputs("VELNORA needs a display; without one, run it as: xvfb-run -a velnora [FILE]\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velnora"));
    velnora::JapaneseDesktop::install();

    velnora::DesktopPlatform platform;
    velnora::MainWindow window(platform);
    if (!window.startUp())
        return 0;
    window.show();
    // For start-up measurements: end once the window is on screen.
    if (qEnvironmentVariable("VELNORA_EXIT_AFTER_SHOW") == QLatin1String("1"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
