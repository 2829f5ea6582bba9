#pragma once
// The command line of a run without the main window:
//     Pavorin.exe /restore N [/replace] [/quiet]
//     Pavorin.exe /capture N [/title TEXT] [/quiet]
// Switches are case-insensitive and start with "/" or "-"; N is one to three decimal digits.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class CommandLineAction { kNone, kRestore, kCapture, kBadArguments };

struct CommandLineRequest {
    CommandLineAction action = CommandLineAction::kNone;
    int32_t listNumber = 0;              // 0 to 999
    bool replace = false;                // /restore: close the open folder windows first
    bool quiet = false;                  // no box at all, also not for bad arguments
    std::optional<std::u16string> title;  // /capture /title TEXT

    bool operator==(const CommandLineRequest&) const = default;
};

// The arguments after the program's own name. None at all is kNone (the main window starts). A switch
// that is unknown, repeated or belongs to the other command, a missing or malformed N, /title without
// TEXT or with a line break in it, and no command at all are kBadArguments; quiet is still told then.
CommandLineRequest ParseCommandLine(std::span<const std::u16string_view> arguments);

// N: one to three ASCII decimal digits ("007" is 7); nullopt for anything else.
std::optional<int32_t> ParseListNumber(std::u16string_view text);

// What a run from the command line tells through its exit code.
enum CommandLineExitCode : int {
    kExitDone = 0,        // restore: every record opened or already open; capture: the file written
    kExitIncomplete = 1,  // restore: some windows not opened, lost or opened wrongly
    kExitNothingDone = 2,  // bad arguments, no or unreadable list, file not written, no shell window list
};
