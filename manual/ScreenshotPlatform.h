#pragma once

#include "platform/DesktopPlatform.h"

#include <QStringList>

// The desktop as the picture taker needs it: its own scratch folders, no lock against a running
// program, and every box answered with its first button (OK, or Yes on a question) without showing it.
class ScreenshotPlatform : public velnora::DesktopPlatform
{
public:
    explicit ScreenshotPlatform(const QString &folder) : m_folder(folder) {}

    velnora::Answer messageBox(const QString &text, const QString &title, Icon, Buttons buttons) override
    {
        messages.append(title + QStringLiteral(": ") + text);
        return buttons == Buttons::YesNo ? Yes : Ok;
    }
    QString programFolder() const override { return m_folder; }
    QString userDataFolder() const override { return m_folder; }
    QString commandLine() const override { return QString(); }
    bool acquireSingleInstance() override { return true; }

    QStringList messages; // to say why a picture could not be taken

private:
    QString m_folder;
};
