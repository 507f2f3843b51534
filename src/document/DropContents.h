#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace velnora
{

// What a drop on a document box brings that the program uses: local files and text to insert.
struct DropContents {
    QStringList files; // local paths, in the order of the drop
    QString text;      // text to insert; empty when there is none
    // A drop of links that are not local files and nothing else: it changes nothing at all.
    bool ignored = false;
};

// Only local files count; web links and other remote links are ignored. The text a drag source
// sends as a copy of its link list (file paths or the links themselves) is not text to insert.
DropContents dropContents(const QList<QUrl> &urls, const QString &text);

} // namespace velnora
