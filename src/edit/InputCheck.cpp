#include "edit/InputCheck.h"

namespace velnora
{

InputProblem kuhakuchui(const QString &album, const QString &artist, const QString &titles)
{
    if (album.isEmpty())
        return InputProblem::MissingAlbum;
    if (artist.isEmpty())
        return InputProblem::MissingArtist;
    if (titles.isEmpty())
        return InputProblem::MissingTitles;
    return InputProblem::None;
}

InputProblem firstLineRule(const QString &titles)
{
    return titles.startsWith(QLatin1Char('\r')) ? InputProblem::EmptyFirstLine : InputProblem::None;
}

InputProblem checkInput(const QString &album, const QString &artist, const QString &titles)
{
    const InputProblem missing = kuhakuchui(album, artist, titles);
    return missing != InputProblem::None ? missing : firstLineRule(titles);
}

QString inputProblemText(InputProblem problem)
{
    switch (problem) {
    case InputProblem::MissingAlbum:
        return QStringLiteral("アルバム名が入力されていません");
    case InputProblem::MissingArtist:
        return QStringLiteral("アーティスト名が入力されていません");
    case InputProblem::MissingTitles:
        return QStringLiteral("曲名が入力されていません");
    case InputProblem::EmptyFirstLine:
        return QStringLiteral("曲名の一行目は改行しちゃダメ");
    case InputProblem::None:
        break;
    }
    return QString();
}

QString inputProblemTitle(InputProblem problem)
{
    switch (problem) {
    case InputProblem::MissingAlbum:
    case InputProblem::MissingArtist:
    case InputProblem::MissingTitles:
        return QStringLiteral("入力漏れ");
    case InputProblem::EmptyFirstLine:
        return QStringLiteral("改行禁止");
    case InputProblem::None:
        break;
    }
    return QString();
}

} // namespace velnora
