#include "support/TestSupport.h"

#include "platform/JapaneseDesktop.h"

#include <QAction>
#include <QFile>

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
    const EditType chosen = window->session().editType();
    const QString type = chosen == EditType::En     ? QStringLiteral("en")
                         : chosen == EditType::EnJa ? QStringLiteral("en + ja")
                                                    : QStringLiteral("ja");
    platform.expectBox(type + QStringLiteral(" 編集でよいですか？"), Platform::Yes);
    platform.expectBox(QStringLiteral("編集処理は完了しました。\r\n保存ボタンを押してください"));
}

bool triggerAction(MainWindow &window, const QString &name)
{
    QAction *a = action(window, name);
    if (!a || !a->isEnabled())
        return false;
    a->trigger();
    return true;
}

namespace
{

template <typename T> T *find(MainWindow &w, const QString &name)
{
    T *found = w.findChild<T *>(name);
    if (!found)
        qWarning("no control named %s", qPrintable(name));
    return found;
}

} // namespace

QAction *action(MainWindow &w, const QString &name)
{
    return find<QAction>(w, name);
}
QLineEdit *albumBox(MainWindow &w)
{
    return find<QLineEdit>(w, QStringLiteral("Text1(1)"));
}
QLineEdit *artistBox(MainWindow &w)
{
    return find<QLineEdit>(w, QStringLiteral("Text1(2)"));
}
QPlainTextEdit *titleBox(MainWindow &w)
{
    return find<QPlainTextEdit>(w, QStringLiteral("Text1(3)"));
}
QWidget *text1(MainWindow &w, int i)
{
    return find<QWidget>(w, QStringLiteral("Text1(%1)").arg(i));
}
QLabel *label1(MainWindow &w, int i)
{
    return find<QLabel>(w, QStringLiteral("Label1(%1)").arg(i));
}
QLabel *label2(MainWindow &w)
{
    return find<QLabel>(w, QStringLiteral("Label2"));
}
QPushButton *command(MainWindow &w, int n)
{
    return find<QPushButton>(w, QStringLiteral("Command%1").arg(n));
}
QPushButton *command9(MainWindow &w, int i)
{
    return find<QPushButton>(w, QStringLiteral("Command9(%1)").arg(i));
}
QRadioButton *option(MainWindow &w, int n)
{
    return find<QRadioButton>(w, QStringLiteral("Option%1").arg(n));
}
QCheckBox *check1(MainWindow &w)
{
    return find<QCheckBox>(w, QStringLiteral("Check1"));
}
QCheckBox *check2(MainWindow &w)
{
    return find<QCheckBox>(w, QStringLiteral("Check2"));
}
QScrollBar *vscroll1(MainWindow &w)
{
    return find<QScrollBar>(w, QStringLiteral("VScroll1"));
}
QComboBox *combo1(MainWindow &w)
{
    return find<QComboBox>(w, QStringLiteral("Combo1"));
}
QListView *list1(MainWindow &w)
{
    return find<QListView>(w, QStringLiteral("List1"));
}
QGroupBox *frame(MainWindow &w, int n)
{
    return find<QGroupBox>(w, QStringLiteral("Frame%1").arg(n));
}

} // namespace velnora::test
