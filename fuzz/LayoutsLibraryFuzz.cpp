// The layouts library QFFPAGE.DAT: listed as the chooser lists it, and the default layout loaded
// from a "Default Page" setting taken from the input.
#include <memory>

#include "FuzzInput.h"
#include "layouts/LayoutLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qf;
    const std::string path = fuzz::InputFile("QFFPAGE.DAT", data, size);
    const std::int64_t defaultPage = size > 0 ? static_cast<std::int8_t>(data[0]) : 0;
    const auto entries = ListLayouts(path, defaultPage);
    QF_FUZZ_CHECK(entries.size() == size / PageLayoutRecord::kStoredSize);
    QF_FUZZ_CHECK(CountLayouts(path) == static_cast<std::int64_t>(entries.size()));
    auto layout = std::make_unique<PageLayoutRecord>();
    LoadPageLayout(path, defaultPage, *layout);
    for (const LayoutEntry& e : entries) QF_FUZZ_CHECK(ReadLayout(path, e.position, *layout).IsDone());
    return 0;
}
