#include "cli/CliCommand.h"

#include <algorithm>
#include <ostream>

#include "base/Ansi.h"

namespace qf::cli {
namespace {

// Stored text may be damaged. Its control characters (and the five bytes Windows-1252 leaves
// undefined, which become C1 controls some terminals obey) are shown as '?', so that a title
// cannot end a line of the output, move the cursor or hide itself.
std::string Printable(std::string_view ansi, bool keepLineBreaks) {
    std::string out(ansi);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        const bool control = b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        if (control && !(keepLineBreaks && c == '\n')) c = '?';
    }
    return AnsiToUtf8(out);
}

std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

class CliPrompter : public Prompter {
public:
    explicit CliPrompter(CliContext& ctx) : ctx_(ctx) {}
    void Inform(const Message& message) override { ctx_.Print(message); }
    // A question and its answer go together on standard error, so they stay together and
    // standard output holds only results.
    Answer Ask(const Message& message, Question) override {
        const Answer a = ctx_.assumeYes ? Answer::Yes : Answer::No;
        ctx_.err << Printable(message.text, true) << (a == Answer::Yes ? " [Yes]" : " [No: --yes answers Yes]") << '\n';
        return a;
    }

private:
    CliContext& ctx_;
};

}  // namespace

std::optional<std::string> Args::Option(std::string_view name) {
    for (auto it = words_.begin(); it != words_.end(); ++it) {
        if (*it == name) {
            if (std::next(it) == words_.end()) {
                error_ = "option " + std::string(name) + " needs a value";
                words_.erase(it);
                return std::nullopt;
            }
            std::string value = *std::next(it);
            words_.erase(it, std::next(it, 2));
            return value;
        }
        const std::string prefix = std::string(name) + "=";
        if (it->rfind(prefix, 0) == 0) {
            std::string value = it->substr(prefix.size());
            words_.erase(it);
            return value;
        }
    }
    return std::nullopt;
}

bool Args::Flag(std::string_view name) {
    const auto it = std::find(words_.begin(), words_.end(), name);
    if (it == words_.end()) return false;
    words_.erase(it);
    return true;
}

std::optional<std::string> Args::Next() {
    for (auto it = words_.begin(); it != words_.end(); ++it) {
        if (it->size() > 1 && it->rfind("--", 0) == 0) continue;
        std::string word = *it;
        words_.erase(it);
        return word;
    }
    return std::nullopt;
}

CliContext::CliContext(std::ostream& o, std::ostream& e)
    : out(o), err(e), state(ProgramState::StartUp(ProgramState::FindDirectories())) {}

void CliContext::Print(const Message& message) {
    if (message.Empty()) return;
    (message.IsProblem() ? err : out) << Printable(message.text, true) << '\n';
}

int CliContext::Finish(const Outcome& outcome) {
    Print(outcome.message);
    return outcome.IsDone() ? kExitOk : kExitFailed;
}

void CliContext::Line(std::string_view ansi) { out << Printable(ansi, false) << '\n'; }

int CliContext::Usage(std::string_view usage) {
    err << "usage:\n" << usage;
    if (!usage.empty() && usage.back() != '\n') err << '\n';
    return kExitUsage;
}

Prompter& CliContext::GetPrompter() {
    if (!prompter_) prompter_ = std::make_unique<CliPrompter>(*this);
    return *prompter_;
}

CommandRegistrar::CommandRegistrar(Command command) {
    auto& r = Registry();
    r.push_back(std::move(command));
    std::sort(r.begin(), r.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
}

const std::vector<Command>& Commands() { return Registry(); }

int RequireEmpty(CliContext& ctx, const Args& args, std::string_view usage) {
    if (!args.Error().empty()) {
        ctx.err << "quernfold-cli: " << args.Error() << '\n';
        return ctx.Usage(usage);
    }
    if (args.Empty()) return kExitOk;
    ctx.err << "quernfold-cli: unexpected '" << args.Remaining().front() << "'\n";
    return ctx.Usage(usage);
}

}  // namespace qf::cli
