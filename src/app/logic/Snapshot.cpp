#include "app/logic/Snapshot.h"

#include "text/Cp932.h"
#include "text/Lines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velnora
{

namespace
{

const QString SnapshotName = QStringLiteral("temp.dat");

// KeepFile: replaces a file's content with the text in cp932; every failure is silent, since the
// copy in memory stands in for the file.
bool keepFile(const QString &path, const QString &text)
{
    if (path.isEmpty())
        return false;
    const cp932::Encoded encoded = cp932::encode(text);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(encoded.bytes) != encoded.bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

void Snapshot::place(const QString &programFolder, const QString &userDataFolder, const QString &text)
{
    m_text = text;
    m_path = QDir(programFolder).filePath(SnapshotName);
    if (keepFile(m_path, text) || userDataFolder.isEmpty())
        return;
    QDir().mkpath(userDataFolder);
    m_path = QDir(userDataFolder).filePath(SnapshotName);
    keepFile(m_path, text);
}

void Snapshot::write(const QString &text)
{
    m_text = text;
    keepFile(m_path, text);
}

QStringList Snapshot::lines() const
{
    QFile file(m_path);
    // Never more than the text written could take in cp932: two bytes a character.
    if (QFileInfo(m_path).isFile() && file.open(QIODevice::ReadOnly)) {
        const QString text = cp932::decode(file.read(2 * m_text.size() + 1));
        if (text == m_text)
            return readLines(text);
    }
    return readLines(m_text);
}

} // namespace velnora
