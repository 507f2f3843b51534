#pragma once

#include "app/MainWindow.h"
#include "support/ScriptedPlatform.h"

#include <QTemporaryDir>
#include <memory>

namespace velnora::test
{

// A started main window over a scripted platform whose program folder is a fresh temporary folder.
struct WindowFixture {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<MainWindow> window;

    // Builds and starts the window; commandLine is what the user typed after the program's name.
    explicit WindowFixture(const QString &commandLine = QString(), bool show = true);
    QString tempDat() const;
    QString path(const QString &name) const; // a file in the temporary folder
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &path) const;
};

// Finds a named child and fails the test when it is missing.
template <typename T> T *child(QObject *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

// Triggers a menu action by its object name; returns false when it is missing or disabled.
bool triggerAction(MainWindow &window, const QString &name);

} // namespace velnora::test
