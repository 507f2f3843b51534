#include "convert/ConsoleHost.h"

#include <QFileInfo>

#include <utility>

namespace velnora
{

QStringList ConsoleHost::takeLines()
{
    return std::exchange(m_lines, {});
}

void ConsoleHost::appendToLastLine(const QString &text)
{
    if (!m_lines.isEmpty())
        m_lines.last() += text;
}

int ConsoleHost::messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    // Questions and the notes of success say nothing a script needs; problems are told.
    if (icon != Icon::Question && icon != Icon::Information) {
        // A question after a blank line is the one answered here: the problem above it is what is said.
        const qsizetype question =
            buttons == Buttons::OkCancel ? text.lastIndexOf(QLatin1String("\r\n\r\n")) : -1;
        QString line = question > 0 ? text.left(question) : text;
        line.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        line = line.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        if (!title.isEmpty() && title != programName())
            line = title + QLatin1String(": ") + line;
        // The export refuses with the words the edit has just warned with: said once.
        if (m_lines.isEmpty() || m_lines.constLast() != line)
            m_lines << line;
    }
    return buttons == Buttons::YesNo ? Yes : Ok;
}

QString ConsoleHost::openFileName(const QString &, const QString &)
{
    return m_openName;
}

// The output name is used as given on the command line: no suffix is added.
QString ConsoleHost::saveFileName(const QString &, const QString &, const QString &, const QString &)
{
    return m_saveName;
}

QString ConsoleHost::programFolder() const
{
    return QString();
}

QString ConsoleHost::userDataFolder() const
{
    return QString();
}

QString ConsoleHost::commandLine() const
{
    return QString();
}

bool ConsoleHost::acquireSingleInstance()
{
    // A conversion shares nothing with a running window.
    return true;
}

qint64 ConsoleHost::fileSize(const QString &path) const
{
    // Asked for dropped files only, which a command line has none of.
    const QFileInfo info(path);
    return info.exists() ? info.size() : -1;
}

bool ConsoleHost::removeFile(const QString &)
{
    // The converter owns no file it would remove.
    return false;
}

} // namespace velnora
