#pragma once

#include <QString>

namespace velnora
{

// The title a dropped file's path gives in file-name mode: the name after the last "/", cut
// before its last "."; a name without "." stays whole, ".x" becomes empty. A folder path ending
// in "/" gives the folder's name.
QString titleFromDroppedPath(const QString &path);

} // namespace velnora
