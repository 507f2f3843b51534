#include "app/MainWindow.h"
#include "platform/DesktopPlatform.h"
#include "platform/JapaneseDesktop.h"
#include "platform/ProcessSetup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace
{

// Options answered without a window, before a display is looked for. Returns the exit status, or -1
// when the window is to start.
int answerWithoutWindow(int argc, char *argv[])
{
    if (argc < 2)
        return -1;
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("velnora %s\n", VELNORA_VERSION);
        return 0;
    }
    return -1;
}

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
    velnora::setUpProcess(argc, argv);
    if (const int status = answerWithoutWindow(argc, argv); status >= 0)
        return status;
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
