// Loading and saving a settings file of 10000 items, without the disk: the parsing, the reading
// rules, the key writes and deletions, and the serialisation.
#include <benchmark/benchmark.h>

#include "core/settings/SettingsFile.h"

using namespace velmora;

namespace {

struct MemoryStore : IFileStore {
    std::string content;
    FileReadResult Read(const std::string&) override {
        if (content.empty()) return {FileReadResult::Status::Missing, {}, {}};
        return {FileReadResult::Status::Ok, content, {}};
    }
    FileWriteResult WriteAtomic(const std::string&, const std::string& bytes) override {
        content = bytes;
        return {true, {}};
    }
    std::string DecodeLegacy(std::string_view bytes) override { return std::string(bytes); }
};

std::vector<StoredItem> Items(int count) {
    std::vector<StoredItem> items;
    for (int i = 0; i < count; ++i) {
        items.push_back({"アイテム " + std::to_string(i) + ".exe",
                         "\"/home/user/Applications/Some Folder/program-" + std::to_string(i) + "\" --flag"});
    }
    return items;
}

std::string FileOf(int count) {
    MemoryStore store;
    SettingsFile file("bench.ini", store);
    file.Load(960);
    file.Save(Settings{}, Items(count));
    return store.content;
}

void BM_Load10000Items(benchmark::State& state) {
    MemoryStore store;
    store.content = FileOf(10000);
    for (auto _ : state) {
        SettingsFile file("bench.ini", store);
        LoadedSettings loaded = file.Load(960);
        benchmark::DoNotOptimize(loaded);
    }
    state.counters["bytes"] = static_cast<double>(store.content.size());
}
BENCHMARK(BM_Load10000Items)->Unit(benchmark::kMillisecond);

void BM_Save10000Items(benchmark::State& state) {
    MemoryStore store;
    store.content = FileOf(10000);
    const std::vector<StoredItem> items = Items(10000);
    SettingsFile file("bench.ini", store);
    const Settings settings = file.Load(960).settings;
    for (auto _ : state) {
        SaveResult result = file.Save(settings, items);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Save10000Items)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
