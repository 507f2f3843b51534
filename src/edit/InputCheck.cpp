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

} // namespace velnora
