#pragma once

// What keyvigil-keyboard-access changes on the system, for the settings window that looks at the
// same files. Plain C++: the program runs as root and links nothing but the C library.
namespace KeyboardAccessFiles {

inline constexpr char kProgramName[] = "keyvigil-keyboard-access";
// Ordered before 73-seat-late.rules, which gives the devices tagged "uaccess" to the user of the
// seat's active session: a tag added after it would be applied by nobody.
inline constexpr char kRule[] = "/etc/udev/rules.d/70-keyvigil-keyboard-access.rules";
// systemd runs the system (so udev has the uaccess builtin) and logind keeps seats: then the
// rule works. Elsewhere membership of the input group gives access, from the next login.
inline constexpr char kSystemdRunning[] = "/run/systemd/system";
inline constexpr char kSeats[] = "/run/systemd/seats";
inline constexpr char kGroupFile[] = "/etc/group";
inline constexpr char kInputGroup[] = "input";

} // namespace KeyboardAccessFiles
