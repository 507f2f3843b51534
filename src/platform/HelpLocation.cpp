#include "platform/HelpLocation.h"

#include <QDir>
#include <QFileInfo>

#ifndef VELNORA_DOC_FROM_BIN
#define VELNORA_DOC_FROM_BIN "../share/doc/velnora"
#endif

namespace velnora::helplocation
{
namespace
{

// The first of the candidates that is a regular file (not a folder, a device or a dangling link).
QString firstFile(std::initializer_list<QString> candidates)
{
    for (const QString &candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.isFile())
            return info.absoluteFilePath();
    }
    return {};
}

} // namespace

QString installedDocFolder(const QString &programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(VELNORA_DOC_FROM_BIN)));
}

QString helpChm(const QString &programFolder)
{
    return firstFile({QDir(programFolder).filePath(QStringLiteral("help.chm")),
                      QDir(installedDocFolder(programFolder)).filePath(QStringLiteral("help.chm"))});
}

QString manualIndex(const QString &programFolder)
{
    return firstFile({QDir(programFolder).filePath(QStringLiteral("manual/index.html")),
                      QDir(installedDocFolder(programFolder)).filePath(QStringLiteral("manual/index.html"))});
}

QString helpTarget(const QString &programFolder)
{
    const QString chm = helpChm(programFolder);
    return chm.isEmpty() ? manualIndex(programFolder) : chm;
}

} // namespace velnora::helplocation
