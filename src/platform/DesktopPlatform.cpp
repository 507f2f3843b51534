#include "platform/DesktopPlatform.h"

#include "messages/Messages.h"
#include "platform/HelpLocation.h"
#include "platform/ProcessSetup.h"
#include "text/NativePath.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QWindow>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velnora
{

namespace
{

enum class LockResult { Held, Busy, Unusable };

// Opens the name without following a link and without blocking (a FIFO opens at once), creates a
// regular file when nothing is there, and takes an exclusive flock on whatever it opened, a folder
// or a FIFO too. Nothing is read or written: the content means nothing, and the kernel drops the
// lock when the process ends, however it ends. Close-on-exec, so that a browser or viewer started
// by the program does not keep the lock after the program is gone.
LockResult lockName(const QString &path, int *fdOut)
{
    const QByteArray name = QFile::encodeName(path);
    const int flags = O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(name.constData(), flags | O_CREAT, 0600);
    if (fd < 0 && errno == EISDIR)
        fd = ::open(name.constData(), flags | O_DIRECTORY);
    if (fd < 0)
        return LockResult::Unusable;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        *fdOut = fd;
        return LockResult::Held;
    }
    const int code = errno;
    ::close(fd);
    return code == EWOULDBLOCK ? LockResult::Busy : LockResult::Unusable;
}

} // namespace

DesktopPlatform::DesktopPlatform() = default;

DesktopPlatform::~DesktopPlatform()
{
    // The file stays: removing it would let a starting instance lock a name another one just made.
    if (m_lockFd >= 0)
        ::close(m_lockFd);
    // Deleting a running QProcess kills it, and with it the viewer or browser the user is reading:
    // an opener still running is left to itself, unwatched.
    for (QProcess *opener : std::as_const(m_openers))
        opener->disconnect();
}

void DesktopPlatform::setDialogParent(QWidget *parent)
{
    m_dialogParent = parent;
}

QWidget *DesktopPlatform::dialogParent() const
{
    // The jacket window's boxes belong to it while it is the active one.
    if (QWidget *active = QApplication::activeWindow())
        return active;
    return m_dialogParent.data();
}

Answer DesktopPlatform::messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    QMessageBox box(dialogParent());
    box.setWindowTitle(title.isEmpty() ? programName() : title);
    box.setText(text);
    // So that a path or a command in a box can be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Cancel;
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    default:
        return buttons == Buttons::YesNo ? No : (buttons == Buttons::OkCancel ? Cancel : Ok);
    case QMessageBox::Ok:
        return Ok;
    }
}

Answer DesktopPlatform::ask(Question question)
{
    return show(messages::question(question));
}

void DesktopPlatform::setDialogFilters(QFileDialog &dialog, const QString &filter)
{
    // The dialog takes its patterns from the last bracket of an entry and, with the details
    // hidden, shows the rest: the caption as written.
    QStringList entries;
    for (const QString &entry : filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts)) {
        const qsizetype open = entry.lastIndexOf(QLatin1Char('('));
        if (open < 0 || !entry.endsWith(QLatin1Char(')'))) {
            entries << entry;
            continue;
        }
        QStringList patterns =
            entry.mid(open + 1, entry.size() - open - 2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        entries << entry + QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(entries);
}

QString DesktopPlatform::openFileName(const QString &filter, const QString &startName)
{
    QFileDialog dialog(dialogParent());
    setDialogFilters(dialog, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!startName.isEmpty())
        dialog.selectFile(startName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QStringList DesktopPlatform::openFileNames(const QString &filter, const QString &startName)
{
    QFileDialog dialog(dialogParent());
    setDialogFilters(dialog, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (!startName.isEmpty())
        dialog.selectFile(startName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString DesktopPlatform::saveFileName(const QString &filter, const QString &startName, const QString &title,
                                      const QString &defaultSuffix)
{
    QFileDialog dialog(dialogParent());
    setDialogFilters(dialog, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    // Qt's own dialog adds the suffix before it asks about replacing, so the question concerns the
    // file that will be written; a native one may ask about the name as typed.
    if (!defaultSuffix.isEmpty())
        dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!startName.isEmpty())
        dialog.selectFile(startName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool DesktopPlatform::printerAvailable() const
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool DesktopPlatform::printerDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

void DesktopPlatform::shellOpen(const QUrl &url, std::function<void(bool opened)> finished)
{
    // The desktop's opener tells whether some program took the file or address only by its exit
    // code (xdg-open: 3 when no program is found, 2 for a missing file); QDesktopServices says no
    // more than that the opener started. It is watched, not waited for: a browser may keep it
    // running for as long as it is open.
    auto *opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    m_openers.append(opener);
    auto finish = [this, opener, finished](bool ok) {
        // Told once: a start that failed has no finished signal, any other end has one.
        if (!m_openers.removeOne(opener))
            return;
        opener->deleteLater();
        if (finished)
            finished(ok);
    };
    QObject::connect(opener, &QProcess::errorOccurred, opener, [finish](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(false);
    });
    QObject::connect(opener, &QProcess::finished, opener, [finish](int code, QProcess::ExitStatus status) {
        finish(status == QProcess::NormalExit && code == 0);
    });
    opener->start();
}

void DesktopPlatform::sendKeys(const QKeySequence &keys)
{
    // A keystroke that nothing claims reaches the menu's own shortcut again; while the one we
    // sent is delivered, a further request is that echo and is dropped.
    if (m_sendingKeys || keys.isEmpty())
        return;
    QPointer<QWidget> target = QApplication::focusWidget();
    if (!target)
        return;
    const QKeyCombination combination = keys[0];
    // The control is the context: a control deleted before the event loop comes round gets nothing.
    QMetaObject::invokeMethod(
        target.data(),
        [this, target, combination] {
            if (!target)
                return;
            m_sendingKeys = true;
            QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers());
            QApplication::sendEvent(target, &press);
            if (target) {
                QKeyEvent release(QEvent::KeyRelease, combination.key(), combination.keyboardModifiers());
                QApplication::sendEvent(target, &release);
            }
            m_sendingKeys = false;
        },
        Qt::QueuedConnection);
}

void DesktopPlatform::setStayOnTop(QWidget *window, bool onTop)
{
    const Qt::WindowFlags flags = window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (flags == window->windowFlags())
        return;
    QWindow *handle = window->windowHandle();
    if (!handle) {
        window->setWindowFlags(flags);
        return;
    }
    // Telling the window system directly leaves the window where it is, shown and with its focus;
    // setWindowFlags would recreate it hidden and show it again.
    window->overrideWindowFlags(flags);
    handle->setFlags(flags);
}

QString DesktopPlatform::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString DesktopPlatform::userDataFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

bool DesktopPlatform::keepsSnapshotBeside(const QString &programFolder)
{
    // A folder of someone else's (a shared or system folder) could let them replace or read the file.
    // Root owns /usr/bin as well, so an install is told by its layout: the documentation folder that
    // cmake --install and the package put beside bin.
    struct stat info {
    };
    if (::stat(toNativePath(programFolder).constData(), &info) != 0 || info.st_uid != ::geteuid())
        return false;
    return !QFileInfo(helplocation::installedDocFolder(programFolder)).isDir();
}

QStringList DesktopPlatform::snapshotFolders() const
{
    QStringList folders;
    const QString program = programFolder();
    if (keepsSnapshotBeside(program)) {
        folders << program;
    } else {
        // Per user and per boot: it goes with the session, as the snapshot does.
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty())
            folders << runtime + QStringLiteral("/velnora");
    }
    if (const QString data = userDataFolder(); !data.isEmpty())
        folders << data;
    return folders;
}

QString DesktopPlatform::commandLine() const
{
    // The window starts only when no option comes before a "--", which then just ends the options:
    // "velnora -- -x.txt" opens "-x.txt".
    QStringList arguments = processArguments();
    arguments.removeOne(QStringLiteral("--"));
    return arguments.join(QLatin1Char(' '));
}

QString DesktopPlatform::lockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/velnora.lock");
}

QString DesktopPlatform::fallbackLockFilePath() const
{
    const QString folder = userDataFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    return folder + QStringLiteral("/velnora.lock");
}

bool DesktopPlatform::acquireSingleInstance()
{
    if (m_lockFd >= 0)
        return true;
    // A link at the runtime name is neither followed nor removed; every instance then meets the same
    // link and agrees on the second name.
    for (const QString &path : {lockFilePath(), fallbackLockFilePath()}) {
        if (path.isEmpty())
            continue;
        switch (lockName(path, &m_lockFd)) {
        case LockResult::Held:
            return true;
        case LockResult::Busy:
            return false;
        case LockResult::Unusable:
            break;
        }
    }
    // Only a running instance may block a start: a lock that cannot be taken anywhere lets it go on.
    return true;
}

qint64 DesktopPlatform::fileSize(const QString &path) const
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir() ? info.size() : -1;
}

bool DesktopPlatform::removeFile(const QString &path)
{
    return ::unlink(toNativePath(path).constData()) == 0;
}

} // namespace velnora
