// Loading and saving the two data files at scale: a profile set of 1,000
// profiles (about 285 MB) and a macro set of 10,000 macros of 100 events.
// Each load is compared with reading the same bytes into memory, and its
// peak memory with the file size. Goals, checked here: a load runs at least
// half as fast as the plain read, and needs less than twice the file size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <malloc.h>
#include <unistd.h>

#include "macro/DocMacroSet.h"
#include "model/DocProfileSet.h"
#include "platform/IUserPrompt.h"
#include "platform/StdFileStore.h"

namespace {
namespace fs = std::filesystem;

class CountingPrompt final : public IUserPrompt {
public:
    void Warn(std::u16string_view) override { ++warnings; }
    bool AskYesNo(std::u16string_view) override { return false; }
    int warnings = 0;
};

// Every heap block is counted at its usable size, so a load's peak memory is
// the most its data structures (and the file buffer) held at once.
int64_t gLiveBytes = 0;
int64_t gPeakBytes = 0;

void ResetPeak() { gPeakBytes = gLiveBytes; }
}  // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) throw std::bad_alloc();
    gLiveBytes += static_cast<int64_t>(malloc_usable_size(p));
    gPeakBytes = std::max(gPeakBytes, gLiveBytes);
    return p;
}

void operator delete(void* p) noexcept {
    if (p == nullptr) return;
    gLiveBytes -= static_cast<int64_t>(malloc_usable_size(p));
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {
// The two files, written once per process into a temporary folder.
struct Files {
    fs::path folder = fs::temp_directory_path() / ("qorn-bench-" + std::to_string(::getpid()));
    fs::path profiles = folder / "qorn.pfs";
    fs::path macros = folder / "qorn.mcs";
    StdFileStore store;
    CountingPrompt prompt;
    DocumentIo io{store, prompt};

    Files() {
        fs::create_directories(folder);
        CDocProfileSet set;
        for (int i = 0; i < 1000; ++i) set.AddDefaultProfile(u"Profile" + Number(i));
        set.currentName = set.profiles.begin()->first;
        set.OnSaveDocument(profiles.u16string(), io);
        CDocMacroSet macroSet;
        for (int i = 0; i < 10000; ++i) {
            CDocMacro m;
            m.name = u"Macro" + Number(i);
            for (uint32_t e = 0; e < 100; ++e)
                m.events.push_back(MacroEvent::Key(static_cast<uint16_t>(0x41 + e % 26), 0x1E, (e % 2) * 2, e));
            macroSet.Insert(std::move(m));
        }
        macroSet.OnSaveDocument(macros.u16string(), io);
    }
    ~Files() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    static std::u16string Number(int n) {
        const std::string s = std::to_string(n);
        return std::u16string(s.begin(), s.end());
    }
};

Files& TheFiles() {
    static Files files;
    return files;
}

// Best of three: the whole file into one buffer, as fast as the library reads.
double ReadSeconds(const fs::path& path) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        std::ifstream in(path, std::ios::binary);
        std::string bytes(fs::file_size(path), '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

template <class Set>
void Load(benchmark::State& state, const fs::path& path) {
    Files& files = TheFiles();
    const double fileBytes = static_cast<double>(fs::file_size(path));
    const double readSeconds = ReadSeconds(path);
    double loadSeconds = 1e9;
    int64_t peakBytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto set = std::make_unique<Set>();
        const int64_t before = gLiveBytes;
        ResetPeak();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        set->OnOpenDocument(path.u16string(), files.io);
        loadSeconds = std::min(loadSeconds,
                               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        state.PauseTiming();
        peakBytes = std::max(peakBytes, gPeakBytes - before);
        set.reset();
        state.ResumeTiming();
    }
    const double ratio = readSeconds / loadSeconds;
    const double peakOverFile = static_cast<double>(peakBytes) / fileBytes;
    state.SetBytesProcessed(static_cast<int64_t>(fileBytes) * state.iterations());
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["read_MB/s"] = fileBytes / 1e6 / readSeconds;
    state.counters["load_MB/s"] = fileBytes / 1e6 / loadSeconds;
    state.counters["load/read"] = ratio;
    state.counters["peak_MB"] = static_cast<double>(peakBytes) / 1e6;
    state.counters["peak/file"] = peakOverFile;
    if (files.prompt.warnings != 0) state.SkipWithError("the file did not load cleanly");
    const std::string file = path.filename().string();
    if (ratio < 0.5) std::fprintf(stderr, "GOAL MISSED: loading %s is slower than half the plain read\n", file.c_str());
    if (peakOverFile >= 2.0) std::fprintf(stderr, "GOAL MISSED: loading %s peaks at twice its size\n", file.c_str());
}

template <class Set>
void Save(benchmark::State& state, const fs::path& path) {
    Files& files = TheFiles();
    Set set;
    set.OnOpenDocument(path.u16string(), files.io);
    const fs::path target = files.folder / ("saved" + path.extension().string());
    for (auto _ : state) set.OnSaveDocument(target.u16string(), files.io);
    const auto bytes = static_cast<int64_t>(fs::file_size(target));
    state.SetBytesProcessed(bytes * state.iterations());
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
    if (files.prompt.warnings != 0) state.SkipWithError("saving failed");
}

void LoadProfileSet(benchmark::State& state) { Load<CDocProfileSet>(state, TheFiles().profiles); }
void SaveProfileSet(benchmark::State& state) { Save<CDocProfileSet>(state, TheFiles().profiles); }
void LoadMacroSet(benchmark::State& state) { Load<CDocMacroSet>(state, TheFiles().macros); }
void SaveMacroSet(benchmark::State& state) { Save<CDocMacroSet>(state, TheFiles().macros); }
}  // namespace

BENCHMARK(LoadProfileSet)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(SaveProfileSet)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(LoadMacroSet)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(SaveMacroSet)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
