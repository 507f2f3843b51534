#pragma once

#include <QString>

// What reading and writing the program's files tell the user.
namespace velnora::messages::files
{

QString notRegular(); // a path that is no regular file

// "保存": the box's title, the head above the path shown, then either the system's reason or the
// characters Shift_JIS cannot hold, one a line.
QString saveErrorTitle();
QString cannotSave();
QString unencodableHead();
QString unencodableLine(int line, const QString &character); // "3行目「髙」(U+9AD9)"
QString moreUnencodable(int count);

// "CD-TEXTファイルに書き出し": the save dialog's filter and title.
QString cdTextFileFilter();
QString cdTextFileDialogTitle();

} // namespace velnora::messages::files
