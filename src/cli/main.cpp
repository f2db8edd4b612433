// quernfold-cli: the program's core for batch work and scripts.
#include <iostream>
#include <string>
#include <vector>

#include "base/FileNotices.h"
#include "base/RecordFile.h"
#include "cli/CliCommand.h"
#include "cli/Version.h"
#include "shapes/ShapeFiles.h"

using namespace qf::cli;

namespace {

void PrintHelp(std::ostream& os) {
    os << "quernfold-cli " << kVersionText << ": build, store and print crossword puzzles\n\n"
       << "usage: quernfold-cli [--yes] COMMAND [ARGS...]\n"
       << "       quernfold-cli --version | --help | help COMMAND\n\n"
       << "commands:\n";
    for (const Command& c : Commands()) os << "  " << c.name << std::string(c.name.size() < 13 ? 13 - c.name.size() : 1, ' ') << c.summary << '\n';
    os << "\n--yes answers Yes to the program's questions (otherwise No).\n"
       << "Exit status: 0 done, 1 the operation failed (its message is printed), 2 usage error.\n";
}

const Command* Find(const std::string& name) {
    for (const Command& c : Commands())
        if (c.name == name) return &c;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    CliContext ctx(std::cout, std::cerr);
    while (!words.empty() && words.front() == "--yes") {
        ctx.assumeYes = true;
        words.erase(words.begin());
    }
    if (words.empty()) {
        PrintHelp(std::cerr);
        return kExitUsage;
    }
    const std::string name = words.front();
    words.erase(words.begin());
    if (name == "--version" || name == "version") {
        std::cout << "quernfold-cli " << kVersionText << '\n';
        return kExitOk;
    }
    if (name == "--help" || name == "-h" || name == "help") {
        if (!words.empty()) {
            if (const Command* c = Find(words.front())) {
                std::cout << "usage:\n" << c->usage;
                return kExitOk;
            }
        }
        PrintHelp(std::cout);
        return kExitOk;
    }
    const Command* command = Find(name);
    if (!command) {
        std::cerr << "quernfold-cli: unknown command '" << name << "'\n\n";
        PrintHelp(std::cerr);
        return kExitUsage;
    }
    if (!words.empty() && (words.front() == "--help" || words.front() == "-h")) {
        std::cout << "usage:\n" << command->usage;
        return kExitOk;
    }
    Args args(std::move(words));
    // A damaged or lost library of the user's is told before any command uses it.
    for (const qf::LibraryProblem& problem : ctx.state.libraryProblems) {
        ctx.Print(problem.message);
        if (problem.state == qf::LibraryState::Damaged && name != "reset-library")
            std::cerr << "quernfold-cli: 'quernfold-cli reset-library "
                      << (problem.name == std::string(qf::kShapesFileName) ? "shapes" : "layouts")
                      << "' replaces it with the shipped copy\n";
    }
    int rc = kExitFailed;
    try {
        rc = command->run(ctx, args);
    } catch (const qf::IoError& e) {
        // An input/output error after a file was opened ends the command with one general report.
        rc = ctx.Fail(qf::GeneralIoMessage(e));
    } catch (const std::exception& e) {
        std::cerr << "quernfold-cli: " << e.what() << '\n';
    }
    // An interrupted change that an open of the command undid, told once.
    for (const qf::Message& notice : qf::TakeFileNotices()) ctx.Print(notice);
    return rc;
}
