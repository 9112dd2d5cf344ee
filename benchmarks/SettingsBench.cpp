// Loading and saving a settings file of 10000 items, without the disk: the parsing, the reading
// rules, the key writes and deletions, and the serialisation.
#include <benchmark/benchmark.h>

#include "MemoryStore.h"
#include "core/settings/SettingsFile.h"
#include "platform/LegacyCodec.h"

using namespace velmora;

namespace {

// The file as it lies on disk, without the disk; the legacy code page is the real CP932.
struct MemoryStore : testing::MemoryStore {
    std::string& content = files["bench.ini"];
    std::string DecodeLegacy(std::string_view bytes) override {
        return platform::DecodeLegacyText(bytes);
    }
    std::optional<std::string> EncodeLegacy(std::string_view utf8) override {
        return platform::EncodeLegacyText(utf8);
    }
};

std::vector<StoredItem> Items(int count) {
    std::vector<StoredItem> items;
    for (int i = 0; i < count; ++i) {
        items.push_back(
            {"アイテム " + std::to_string(i) + ".exe",
             "\"/home/user/Applications/Some Folder/program-" + std::to_string(i) + "\" --flag"});
    }
    return items;
}

std::string FileOf(int count) {
    MemoryStore store;
    SettingsFile file("bench.ini", store, store);
    file.Load(960);
    file.Save(Settings{}, Items(count));
    return store.content;
}

// The same 10000 items in each form a user's file may have.
std::string FileIn(TextEncoding encoding) {
    MemoryStore store;
    TextForm form{encoding, encoding == TextEncoding::Utf16Le, "\n"};
    return EncodeText(FileOf(10000), form, store);
}

void BM_Load10000Items(benchmark::State& state, TextEncoding encoding) {
    MemoryStore store;
    store.content = FileIn(encoding);
    for (auto _ : state) {
        SettingsFile file("bench.ini", store, store);
        LoadedSettings loaded = file.Load(960);
        benchmark::DoNotOptimize(loaded);
    }
    state.counters["bytes"] = static_cast<double>(store.content.size());
}
BENCHMARK_CAPTURE(BM_Load10000Items, utf8, TextEncoding::Utf8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Load10000Items, cp932, TextEncoding::Legacy)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Load10000Items, utf16, TextEncoding::Utf16Le)->Unit(benchmark::kMillisecond);

void BM_Save10000Items(benchmark::State& state, TextEncoding encoding) {
    MemoryStore store;
    store.content = FileIn(encoding);
    const std::vector<StoredItem> items = Items(10000);
    SettingsFile file("bench.ini", store, store);
    const Settings settings = file.Load(960).settings;
    for (auto _ : state) {
        SaveResult result = file.Save(settings, items);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(BM_Save10000Items, utf8, TextEncoding::Utf8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save10000Items, cp932, TextEncoding::Legacy)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save10000Items, utf16, TextEncoding::Utf16Le)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
