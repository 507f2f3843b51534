// Takes the manual's pictures from the real windows with a sample document, so that they follow every
// change of the windows. Usage: velnora_screenshots FOLDER
#include "ScreenshotPlatform.h"
#include "platform/JapaneseDesktop.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>

namespace
{

bool savePicture(QWidget *window, const QDir &folder, const QString &name)
{
    if (!window)
        return false;
    window->repaint();
    const QImage picture = window->grab().toImage();
    QSaveFile file(folder.filePath(name));
    if (picture.isNull() || !file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") ||
        !file.commit()) {
        std::fprintf(stderr, "velnora_screenshots: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

QWidget *topLevel(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fputs("usage: velnora_screenshots FOLDER\n", stderr);
        return 2;
    }
    velnora::JapaneseDesktop::install();
    const QDir folder(args.at(1));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;

    // A scratch program folder: the snapshot file goes there, never into the build tree.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 1;
    ScreenshotPlatform platform(scratch.path());

    // Started as the program starts it, so the snapshot file lives in the scratch folder.
    velnora::MainWindow window(platform);
    if (!window.startUp())
        return 1;
    window.show();
    window.findChild<QAction *>(QStringLiteral("サンプル"))->trigger();
    bool ok = savePicture(&window, folder, QStringLiteral("main.png"));

    // "編集" with the "ja" layout (the sample holds "●", which "en" refuses); the boxes answer with
    // their first button.
    if (auto *ja = window.findChild<QAbstractButton *>(QStringLiteral("Option2")))
        ja->click();
    auto *edit = window.findChild<QAbstractButton *>(QStringLiteral("Command1"));
    if (!edit)
        return 1;
    edit->click();
    if (!window.session().isEdited()) {
        std::fputs("velnora_screenshots: the sample was not edited\n", stderr);
        for (const QString &message : std::as_const(platform.messages))
            std::fprintf(stderr, "  %s\n", qPrintable(message));
        return 1;
    }
    ok = savePicture(&window, folder, QStringLiteral("edited.png")) && ok;

    window.findChild<QAction *>(QStringLiteral("印刷"))->trigger();
    ok = savePicture(topLevel(QStringLiteral("Form2")), folder, QStringLiteral("jacket.png")) && ok;
    if (QWidget *jacket = topLevel(QStringLiteral("Form2")))
        jacket->close();

    // The disc window with a file for every track; the lengths are given, so no audio is needed.
    QList<velnora::disc::DiscTrack> tracks;
    const int seconds[] = {245, 198, 312, 227, 184, 263, 301, 176, 239, 282, 205, 341};
    for (int i = 0; i < 12; ++i) {
        velnora::audio::AudioInfo info;
        info.samples = qint64(seconds[i]) * velnora::audio::CdSampleRate;
        tracks.append(
            {QStringLiteral("/home/user/Music/Album/%1.flac").arg(i + 1, 2, 10, QLatin1Char('0')), info});
    }
    window.session().disc().setTracks(tracks);
    window.findChild<QAction *>(QStringLiteral("ディスク作成"))->trigger();
    if (QWidget *disc = topLevel(QStringLiteral("Form3"))) {
        disc->resize(820, 460);
        if (auto *list = disc->findChild<QTreeWidget *>(QStringLiteral("List1")))
            list->setCurrentItem(list->topLevelItem(2));
        // Once the drives were looked for: the burning controls are on again.
        if (auto *burn = disc->findChild<QWidget *>(QStringLiteral("書き込み"))) {
            QDeadlineTimer deadline(30000);
            while (!burn->isEnabled() && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
    }
    ok = savePicture(topLevel(QStringLiteral("Form3")), folder, QStringLiteral("disc.png")) && ok;
    return ok ? 0 : 1;
}
