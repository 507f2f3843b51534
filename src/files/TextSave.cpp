#include "files/TextSave.h"

#include "files/FileAccess.h"
#include "messages/FileMessages.h"
#include "text/Cp932.h"
#include "text/NativePath.h"

#include <QDir>

namespace velnora
{

namespace
{

// A long list would make the box taller than the screen.
constexpr int MaxListedCharacters = 20;

} // namespace

int lineOfPosition(const QString &text, qsizetype position)
{
    int line = 1;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(QLatin1String("\r\n"), from);
        if (at < 0 || at >= position)
            return line;
        ++line;
        from = at + 2;
    }
}

SaveOutcome saveTextFile(const QString &path, const QString &text)
{
    SaveOutcome outcome;
    const cp932::Encoded encoded = cp932::encode(text);
    if (!encoded.ok()) {
        outcome.status = SaveOutcome::Status::Unencodable;
        for (const cp932::Unencodable &u : encoded.unencodable)
            outcome.refused.append({lineOfPosition(text, u.position), u.character});
        return outcome;
    }
    const FileError error = writeFileAtomically(path, encoded.bytes, Links::Follow);
    if (error.failed()) {
        outcome.status = SaveOutcome::Status::WriteFailed;
        outcome.error = error;
    }
    return outcome;
}

QString saveErrorTitle()
{
    return messages::files::saveErrorTitle();
}

QString saveErrorMessage(const QString &path, const SaveOutcome &outcome)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = messages::files::cannotSave() + crlf + displayPath(QDir::toNativeSeparators(path)) + crlf;
    if (outcome.status == SaveOutcome::Status::WriteFailed)
        return text + outcome.error.reason;
    text += messages::files::unencodableHead();
    const qsizetype listed = qMin<qsizetype>(outcome.refused.size(), MaxListedCharacters);
    for (qsizetype i = 0; i < listed; ++i) {
        const RefusedCharacter &r = outcome.refused.at(i);
        text += crlf + messages::files::unencodableLine(r.line, r.character);
    }
    if (outcome.refused.size() > listed)
        text += crlf + messages::files::moreUnencodable(static_cast<int>(outcome.refused.size() - listed));
    return text;
}

} // namespace velnora
