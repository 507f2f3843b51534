#include "session/Snapshot.h"

#include "files/FileAccess.h"
#include "text/Cp932.h"
#include "text/Lines.h"

#include <QDir>

namespace velnora
{

namespace
{

const QString SnapshotName = QStringLiteral("temp.dat");

// KeepFile: replaces the program's own file with the bytes, never through a link; every failure is
// silent, since the copy in memory stands in for the file.
bool keepFile(const QString &path, const QByteArray &bytes)
{
    return !path.isEmpty() && !writeFileAtomically(path, bytes, Links::Refuse).failed();
}

} // namespace

void Snapshot::place(const QStringList &folders, const QString &text)
{
    m_text = text;
    const QByteArray bytes = cp932::encode(text).bytes;
    m_bytes = bytes.size();
    m_path.clear();
    // When no folder takes it, the last one is kept: its later writes fail as silently.
    for (const QString &folder : folders) {
        QDir().mkpath(folder);
        m_path = QDir(folder).filePath(SnapshotName);
        if (keepFile(m_path, bytes))
            return;
    }
}

void Snapshot::write(const QString &text)
{
    m_text = text;
    const QByteArray bytes = cp932::encode(text).bytes;
    m_bytes = bytes.size();
    keepFile(m_path, bytes);
}

QStringList Snapshot::lines() const
{
    // Never more than what was written, never through a link, never waiting on a pipe.
    const FileRead read = readFileBounded(m_path, m_bytes, Links::Refuse);
    if (read.ok()) {
        const QString text = cp932::decode(read.bytes);
        if (text == m_text)
            return readLines(text);
    }
    return readLines(m_text);
}

} // namespace velnora
