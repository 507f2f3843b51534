#include "support/TestSupport.h"

#include "platform/JapaneseDesktop.h"

#include <QAction>
#include <QFile>
#include <QRadioButton>

namespace velnora::test
{

WindowFixture::WindowFixture(const QString &commandLine, bool show)
    : WindowFixture(
          commandLine, [](ScriptedPlatform &) {}, show)
{
}

WindowFixture::WindowFixture(const QString &commandLine,
                             const std::function<void(ScriptedPlatform &)> &script, bool show)
{
    JapaneseDesktop::install();
    platform.setProgramFolder(dir.path());
    platform.setUserDataFolder(dir.filePath(QStringLiteral("userdata")));
    platform.setCommandLine(commandLine);
    script(platform);
    window = std::make_unique<MainWindow>(platform);
    window->startUp();
    if (show)
        window->show();
}

QString WindowFixture::tempDat() const
{
    return dir.filePath(QStringLiteral("temp.dat"));
}

QString WindowFixture::path(const QString &name) const
{
    return dir.filePath(name);
}

void WindowFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray WindowFixture::readFile(const QString &p) const
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WindowFixture::expectEdit()
{
    const QString type = window->option(1)->isChecked()   ? QStringLiteral("en")
                         : window->option(3)->isChecked() ? QStringLiteral("en + ja")
                                                          : QStringLiteral("ja");
    platform.expectBox(type + QStringLiteral(" 編集でよいですか？"), Platform::Yes);
    platform.expectBox(QStringLiteral("編集処理は完了しました。\r\n保存ボタンを押してください"));
}

bool triggerAction(MainWindow &window, const QString &name)
{
    QAction *a = window.action(name);
    if (!a || !a->isEnabled())
        return false;
    a->trigger();
    return true;
}

} // namespace velnora::test
