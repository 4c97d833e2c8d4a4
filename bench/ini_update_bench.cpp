// SPDX-License-Identifier: GPL-3.0-or-later
// Saving 200 settings at once: one IniFile::update() against 200 one-key
// writes, each a full read and an atomic, fsynced rewrite of the file. Runs
// on a Settings-sized file in a temporary folder on disk. Prints both times
// and their ratio.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "settings/ini_file.h"

namespace fs = std::filesystem;
using kok::settings::IniFile;
using kok::settings::IniUpdate;

namespace {

constexpr int kKeys = 200;
constexpr int kSections = 8;

// The clock's sections with their keys, a comment, as a user's file looks.
std::string settingsText() {
    std::string s = ";kOk DIAL TD\r\n";
    for (int sec = 0; sec < kSections; ++sec) {
        s += "\r\n[kOk:TD:Section" + std::to_string(sec) + "]\r\n";
        for (int k = 0; k < kKeys / kSections + 5; ++k)
            s += "Key" + std::to_string(k) + "=" + std::to_string(sec * 1000 + k) + "\r\n";
        s += "File=\"C:\\Program Files\\kOk\\Sounds\\chime " + std::to_string(sec) + ".wav\"\r\n";
    }
    return s;
}

std::string sectionOf(int i) {
    return "kOk:TD:Section" + std::to_string(i % kSections);
}
std::string keyOf(int i) {
    return "Key" + std::to_string(i / kSections);
}

struct Fixture {
    Fixture() {
        std::string tmpl = (fs::temp_directory_path() / "koktd-bench.XXXXXX").string();
        folder = ::mkdtemp(tmpl.data());
        file = folder / "kOkTD.KiF";
    }
    ~Fixture() { fs::remove_all(folder); }
    void reset() const {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << settingsText();
    }

    fs::path folder, file;
};

// 200 keys saved as one update, or each by a write of its own.
void saveKeys(benchmark::State& state, bool oneUpdate) {
    const Fixture f;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.reset();
        ++round;
        state.ResumeTiming();
        IniFile ini(f.file);
        if (oneUpdate) {
            ini.update([&](IniUpdate& u) {
                for (int i = 0; i < kKeys; ++i)
                    u.writeInteger(sectionOf(i), keyOf(i), round + i);
            });
        } else {
            for (int i = 0; i < kKeys; ++i)
                ini.writeInteger(sectionOf(i), keyOf(i), round + i);
        }
    }
}
void oneUpdate(benchmark::State& state) {
    saveKeys(state, true);
}
void singleWrites(benchmark::State& state) {
    saveKeys(state, false);
}

BENCHMARK(oneUpdate)->Name("update_200_keys")->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(singleWrites)
    ->Name("single_writes_200_keys")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// Remembers each case's time per run to print the ratio at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            ms_[r.run_name.function_name] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double update = ms_["update_200_keys"];
        const double singles = ms_["single_writes_200_keys"];
        if (update > 0)
            GetOutputStream() << "200 keys: one update " << update << " ms, 200 single writes "
                              << singles << " ms, " << singles / update << "x faster\n";
    }

  private:
    std::map<std::string, double> ms_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
