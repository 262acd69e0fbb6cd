#pragma once

#include "platform/ProcessManager.h"

#include <QString>

#include <optional>

// What the settings window asks the help viewer to show, as it leaves it in the hand-off store.
struct HelpRequest {
    QString bookFolder;
    QString page;
    std::optional<QString> anchor;
};

namespace HelpHandoffStore {

// The request the store holds now: its file is read afresh.
HelpRequest read();
// Records the viewer's process, so that a later request wakes it instead of starting another.
bool recordViewer(const ProcessSerialNumber& self);
// Clears the record, unless another viewer has recorded itself since.
bool clearViewer(const ProcessSerialNumber& self);

} // namespace HelpHandoffStore

// The absolute path of `target` (relative to `fromFolder`, or absolute) when it is an existing
// file inside the book folder, links resolved; nullopt for anything outside it or missing.
std::optional<QString> resolveInBook(const QString& bookFolder, const QString& fromFolder,
                                     const QString& target);
