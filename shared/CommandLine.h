#pragma once

#include <optional>

// The options every program we ship answers the same way, read before the toolkit starts so
// that they work without a display. Other arguments are left to the program.
struct ProgramDescription {
    const char* name;    // "Keyvigil Helper"
    const char* usage;   // what follows the program's name on a command line; may be ""
    const char* summary; // a sentence or two on what the program does
    // A program with options of its own gets --help and --version only as its first argument
    // (a later "--help" may be a value) and judges every other option itself.
    bool ownOptions = false;
};

// The exit status when the program should end here: 0 after --help or --version, 2 after an
// unknown option (one line on stderr). nullopt: go on; arguments that are no options are left
// to the program.
std::optional<int> handleStandardOptions(int argc, char** argv, const ProgramDescription& program);
