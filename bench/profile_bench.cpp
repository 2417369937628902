// Timings of the profile store on the largest profile the launcher allows: 1001 pages with
// every slot registered. Each benchmark works on a fresh copy in a temporary folder.
//
// Goals: a read of an unchanged file < 2 µs; the first read after the file changed < 30 ms;
// the 41 reads of one page display < 100 µs; a page deletion (22 writes, one replacement)
// < 50 ms; the write lock < 5% of one write; a backup before a write < 1 ms more.

#include "profile/profile_backup.h"
#include "profile/profile_store.h"
#include "profile/write_lock.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

#include <array>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using vnovla::profile::ProfileStore;
using vnovla::profile::ProfileWrite;

constexpr int kPage = 500;
constexpr int kRepetitions = 10;

// A copy of the large sample profile that disappears with the benchmark.
class LargeProfile
{
public:
    LargeProfile()
    {
        const std::filesystem::path source = VNOVLA_TEST_DATA_DIR "/profiles/large";
        for (const char* name : {"Vnovla.ini", "icon.ini"})
            std::filesystem::copy_file(source / name, dir_ / name);
    }
    const std::filesystem::path& folder() const { return dir_.path(); }
    std::filesystem::path settingsFile() const { return dir_ / "Vnovla.ini"; }
    void restore() const
    {
        std::filesystem::copy_file(VNOVLA_TEST_DATA_DIR "/profiles/large/Vnovla.ini",
                                   settingsFile(),
                                   std::filesystem::copy_options::overwrite_existing);
    }

private:
    vnovla::test::TempDir dir_;
};

// The key of a slot: the page number followed by the slot digit.
std::array<std::string, 10> slotKeys(int page)
{
    std::array<std::string, 10> keys;
    for (int slot = 0; slot < 10; ++slot)
        keys[static_cast<std::size_t>(slot)] = std::to_string(page) + std::to_string(slot);
    return keys;
}

void readUnchanged(benchmark::State& state)
{
    const LargeProfile profile;
    ProfileStore store(profile.folder());
    store.ReadSetting("Title", "999");
    for (auto _ : state)
        benchmark::DoNotOptimize(store.ReadSetting("Title", "999"));
}
BENCHMARK(readUnchanged)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);

void firstReadAfterChange(benchmark::State& state)
{
    const LargeProfile profile;
    ProfileStore store(profile.folder());
    store.ReadSetting("Title", "999");
    const std::string file = profile.settingsFile().string();
    long second = 1'000'000'000;
    for (auto _ : state) {
        // Another program saved the file: only its modification time tells.
        state.PauseTiming();
        const timespec times[2] = {{second, 0}, {second, 0}};
        ::utimensat(AT_FDCWD, file.c_str(), times, 0);
        ++second;
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.ReadSetting("Title", "999"));
    }
}
BENCHMARK(firstReadAfterChange)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void pageDisplay(benchmark::State& state)
{
    const LargeProfile profile;
    ProfileStore store(profile.folder());
    const std::string page = std::to_string(kPage);
    const auto keys = slotKeys(kPage);
    store.ReadSetting("Title", page);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.ReadSetting("Title", page));
        for (const std::string& key : keys) {
            benchmark::DoNotOptimize(store.ReadSetting("PopUp", key));
            benchmark::DoNotOptimize(store.ReadSetting("Path", key));
            benchmark::DoNotOptimize(store.ReadSetting("Icon", key));
        }
    }
}
BENCHMARK(pageDisplay)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void pageIcons(benchmark::State& state)
{
    const LargeProfile profile;
    ProfileStore store(profile.folder());
    const auto keys = slotKeys(kPage);
    store.ReadIconSetting("IconPath", keys[0]);
    for (auto _ : state) {
        for (const std::string& key : keys)
            benchmark::DoNotOptimize(store.ReadIconSetting("IconPath", key));
    }
}
BENCHMARK(pageIcons)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// One value, written durably: temporary file, fsync, rename, fsync of the folder.
void writeSetting(benchmark::State& state)
{
    const LargeProfile profile;
    ProfileStore store(profile.folder());
    store.ReadSetting("Window", "Top");
    int top = 0;
    for (auto _ : state) {
        const auto status = store.WriteSetting("Window", "Top", std::to_string(top++ % 2));
        if (!status)
            state.SkipWithError(status.message().c_str());
    }
}
BENCHMARK(writeSetting)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The same write for an edit that removes a registration: the file as it was is kept in
// the backup folder first (a hard link, and the oldest of 21 removed).
void writeSettingWithBackup(benchmark::State& state, vnovla::profile::Backup backup)
{
    const LargeProfile profile;
    ProfileStore store(profile.folder());
    store.ReadSetting("Window", "Top");
    int top = 0;
    for (auto _ : state) {
        const std::vector<ProfileWrite> writes = {{"Window", "Top", std::to_string(top++ % 2)}};
        const auto status = store.WriteSettings(writes, backup);
        if (!status)
            state.SkipWithError(status.message().c_str());
    }
}
BENCHMARK_CAPTURE(writeSettingWithBackup, without, vnovla::profile::Backup::No)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeSettingWithBackup, with, vnovla::profile::Backup::First)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The backup on its own, with 20 backups kept already: a hard link, a look at the backup
// folder and the removal of the oldest.
void backupAlone(benchmark::State& state)
{
    const LargeProfile profile;
    for (int i = 0; i < 20; ++i)
        (void)vnovla::profile::backUp(profile.settingsFile());
    for (auto _ : state) {
        const auto kept = vnovla::profile::backUp(profile.settingsFile());
        if (!kept.status)
            state.SkipWithError(kept.status.message().c_str());
    }
}
BENCHMARK(backupAlone)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// What the write lock adds to each write: opening the lock file beside the profile, taking the
// lock (with the look at the profile that tells a waiting writer whether others progress) and
// dropping it.
void writeLock(benchmark::State& state)
{
    const LargeProfile profile;
    const std::filesystem::path lockFile = vnovla::profile::lockFileOf(profile.settingsFile());
    for (auto _ : state) {
        vnovla::profile::WriteLock lock;
        if (lock.lock(lockFile, profile.settingsFile(), vnovla::profile::kWriteLockTimeout) !=
            vnovla::profile::WriteLock::Result::Locked)
            state.SkipWithError("cannot lock");
    }
}
BENCHMARK(writeLock)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// Deleting a page: its title and the Path and PopUp of its ten slots become " ", and the
// window's page count and current page change, all as one replacement of the file.
void deletePage(benchmark::State& state)
{
    const LargeProfile profile;
    ProfileStore store(profile.folder());
    store.ReadSetting("Window", "Page");
    int page = 0;
    for (auto _ : state) {
        if (page == 1001) {
            // Every page is deleted; start over so that each write changes the file.
            state.PauseTiming();
            profile.restore();
            store.ReadSetting("Window", "Page");
            page = 0;
            state.ResumeTiming();
        }
        std::vector<ProfileWrite> writes;
        writes.reserve(22);
        writes.push_back({"Title", std::to_string(page), " "});
        for (const std::string& key : slotKeys(page)) {
            writes.push_back({"Path", key, " "});
            writes.push_back({"PopUp", key, " "});
        }
        writes.push_back({"Window", "Page", std::to_string(1000 - page % 2)});
        writes.push_back({"Window", "Now", std::to_string(page)});
        const auto status = store.WriteSettings(writes);
        if (!status)
            state.SkipWithError(status.message().c_str());
        ++page;
    }
}
BENCHMARK(deletePage)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
