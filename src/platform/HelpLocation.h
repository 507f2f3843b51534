#pragma once

#include <QString>

namespace velnora
{

// Where the help the program opens lives: beside the program in a build tree, or where the install
// puts it when the program's own folder is the read-only bin folder.
namespace helplocation
{

// The install's documentation folder as seen from the program's folder ("../share/doc/velnora").
QString installedDocFolder(const QString &programFolder);

// help.chm beside the program, else in the installed documentation folder; empty when neither is a
// regular file.
QString helpChm(const QString &programFolder);

// The manual's index.html: manual/ beside the program, else manual/ in the installed documentation
// folder; empty when neither is a regular file.
QString manualIndex(const QString &programFolder);

// What "ヘルプファイル" opens: help.chm when there is one, else the manual's index, else nothing.
QString helpTarget(const QString &programFolder);

} // namespace helplocation
} // namespace velnora
