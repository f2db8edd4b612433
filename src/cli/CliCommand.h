#pragma once
// The command-line tool's commands. Each command lives in its own file and registers itself
// with a static CommandRegistrar, so adding a command touches no shared table.
//
// Exit codes a script can rely on:
//   0  done
//   1  the operation failed; the program's message was printed on standard error
//   2  the command line was wrong; the usage was printed on standard error
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ProgramState.h"
#include "base/Message.h"
#include "base/Outcome.h"
#include "base/Prompter.h"

namespace qf::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// The words after the command name. Options are "--name VALUE", "--name=VALUE" or a bare flag.
class Args {
public:
    explicit Args(std::vector<std::string> words) : words_(std::move(words)) {}

    std::optional<std::string> Option(std::string_view name);  // removes it when found
    bool Flag(std::string_view name);                          // removes it when found
    // The first remaining positional word, removed; nullopt when none is left.
    std::optional<std::string> Next();
    // What is left once the command has taken everything it knows; an unknown option or an
    // extra word is a usage error.
    std::vector<std::string> Remaining() const { return words_; }
    bool Empty() const { return words_.empty(); }
    // Set when an option was given without its value.
    const std::string& Error() const { return error_; }

private:
    std::vector<std::string> words_;
    std::string error_;
};

// What every command works on: the program state as the program starts up (settings of the
// working directory, languages corrected), the two output streams and the tool's prompter.
class CliContext {
public:
    CliContext(std::ostream& out, std::ostream& err);

    std::ostream& out;
    std::ostream& err;
    ProgramState state;

    // Prints a program message (Windows-1252) as UTF-8: on standard error for errors and
    // warnings, on standard output otherwise. Control characters show as '?'.
    void Print(const Message& message);
    // Prints a Windows-1252 text line on standard output; control characters (a line break
    // too) show as '?'.
    void Line(std::string_view ansi);
    int Fail(const Message& message) { Print(message); return kExitFailed; }
    // A command that was not done: its message (when it has one), and exit status 1.
    int Fail(const Outcome& outcome) { return Fail(outcome.message); }
    // Exit status of an outcome whose confirmation (if any) is printed.
    int Finish(const Outcome& outcome);
    int Usage(std::string_view usage);

    // Answers the program's questions: Yes when --yes was given, otherwise No.
    Prompter& GetPrompter();
    bool assumeYes = false;

private:
    std::unique_ptr<Prompter> prompter_;
};

struct Command {
    std::string name;      // "generate", "settings", ...
    std::string usage;     // the synopsis lines, without the program name
    std::string summary;   // one line for the command list
    std::function<int(CliContext&, Args&)> run;
};

struct CommandRegistrar {
    explicit CommandRegistrar(Command command);
};

const std::vector<Command>& Commands();

// Checks that nothing unknown is left: returns kExitOk, or prints the usage and returns kExitUsage.
int RequireEmpty(CliContext& ctx, const Args& args, std::string_view usage);

}  // namespace qf::cli
