#include "files/TextSave.h"

#include "files/FileAccess.h"
#include "text/Cp932.h"
#include "text/NativePath.h"

#include <QDir>

namespace velnora
{

namespace
{

// A long list would make the box taller than the screen.
constexpr int MaxListedCharacters = 20;

QString codePoints(const QString &character)
{
    QStringList codes;
    for (const char32_t c : character.toUcs4())
        codes << QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
    return codes.join(QLatin1Char(' '));
}

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
    return QStringLiteral("保存エラー");
}

QString saveErrorMessage(const QString &path, const SaveOutcome &outcome)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text =
        QStringLiteral("保存できませんでした。") + crlf + displayPath(QDir::toNativeSeparators(path)) + crlf;
    if (outcome.status == SaveOutcome::Status::WriteFailed)
        return text + outcome.error.reason;
    text += QStringLiteral("Shift_JIS(cp932)で保存できない文字があります。");
    const qsizetype listed = qMin<qsizetype>(outcome.refused.size(), MaxListedCharacters);
    for (qsizetype i = 0; i < listed; ++i) {
        const RefusedCharacter &r = outcome.refused.at(i);
        text +=
            crlf + QStringLiteral("%1行目「%2」(%3)").arg(r.line).arg(r.character, codePoints(r.character));
    }
    if (outcome.refused.size() > listed)
        text += crlf + QStringLiteral("ほか%1文字").arg(outcome.refused.size() - listed);
    return text;
}

} // namespace velnora
