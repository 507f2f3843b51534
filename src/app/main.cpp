#include "app/MainWindow.h"
#include "platform/DesktopPlatform.h"
#include "platform/JapaneseDesktop.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace
{

// For runs without a user (tests, measurements): a box shown while the program starts is written to
// standard output and answered OK instead of waiting for a click. The timer fires in the first event
// loop that runs, which is the box's own when one is shown; a later box re-arms it.
void answerStartBoxes()
{
    QTimer::singleShot(0, qApp, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        fputs(box->text().toUtf8().append('\n').constData(), stdout);
        fflush(stdout);
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
        answerStartBoxes();
    });
}

} // namespace

int main(int argc, char *argv[])
{
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
    if (qEnvironmentVariable("VELNORA_UNATTENDED") == QLatin1String("1"))
        answerStartBoxes();
    if (!window.startUp())
        return 0;
    window.show();
    // For start-up measurements: end once the window is on screen.
    if (qEnvironmentVariable("VELNORA_EXIT_AFTER_SHOW") == QLatin1String("1"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
