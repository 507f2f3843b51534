#include "messages/FileMessages.h"

#include "messages/CdTextMessages.h"

namespace velnora::messages::files
{

QString notRegular()
{
    return QStringLiteral("通常のファイルではありません。");
}

QString saveErrorTitle()
{
    return QStringLiteral("保存エラー");
}

QString cannotSave()
{
    return QStringLiteral("保存できませんでした。");
}

QString unencodableHead()
{
    return QStringLiteral("Shift_JIS(cp932)で保存できない文字があります。");
}

QString unencodableLine(int line, const QString &character)
{
    return QStringLiteral("%1行目「%2」(%3)").arg(line).arg(character, cdtextexport::codePoints(character));
}

QString moreUnencodable(int count)
{
    return QStringLiteral("ほか%1文字").arg(count);
}

QString cdTextFileFilter()
{
    return QStringLiteral("CD-TEXTファイル(*.cdt)");
}

QString cdTextFileDialogTitle()
{
    return QStringLiteral("CD-TEXTファイルに書き出し");
}

} // namespace velnora::messages::files
