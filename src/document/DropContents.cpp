#include "document/DropContents.h"

#include <QRegularExpression>

namespace velnora
{

namespace
{

// Whether every line of the text names one of the links, in any of the forms drag sources use.
bool isTextOfLinkList(const QString &text, const QList<QUrl> &urls)
{
    QStringList forms;
    for (const QUrl &url : urls) {
        forms << url.toString() << url.toString(QUrl::FullyEncoded) << url.toDisplayString();
        if (url.isLocalFile())
            forms << url.toLocalFile();
    }
    bool any = false;
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("[\r\n]+")))) {
        const QString item = line.trimmed();
        if (item.isEmpty())
            continue;
        if (!forms.contains(item))
            return false;
        any = true;
    }
    return any;
}

} // namespace

DropContents dropContents(const QList<QUrl> &urls, const QString &text)
{
    DropContents contents;
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            contents.files << url.toLocalFile();
    }
    if (!text.isEmpty() && !isTextOfLinkList(text, urls))
        contents.text = text;
    contents.ignored = !urls.isEmpty() && contents.files.isEmpty() && contents.text.isEmpty();
    return contents;
}

} // namespace velnora
