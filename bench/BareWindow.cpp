// The smallest Qt Widgets program: an empty main window, ended once shown like VELNORA_EXIT_AFTER_SHOW.
// With "text" it shows one line of Japanese and paints it first: what any window with text pays for
// its fonts (fontconfig's set-up, the font found, the line shaped).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    const bool text = argc > 1 && QLatin1String(argv[1]) == QLatin1String("text");
    if (text)
        window.setCentralWidget(new QLabel(QStringLiteral("アルバム名を入力してください"), &window));
    window.show();
    QTimer::singleShot(0, &app, [&window, text] {
        if (text)
            window.repaint();
        QCoreApplication::quit();
    });
    return app.exec();
}
