// Listing a collection of 10,000 puzzles (about 700 MB): only the category and title of each
// slot are read. The file is sparse, so it costs little disk; the slots' names are real.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "base/ByteCodec.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionListing.h"

namespace {

constexpr int kSlots = 10000;

const std::string& BigCollection() {
    static const std::string path = [] {
        std::string p = "/tmp/qf-listing-bench-" + std::to_string(::getpid()) + ".QF3";
        const int fd = ::open(p.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(kSlots) * static_cast<off_t>(qf::kSlotSize)) != 0) std::abort();
        const char* categories[] = {"Animals", "Sports", "Geography", "Food", "History", "Science", "Music"};
        for (int k = 0; k < kSlots; ++k) {
            qf::ShortString<20> category;
            qf::ShortString<35> title;
            category = categories[k % 7];
            title = "Puzzle number " + std::to_string((k * 7919) % kSlots);
            std::vector<std::uint8_t> names(57);
            names[0] = category.length;
            std::copy(category.chars.begin(), category.chars.end(), names.begin() + 1);
            names[21] = title.length;
            std::copy(title.chars.begin(), title.chars.end(), names.begin() + 22);
            if (::pwrite(fd, names.data(), names.size(), static_cast<off_t>(k) * static_cast<off_t>(qf::kSlotSize) + 6) != 57)
                std::abort();
        }
        ::close(fd);
        std::atexit([] { std::remove(BigCollection().c_str()); });
        return p;
    }();
    return path;
}

void ListTenThousand(benchmark::State& state) {
    const std::string& path = BigCollection();
    for (auto _ : state) {
        const qf::CollectionListing listing = qf::ListCollection(path);
        if (listing.puzzleEntries.size() != kSlots) state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(listing.categoryNames.data());
    }
    state.SetItemsProcessed(state.iterations() * kSlots);
}
BENCHMARK(ListTenThousand)->Unit(benchmark::kMillisecond);

// The same listing with none of the file in the page cache, as after a restart: each
// iteration first writes the file's pages out and drops them.
void DropCachedPages(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0 || ::fdatasync(fd) != 0 || ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) != 0) std::abort();
    ::close(fd);
}

void ListTenThousandCold(benchmark::State& state) {
    const std::string& path = BigCollection();
    for (auto _ : state) {
        state.PauseTiming();
        DropCachedPages(path);
        state.ResumeTiming();
        const qf::CollectionListing listing = qf::ListCollection(path);
        if (listing.puzzleEntries.size() != kSlots) state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(listing.categoryNames.data());
    }
    state.SetItemsProcessed(state.iterations() * kSlots);
}
BENCHMARK(ListTenThousandCold)->Unit(benchmark::kMillisecond);

// The lists the main window shows after loading: both sorted.
void ListAndSortTenThousand(benchmark::State& state) {
    const std::string& path = BigCollection();
    for (auto _ : state) {
        const qf::CollectionListing listing = qf::ListCollection(path);
        auto categories = qf::CategoryRows(listing);
        auto titles = qf::TitleRows(listing, static_cast<int>(categories.front().value));
        benchmark::DoNotOptimize(titles.data());
    }
}
BENCHMARK(ListAndSortTenThousand)->Unit(benchmark::kMillisecond);

// For comparison: reading every slot whole, as a listing that decodes records would.
void ReadWholeSlotsTenThousand(benchmark::State& state) {
    const std::string& path = BigCollection();
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        std::vector<std::uint8_t> slot(qf::kSlotSize);
        std::size_t n = 0;
        while (std::fread(slot.data(), 1, slot.size(), f) == slot.size()) ++n;
        std::fclose(f);
        if (n != kSlots) state.SkipWithError("wrong count");
    }
}
BENCHMARK(ReadWholeSlotsTenThousand)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
