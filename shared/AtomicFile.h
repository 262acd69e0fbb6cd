#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Replaces a whole file so that readers see either the old contents or the new, never a
// mix: a temporary file in the same folder, written, flushed to disk, then renamed over
// the target. On failure the target is untouched and the temporary file is removed.
bool writeFileAtomically(const QString& path, const QByteArray& contents, mode_t mode);
