#include "platform/linux/unix_signals.h"

#include "support/temp_dir.h"

#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vnovla {
namespace {

using platform::linux_desktop::UnixSignals;

bool hasDefaultHandling(int signalNumber)
{
    struct sigaction current = {};
    sigaction(signalNumber, nullptr, &current);
    return current.sa_handler == SIG_DFL;
}

TEST(UnixSignalsTest, signalsArriveInTheEventLoopInOrderAndDefaultsReturnAfterwards)
{
    {
        UnixSignals signals({SIGTERM, SIGINT});
        std::vector<int> received;
        QObject::connect(&signals, &UnixSignals::received,
                         [&received](int signalNumber) { received.push_back(signalNumber); });

        // Had the handlers not been replaced, either raise would end the test program.
        std::raise(SIGTERM);
        std::raise(SIGINT);
        EXPECT_TRUE(received.empty()) << "delivery waits for the event loop";
        QTRY_COMPARE(received.size(), std::size_t{2});
        EXPECT_EQ(received, (std::vector<int>{SIGTERM, SIGINT}));
    }
    EXPECT_TRUE(hasDefaultHandling(SIGTERM));
    EXPECT_TRUE(hasDefaultHandling(SIGINT));
}

// The real launcher, killed the way a session manager or a user with kill does it, still
// unloads its window and saves the window state.
TEST(UnixSignalsTest, launcherKilledWithSigtermSavesTheWindowState)
{
    const test::TempDir home;
    const test::TempDir runtime;
    QProcess launcher;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VNOVLA_HOME"), QString::fromStdString(home.path()));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime.path()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    launcher.setProcessEnvironment(environment);
    launcher.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    launcher.start(QStringLiteral(VNOVLA_EXECUTABLE), {});
    ASSERT_TRUE(launcher.waitForStarted());

    // The single-copy lock appears in the runtime folder after the launcher catches its
    // termination signals.
    const auto lockFileMade = [&runtime] { return !std::filesystem::is_empty(runtime.path()); };
    // QTRY_* would end the test silently on a timeout: gtest never learns of a QTest failure.
    for (int waited = 0; !lockFileMade() && waited < 20000; waited += 50)
        QTest::qWait(50);
    ASSERT_TRUE(lockFileMade()) << "the launcher made no single-copy lock";
    ::kill(static_cast<pid_t>(launcher.processId()), SIGTERM);
    ASSERT_TRUE(launcher.waitForFinished(20000));

    EXPECT_EQ(launcher.exitStatus(), QProcess::NormalExit) << "the signal was not caught";
    const std::string settings = test::readBytes(home / "Vnovla.ini");
    EXPECT_NE(settings.find("[Window]"), std::string::npos) << settings;
    EXPECT_NE(settings.find("Page=15"), std::string::npos) << settings;
    EXPECT_FALSE(lockFileMade()) << "the lock is released on the way out";
}

} // namespace
} // namespace vnovla
