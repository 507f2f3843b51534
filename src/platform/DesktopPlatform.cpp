#include "platform/DesktopPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QWindow>

namespace velnora
{

DesktopPlatform::DesktopPlatform() = default;
DesktopPlatform::~DesktopPlatform() = default;

void DesktopPlatform::setDialogParent(QWidget *parent)
{
    m_dialogParent = parent;
}

int DesktopPlatform::messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    QMessageBox box(m_dialogParent.data());
    box.setWindowTitle(title.isEmpty() ? programName() : title);
    box.setText(text);
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
    QFileDialog dialog(m_dialogParent.data());
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

QString DesktopPlatform::saveFileName(const QString &filter, const QString &startName)
{
    QFileDialog dialog(m_dialogParent.data());
    setDialogFilters(dialog, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString()); // a name typed without ".txt" is used as typed
    if (!startName.isEmpty())
        dialog.selectFile(startName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool DesktopPlatform::printerDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

void DesktopPlatform::shellOpen(const QUrl &url)
{
    QDesktopServices::openUrl(url);
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

QString DesktopPlatform::commandLine() const
{
    return QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
}

QString DesktopPlatform::lockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/velnora.lock");
}

bool DesktopPlatform::acquireSingleInstance()
{
    m_lock = std::make_unique<QLockFile>(lockFilePath());
    m_lock->setStaleLockTime(0); // a lock is stale only when its process is gone
    return m_lock->tryLock(0);
}

qint64 DesktopPlatform::fileSize(const QString &path) const
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir() ? info.size() : -1;
}

bool DesktopPlatform::removeFile(const QString &path)
{
    return QFile::remove(path);
}

} // namespace velnora
