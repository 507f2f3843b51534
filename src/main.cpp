#include "app/MainWindow.h"
#include "convert/ConvertOptions.h"
#include "convert/Converter.h"
#include "platform/DesktopPlatform.h"
#include "platform/DesktopStyle.h"
#include "platform/JapaneseDesktop.h"
#include "platform/ProcessSetup.h"
#include "program/ProgramParts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace
{

void printLines(std::FILE *stream, const QStringList &lines)
{
    for (const QString &line : lines)
        std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stream);
}

int convert(int argc, char *argv[], const velnora::ConvertOptions &options)
{
    // No display and no window: QtCore alone.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velnora"));
    const velnora::Converter::Result result = velnora::Converter::run(options);
    QStringList error;
    for (const QString &line : result.error)
        error << QStringLiteral("velnora: ") + line;
    printLines(stderr, error);
    if (result.status == 2)
        std::fputs(velnora::convertUsage().toUtf8().constData(), stderr);
    printLines(stdout, result.out);
    return result.status;
}

// Options answered without a window, before a display is looked for. Returns the exit status, or -1
// when the window is to start.
int answerWithoutWindow(int argc, char *argv[])
{
    const velnora::ConvertOptions options = velnora::parseConvertOptions(velnora::processArguments());
    switch (options.request) {
    case velnora::ConvertOptions::Request::Window:
        return -1;
    case velnora::ConvertOptions::Request::Version:
        std::printf("velnora %s\n", VELNORA_VERSION);
        return 0;
    case velnora::ConvertOptions::Request::Help:
        std::fputs(velnora::convertUsage().toUtf8().constData(), stdout);
        return 0;
    case velnora::ConvertOptions::Request::UsageError:
        printLines(stderr, {QStringLiteral("velnora: ") + options.error});
        std::fputs(velnora::convertUsage().toUtf8().constData(), stderr);
        return 2;
    case velnora::ConvertOptions::Request::Convert:
        return convert(argc, argv, options);
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
    QApplication::setStyle(new velnora::DesktopStyle);
    velnora::JapaneseDesktop::install();

    velnora::DesktopPlatform platform;
    velnora::MainWindow window(platform, velnora::programParts());
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
