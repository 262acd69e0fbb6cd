#pragma once

#include <QString>

#include <optional>

// Keeps a crash of this process from leaving its memory on disk, where a core dump would keep
// whatever it held. The hard limit goes too, so that no process of the user can raise the limit
// again; the crash itself is still logged.
namespace CoreDumps {

// nullopt when done; else the line that says why not.
std::optional<QString> disable();

} // namespace CoreDumps
