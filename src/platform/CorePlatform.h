#pragma once

#include "messages/Box.h"
#include "messages/ProgramName.h"
#include "messages/Question.h"

#include <QString>
#include <QStringList>

namespace velnora
{

// What the session needs from the desktop: boxes, file names and process services. The session
// runs with this alone, so a test or a command-line face can supply it without a window.
class CorePlatform
{
public:
    using Icon = BoxIcon;
    using Buttons = BoxButtons;
    using enum Answer;

    virtual ~CorePlatform() = default;

    // A box without a title of its own shows the program's name.
    virtual Answer messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons) = 0;
    Answer show(const Box &box) { return messageBox(box.text, box.title, box.icon, box.buttons); }
    // A question, worded from the program's catalogue.
    virtual Answer ask(Question question) = 0;

    // Filters in Qt's form ("テキストファイル(*.txt);;すべてのファイル(*.*)"). An empty result means
    // the user cancelled.
    virtual QString openFileName(const QString &filter, const QString &startName) = 0;
    // Several existing files at once, in the order the dialog gives them; empty when cancelled.
    virtual QStringList openFileNames(const QString &filter, const QString &startName) = 0;
    // Asks before replacing an existing file. With a default suffix ("cdt"), a name typed without
    // one gets it before that question; without, the name is used as typed. An empty title leaves
    // the dialog its own.
    virtual QString saveFileName(const QString &filter, const QString &startName, const QString &title,
                                 const QString &defaultSuffix) = 0;

    // Process services.
    virtual QString programFolder() const = 0;
    virtual QString userDataFolder() const = 0;
    // Where temp.dat may go, the first folder that takes it: by default the program's folder, then the
    // user's data folder; none keeps the snapshot in memory alone.
    virtual QStringList snapshotFolders() const
    {
        QStringList folders{programFolder(), userDataFolder()};
        folders.removeAll(QString());
        return folders;
    }
    virtual QString commandLine() const = 0;                // the arguments joined by one blank
    virtual bool acquireSingleInstance() = 0;               // false when another instance runs
    virtual qint64 fileSize(const QString &path) const = 0; // -1 when it cannot be taken
    virtual bool removeFile(const QString &path) = 0;
};

} // namespace velnora
