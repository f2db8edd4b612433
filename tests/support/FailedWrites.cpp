#include "support/FailedWrites.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "base/FileUtil.h"
#include "base/RecordFile.h"
#include "base/WriteFaults.h"

namespace qf::test {

namespace fs = std::filesystem;

FilesState Snapshot(const std::vector<std::string>& paths) {
    FilesState state;
    for (const std::string& path : paths) {
        std::error_code ec;
        state.files[path] = fs::exists(fs::symlink_status(path, ec)) ? ReadWholeFile(path) : std::nullopt;
        const std::string folder = fs::path(path).parent_path().string();
        if (state.folders.count(folder)) continue;
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder, ec)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        state.folders[folder] = names;
    }
    return state;
}

std::string Describe(const FilesState& before, const FilesState& after) {
    std::ostringstream out;
    for (const auto& [path, bytes] : before.files) {
        const auto& now = after.files.at(path);
        if (bytes == now) continue;
        out << path << ": " << (bytes ? std::to_string(bytes->size()) + " bytes" : "missing") << " became "
            << (now ? std::to_string(now->size()) + " bytes" : "missing") << (bytes && now ? " (content differs)" : "")
            << '\n';
    }
    for (const auto& [folder, names] : before.folders)
        if (names != after.folders.at(folder)) {
            out << folder << " now holds:";
            for (const auto& n : after.folders.at(folder)) out << ' ' << n;
            out << '\n';
        }
    return out.str();
}

int EveryWriteFails(const std::vector<std::string>& watched, const std::function<bool()>& operation) {
    for (int k = 0; k < 10000; ++k) {
        const FilesState before = Snapshot(watched);
        faults::FailWriteAfter(k);
        bool done = false;
        try {
            done = operation();
        } catch (const IoError&) {
            done = false;
        }
        const bool fired = faults::Fired();
        faults::Disarm();
        if (!fired) {
            EXPECT_TRUE(done) << "the run without a failing write did not succeed";
            return k;
        }
        EXPECT_FALSE(done) << "write step " << k << " failed, yet the operation reported success";
        const FilesState after = Snapshot(watched);
        EXPECT_TRUE(before == after) << "write step " << k << " failed and changed:\n" << Describe(before, after);
        if (before != after) return k;
    }
    ADD_FAILURE() << "the operation never ran without a failure";
    return -1;
}

}  // namespace qf::test
