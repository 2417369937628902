// A process killed at any moment of a hundred moves leaves every button on exactly one page:
// each move is one replacement of the settings file.

#include "move_fixture.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

namespace vnovla {
namespace {

using move::Side;

constexpr int kMoves = 100;

// Ten buttons travel between pages 0 and 1, slot by slot, ten moves per crossing.
std::string startingProfile()
{
    std::string text = "[Path]\r\n";
    for (int slot = 0; slot < pages::kSlotCount; ++slot)
        text += "0" + std::to_string(slot) + "=/opt/app" + std::to_string(slot) + "/run\r\n";
    text += "[PopUp]\r\n";
    for (int slot = 0; slot < pages::kSlotCount; ++slot)
        text += "0" + std::to_string(slot) + "=App " + std::to_string(slot) + "\r\n";
    return text;
}

class MoveCrashTest : public test::MoveFixture
{
protected:
    // Runs the moves in a child process; gives its pid.
    pid_t startMoves()
    {
        const pid_t pid = fork();
        if (pid != 0)
            return pid;
        for (int step = 0; step < kMoves; ++step) {
            const int from = (step / pages::kSlotCount) % 2;
            const int slot = step % pages::kSlotCount;
            presenter->ScrNo_Change(Side::Source, from);
            presenter->ScrNo_Change(Side::Destination, 1 - from);
            presenter->Option_Click(Side::Source, slot);
            presenter->Option_Click(Side::Destination, slot);
            presenter->BtMove_Click();
        }
        _exit(dialogs.messages.empty() ? 0 : 1);
    }

    static int waitFor(pid_t pid)
    {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0) {
        }
        return status;
    }

    // Every button is on page 0 or page 1 of its slot, never on both, never on neither.
    void expectEachButtonOnce()
    {
        profile::ProfileStore fresh(dir.path());
        for (int slot = 0; slot < pages::kSlotCount; ++slot) {
            const std::string path = "/opt/app" + std::to_string(slot) + "/run";
            const bool onFirst = fresh.ReadSetting("Path", pages::entryKey(0, slot)) == path;
            const bool onSecond = fresh.ReadSetting("Path", pages::entryKey(1, slot)) == path;
            EXPECT_NE(onFirst, onSecond) << "slot " << slot;
            const int page = onFirst ? 0 : 1;
            EXPECT_EQ(fresh.ReadSetting("PopUp", pages::entryKey(page, slot)),
                      "App " + std::to_string(slot));
            EXPECT_EQ(fresh.ReadSetting("Path", pages::entryKey(1 - page, slot)), "");
        }
    }
};

TEST_F(MoveCrashTest, aKilledMoverLeavesEveryButtonOnExactlyOnePage)
{
    open(startingProfile(), 0, 1);
    // One full run, to learn how long the moves take on this machine.
    const auto started = std::chrono::steady_clock::now();
    const pid_t full = startMoves();
    ASSERT_GT(full, 0);
    const int status = waitFor(full);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto duration = std::chrono::steady_clock::now() - started;
    expectEachButtonOnce();

    std::mt19937 random(20261209);
    std::uniform_int_distribution<long long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(duration).count());
    for (int round = 0; round < 20; ++round) {
        const pid_t pid = startMoves();
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        kill(pid, SIGKILL);
        waitFor(pid);
        expectEachButtonOnce();
        if (HasFailure())
            break;
    }
}

} // namespace
} // namespace vnovla
