// The request socket's check of who is calling, with connections from this user and from
// another one.

#include "platform/linux/remote_socket.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vnovla::test {
namespace {

constexpr uid_t kNobody = 65534;

TEST(RemoteSocket, onlyConnectionsOfThisUserPass)
{
    TempDir dir;
    chmod(dir.path().c_str(), 0777);
    const std::filesystem::path path = dir / "socket";
    const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    const auto* generic = reinterpret_cast<const sockaddr*>(&address);
    ASSERT_EQ(bind(listener, generic, sizeof address), 0);
    ASSERT_EQ(listen(listener, 4), 0);
    // Mode bits are the first gate; the check of the peer must hold where they are lax.
    chmod(path.c_str(), 0777);

    const auto connectAs = [&](uid_t user) {
        const pid_t child = fork();
        if (child == 0) {
            if (user != geteuid() && setuid(user) != 0)
                _exit(3);
            const int client = socket(AF_UNIX, SOCK_STREAM, 0);
            _exit(connect(client, generic, sizeof address) == 0 ? 0 : 4);
        }
        const int accepted = accept(listener, nullptr, nullptr);
        const bool same = platform::linux_desktop::peerIsThisUser(accepted);
        close(accepted);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_EQ(WEXITSTATUS(status), 0);
        return same;
    };

    EXPECT_TRUE(connectAs(geteuid()));
    if (geteuid() != 0)
        GTEST_SKIP() << "a connection from another user needs root to change user";
    EXPECT_FALSE(connectAs(kNobody));
    close(listener);
}

TEST(RemoteSocket, aClosedDescriptorIsNoPeer)
{
    EXPECT_FALSE(platform::linux_desktop::peerIsThisUser(-1));
}

} // namespace
} // namespace vnovla::test
