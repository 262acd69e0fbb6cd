#pragma once

#include <QString>
#include <QStringList>

// Where a named sound's files are looked for, and which kinds of file are tried.
namespace SoundFiles {

// The lookup folders of a program whose bundle keeps its resources in `bundleResources`: those
// resources; the resources of the bundle that holds this bundle, if it sits in one; then the
// user's, the local and the system sound folders.
QStringList searchFolders(const QString& bundleResources);
// The file extensions tried for a name, in order: those the sound library can decode.
const QStringList& extensions();
// Every existing file for `name`, folder order first, then extension order.
QStringList candidates(const QStringList& folders, const QString& name);

} // namespace SoundFiles
