#pragma once

#include "support/ScriptedPlatform.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <functional>
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
    // script runs before the start-up, to expect the boxes that the start-up shows.
    WindowFixture(const QString &commandLine, const std::function<void(ScriptedPlatform &)> &script,
                  bool show = true);
    QString tempDat() const;
    QString path(const QString &name) const; // a file in the temporary folder
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &path) const;
    // Scripts the two boxes of an edit that runs to its end: the question for the edit type chosen
    // now, answered Yes, and the completion.
    void expectEdit();
};

// Finds a named child and fails the test when it is missing.
template <typename T> T *child(QObject *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

// Triggers a menu action by its object name; returns false when it is missing or disabled.
bool triggerAction(MainWindow &window, const QString &name);

// The main window's controls, found by their object names.
QAction *action(MainWindow &w, const QString &name);
QLineEdit *albumBox(MainWindow &w);      // Text1(1)
QLineEdit *artistBox(MainWindow &w);     // Text1(2)
QPlainTextEdit *titleBox(MainWindow &w); // Text1(3)
QWidget *text1(MainWindow &w, int i);
QLabel *label1(MainWindow &w, int i);
QLabel *label2(MainWindow &w);
QPushButton *command(MainWindow &w, int n);  // Command1 .. Command8
QPushButton *command9(MainWindow &w, int i); // "▲" 1, "▼" 2
QRadioButton *option(MainWindow &w, int n);  // Option1 .. Option7
QCheckBox *check1(MainWindow &w);
QCheckBox *check2(MainWindow &w);
QScrollBar *vscroll1(MainWindow &w);
QComboBox *combo1(MainWindow &w);
QListView *list1(MainWindow &w);
QGroupBox *frame(MainWindow &w, int n); // Frame1 .. Frame4

} // namespace velnora::test
