#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The version of the interface between the helper and the companion
// (org.keyvigil.Keyvigil.Shell): raised on both sides together when it changes.
inline constexpr unsigned kCompanionInterfaceVersion = 1;

// Where Keyvigil's GNOME Shell companion stands: on GNOME only it can tell the helper about Caps
// Lock, Num Lock and the application in front, and show the indicators.
enum class CompanionState : std::uint8_t {
    Unsupported, // this build has no GNOME support: nothing is said about it
    Missing,     // not installed
    NotLoaded,   // installed after the Shell started, which loads extensions only at login
    Disabled,    // the Shell has it, turned off
    Failed,      // the Shell could not start it
    Running,
};

struct CompanionStatus {
    CompanionState state = CompanionState::Unsupported;
    // In the Shell's list of extensions to run (at the next login, where NotLoaded).
    bool enabled = false;
    // The running companion's interface version; 0 where it does not say.
    unsigned version = 0;
    // The Shell's own words where it failed.
    QString error{};
};

// The companion as the settings window sees and switches it. Nothing is turned on but on the
// user's request.
class ShellCompanionControl {
public:
    virtual ~ShellCompanionControl() = default;
    virtual CompanionStatus status() = 0;
    // Turns it on now where the Shell has it, else from the next login; nullopt when done, else
    // one line saying why not.
    virtual std::optional<QString> enable() = 0;
};
