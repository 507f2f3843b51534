#pragma once

#include "platform/Platform.h"

#include <QLockFile>
#include <QPointer>
#include <QWidget>
#include <memory>

class QFileDialog;

namespace velnora
{

// The real desktop: Qt's dialogs, QDesktopServices, a per-user lock file.
class DesktopPlatform : public Platform
{
public:
    DesktopPlatform();
    ~DesktopPlatform() override;

    int messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    QString openFileName(const QString &filter, const QString &startName) override;
    QString saveFileName(const QString &filter, const QString &startName) override;
    void setDialogParent(QWidget *parent) override;
    bool printerDialog(QWidget *parent, QPrinter &printer) override;
    void shellOpen(const QUrl &url) override;
    void sendKeys(const QKeySequence &keys) override;
    void setStayOnTop(QWidget *window, bool onTop) override;
    QString programFolder() const override;
    QString userDataFolder() const override;
    QString commandLine() const override;
    bool acquireSingleInstance() override;
    qint64 fileSize(const QString &path) const override;
    bool removeFile(const QString &path) override;

    // The lock lives in the runtime folder; tests may point it elsewhere.
    static QString lockFilePath();
    // Gives a file dialog the filters as captioned, with patterns that mean on Linux what they
    // mean on Windows: "*.*" is every file, also one without a dot.
    static void setDialogFilters(QFileDialog &dialog, const QString &filter);

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_sendingKeys = false;
    QPointer<QWidget> m_dialogParent;
};

} // namespace velnora
