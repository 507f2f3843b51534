#pragma once

#include <QString>
#include <QStringList>

namespace velnora
{

// The snapshot of the plain titles that edit, cancel and the track tools start from: written to
// temp.dat and kept in memory, so a folder that cannot be written never costs the user the titles.
class Snapshot
{
public:
    // Start-up: temp.dat in the first of the folders (made when missing) where it can be written; in
    // memory alone when there is no folder.
    void place(const QStringList &folders, const QString &text);

    void write(const QString &text);
    // The snapshot's lines by the file line rule; from memory when temp.dat cannot be read back as
    // it was written (unreadable, or a character cp932 cannot hold).
    QStringList lines() const;

    QString path() const { return m_path; }
    // Moves the file: the next write goes there.
    void setPath(const QString &path) { m_path = path; }
    QString text() const { return m_text; }

private:
    QString m_path;
    QString m_text;
    qint64 m_bytes = 0; // what temp.dat holds when it is the program's own
};

} // namespace velnora
