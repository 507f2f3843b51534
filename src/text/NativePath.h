#pragma once

#include <QByteArray>
#include <QString>

namespace velnora
{

// File names on Linux are bytes, not always UTF-8 (a name copied from an old cp932 system). Every
// path the program keeps as a QString holds such a byte as the lone surrogate U+DC80 + byte, so the
// bytes come back exactly when the file is opened or written.

// The bytes to hand to the system for a path.
QByteArray toNativePath(const QString &path);
// The path for the system's bytes: valid UTF-8 decoded, every other byte escaped.
QString fromNativePath(const QByteArray &bytes);
// The path as a person can read it: every escaped byte shown as U+FFFD.
QString displayPath(const QString &path);

} // namespace velnora
