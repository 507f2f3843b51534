#pragma once

#include <QString>

namespace velnora
{

// What stops the edit before anything is asked: a missing field or an empty first title line.
enum class InputProblem { None, MissingAlbum, MissingArtist, MissingTitles, EmptyFirstLine };

// Kuhakuchui (blank check): the first of the three fields that holds no text at all. Nothing is
// trimmed: a field of blanks counts as filled.
InputProblem kuhakuchui(const QString &album, const QString &artist, const QString &titles);

// The first title line must not be empty.
InputProblem firstLineRule(const QString &titles);

// Both checks in the order the edit command runs them.
InputProblem checkInput(const QString &album, const QString &artist, const QString &titles);

} // namespace velnora
