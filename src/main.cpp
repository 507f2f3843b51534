#include "convert/BurnCommand.h"
#include "convert/ConvertOptions.h"
#include "convert/Converter.h"
#include "messages/ConverterMessages.h"
#include "platform/DesktopPlatform.h"
#include "platform/DesktopStyle.h"
#include "platform/JapaneseDesktop.h"
#include "platform/ProcessSetup.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace
{

void printLines(std::FILE *stream, const QStringList &lines)
{
    for (const QString &line : lines)
        std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stream);
}

int convert(int argc, char *argv[], const velnora::ConvertOptions &options, velnora::UserLanguage language)
{
    // No display and no window: QtCore alone.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velnora"));
    const velnora::Converter::Result result = velnora::Converter::run(options, language);
    QStringList error;
    for (const QString &line : result.error)
        error << QStringLiteral("velnora: ") + line;
    printLines(stderr, error);
    if (result.status == 2)
        std::fputs(velnora::convertUsage(language).toUtf8().constData(), stderr);
    printLines(stdout, result.out);
    return result.status;
}

// --burn and --list-drives, without a window as well: every line written as it comes.
int burn(int argc, char *argv[], const velnora::ConvertOptions &options)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velnora"));
    const auto to = [](std::FILE *stream, const QString &prefix) {
        return [stream, prefix](const QString &line) {
            std::fputs(
                ((line.isEmpty() ? QString() : prefix) + line + QLatin1Char('\n')).toUtf8().constData(),
                stream);
            std::fflush(stream);
        };
    };
    if (options.request == velnora::ConvertOptions::Request::ListDrives)
        return velnora::BurnCommand::listDrives(to(stdout, QString()));
    return velnora::BurnCommand::burn(options, to(stderr, QString()),
                                      to(stderr, QStringLiteral("velnora: ")));
}

// Options answered without a window, before a display is looked for. Returns the exit status, or -1
// when the window is to start.
int answerWithoutWindow(int argc, char *argv[])
{
    const velnora::UserLanguage language = velnora::userLanguage();
    const velnora::ConvertOptions options =
        velnora::parseConvertOptions(velnora::processArguments(), language);
    switch (options.request) {
    case velnora::ConvertOptions::Request::Window:
        return -1;
    case velnora::ConvertOptions::Request::Version:
        std::printf("velnora %s\n", VELNORA_VERSION);
        return 0;
    case velnora::ConvertOptions::Request::Help:
        std::fputs(velnora::convertUsage(language).toUtf8().constData(), stdout);
        return 0;
    case velnora::ConvertOptions::Request::UsageError:
        printLines(stderr, {QStringLiteral("velnora: ") + options.error});
        std::fputs(velnora::convertUsage(language).toUtf8().constData(), stderr);
        return 2;
    case velnora::ConvertOptions::Request::Convert:
        return convert(argc, argv, options, language);
    case velnora::ConvertOptions::Request::Burn:
    case velnora::ConvertOptions::Request::ListDrives:
        return burn(argc, argv, options);
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

// For start-up measurements and tests: once the window system reports the window exposed (not merely
// asked to show it), says so on standard output and ends as "終了" would.
void quitWhenExposed(QWidget *window)
{
    auto *poll = new QTimer(window);
    QObject::connect(poll, &QTimer::timeout, window, [window, poll] {
        if (!window->windowHandle() || !window->windowHandle()->isExposed())
            return;
        poll->stop();
        fputs("window shown\n", stdout);
        fflush(stdout);
        QCoreApplication::quit();
    });
    poll->start(0);
}

// A termination signal closes the window as "終了" does, but only from the window's own event loop:
// an open box, dialog or menu is turned down first, so that the command that opened it finishes and
// nothing writes temp.dat again after the window removed it.
void closeWhenIdle(QWidget *window, const bool &running)
{
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    if (QWidget *modal = QApplication::activeModalWidget()) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }
    if (!running || QApplication::activeModalWidget() || QThread::currentThread()->loopLevel() > 1) {
        QTimer::singleShot(20, window, [window, &running] { closeWhenIdle(window, running); });
        return;
    }
    window->close();
    QCoreApplication::quit();
}

} // namespace

int main(int argc, char *argv[])
{
    velnora::setUpProcess(argc, argv);
    if (const int status = answerWithoutWindow(argc, argv); status >= 0)
        return status;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        fputs(velnora::messages::converter::needsDisplay().toLocal8Bit().constData(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velnora"));
    QApplication::setStyle(new velnora::DesktopStyle);
    velnora::JapaneseDesktop::install();

    velnora::DesktopPlatform platform;
    velnora::MainWindow window(platform);
    bool running = false;
    velnora::watchTerminationSignals(&window, [&window, &running] { closeWhenIdle(&window, running); });
    const bool exitAfterShow = qEnvironmentVariable("VELNORA_EXIT_AFTER_SHOW") == QLatin1String("1");
    // A start-up box would wait for a click that a measurement never gives.
    if (exitAfterShow || qEnvironmentVariable("VELNORA_UNATTENDED") == QLatin1String("1"))
        answerStartBoxes();
    if (!window.startUp())
        return 1; // another instance runs
    window.show();
    running = true;
    if (exitAfterShow)
        quitWhenExposed(&window);
    return app.exec();
}
