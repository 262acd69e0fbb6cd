#include "platform/desktop/NetworkSandbox.h"
#include "platform/desktop/SettingsWindowLauncher.h"
#include "tests/shared/TempHome.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <thread>

#include <arpa/inet.h>
#include <linux/filter.h>
#include <linux/io_uring.h>
#include <linux/netlink.h>
#include <linux/seccomp.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The sandbox cannot be taken back: each test installs it in a child process, whose
// expectations count through its exit status.
bool inChild(const std::function<void()>& body) {
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        body();
        std::fflush(stdout);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A TCP listener on 127.0.0.1, which anything not sandboxed can reach.
struct Listener {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    int port = 0;
    Listener() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0 && listen(fd, 4) == 0 &&
            getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port = ntohs(address.sin_port);
    }
    ~Listener() { close(fd); }
    bool connectedTo() const {
        const int client = accept(fd, nullptr, nullptr);
        if (client >= 0)
            close(client);
        return client >= 0;
    }
};

// Whether a socket of the family can be made; closes it.
bool canMake(long family, int type, int protocol = 0) {
    const long fd = syscall(SYS_socket, family, type, protocol);
    if (fd >= 0)
        close(int(fd));
    return fd >= 0;
}

// The settings window's stand-in: connects to the port its pane folder names and says so there.
const QByteArray kHost = "#!/bin/bash\n"
                         "exec 3<>/dev/tcp/127.0.0.1/$(cat \"$1/port\") && echo connected > "
                         "\"$1/result\"\n";

// A pane folder naming the listener's port, and the settings window's stand-in beside it.
struct PaneFolder : QTemporaryDir {
    const QString pane = filePath(QStringLiteral("Keyvigil.prefPane"));
    const QString host = filePath(QStringLiteral("host"));
    explicit PaneFolder(int port) {
        writeFile(pane + QStringLiteral("/port"), QByteArray::number(port));
        writeFile(host, kHost, true);
    }
};

QByteArray waitForFile(const QString& path) {
    for (int tries = 0; tries < 200 && !QFile::exists(path); ++tries)
        QThread::msleep(50);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

} // namespace

// Only Unix and netlink sockets afterwards, in every thread and every program started later;
// a family spelt with stray high bits and io_uring do not get round it.
TEST(NetworkSandbox, LeavesOnlyUnixAndNetlinkSockets) {
    Listener listener;
    ASSERT_NE(listener.port, 0);
    EXPECT_TRUE(inChild([&listener] {
        int go[2];
        ASSERT_EQ(pipe(go), 0);
        bool threadCould = true;
        std::thread earlier([&] {
            char byte;
            (void)!read(go[0], &byte, 1);
            threadCould = canMake(AF_INET, SOCK_DGRAM);
        });
        const NetworkSandbox::Outcome outcome = NetworkSandbox::restrictToLocalSockets();
        EXPECT_TRUE(outcome.active) << outcome.message.toStdString();
        (void)!write(go[1], "x", 1);
        earlier.join();
        EXPECT_FALSE(threadCould);

        EXPECT_FALSE(canMake(AF_INET, SOCK_STREAM));
        EXPECT_EQ(errno, EAFNOSUPPORT);
        EXPECT_FALSE(canMake(AF_INET6, SOCK_DGRAM));
        EXPECT_FALSE(canMake(AF_PACKET, SOCK_RAW));
        EXPECT_FALSE(canMake(0x100000000L | AF_INET, SOCK_STREAM));
        EXPECT_TRUE(canMake(AF_UNIX, SOCK_STREAM));
        EXPECT_TRUE(canMake(AF_NETLINK, SOCK_RAW, NETLINK_KOBJECT_UEVENT));
        io_uring_params parameters{};
        EXPECT_EQ(syscall(SYS_io_uring_setup, 1, &parameters), -1);
        EXPECT_EQ(errno, ENOSYS);

        const std::string reach = "exec 3<>/dev/tcp/127.0.0.1/" + std::to_string(listener.port);
        EXPECT_NE(std::system(("/bin/bash -c '" + reach + "' 2>/dev/null").c_str()), 0);
    }));
    EXPECT_FALSE(listener.connectedTo());
}

// A service manager's own filter may refuse seccomp() itself, leaving prctl() to load the
// filter for the calling thread alone: enough for a process that has no other thread yet, and
// said to be no protection where one runs.
TEST(NetworkSandbox, UnderAFilterThatRefusesSeccompItself) {
    // A plain program rather than the library's, which would learn of seccomp() before it goes.
    const auto refuseSeccomp = [] {
        sock_filter program[] = {BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
                                 BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_seccomp, 0, 1),
                                 BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EPERM),
                                 BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW)};
        const sock_fprog filter{std::size(program), program};
        ASSERT_EQ(prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0), 0);
        ASSERT_EQ(prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter), 0);
    };
    EXPECT_TRUE(inChild([&] {
        refuseSeccomp();
        EXPECT_TRUE(NetworkSandbox::restrictToLocalSockets().active);
        EXPECT_FALSE(canMake(AF_INET, SOCK_STREAM));
    }));
    EXPECT_TRUE(inChild([&] {
        refuseSeccomp();
        std::thread other([] { std::this_thread::sleep_for(std::chrono::milliseconds(300)); });
        const NetworkSandbox::Outcome outcome = NetworkSandbox::restrictToLocalSockets();
        other.join();
        EXPECT_FALSE(outcome.active);
        EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("the network stays reachable")));
    }));
}

// The window the launcher opens keeps the network the helper gave up after starting it; the
// launcher opens its own pane however spelt, and nothing else.
TEST(SettingsWindowLauncher, WindowKeepsTheNetworkTheHelperGaveUp) {
    Listener listener;
    ASSERT_NE(listener.port, 0);
    const PaneFolder folder(listener.port);
    const QString &pane = folder.pane, &host = folder.host;

    EXPECT_TRUE(inChild([&] {
        SettingsWindowLauncher launcher(QStringLiteral(KEYVIGIL_LAUNCHER), host, pane);
        ASSERT_EQ(launcher.problem(), QString());
        ASSERT_TRUE(NetworkSandbox::restrictToLocalSockets().active);
        EXPECT_FALSE(canMake(AF_INET, SOCK_STREAM));
        EXPECT_TRUE(launcher.open(folder.path()));
        EXPECT_TRUE(launcher.open(folder.path() + QStringLiteral("/./Keyvigil.prefPane/")));
        EXPECT_EQ(waitForFile(pane + QStringLiteral("/result")), "connected");
    }));
    EXPECT_TRUE(listener.connectedTo());
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("result"))));
}

// Inside a service of the user's service manager the window is the manager's to start; when
// the manager cannot, the launcher starts it itself.
TEST(SettingsWindowLauncher, InsideAServiceAsksTheServiceManager) {
    Listener listener;
    const PaneFolder folder(listener.port);
    const QString &pane = folder.pane, &host = folder.host;
    writeFile(folder.filePath(QStringLiteral("systemd-run")),
              "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/asked\"\nexit 1\n", true);

    EXPECT_TRUE(inChild([&] {
        qputenv("INVOCATION_ID", "0123");
        qputenv("PATH", folder.path().toLocal8Bit() + ":/usr/bin:/bin");
        SettingsWindowLauncher launcher(QStringLiteral(KEYVIGIL_LAUNCHER), host, pane);
        EXPECT_TRUE(launcher.open(pane));
        EXPECT_EQ(waitForFile(pane + QStringLiteral("/result")), "connected");
    }));
    const QByteArray asked = waitForFile(folder.filePath(QStringLiteral("asked")));
    EXPECT_TRUE(asked.startsWith("--user\n")) << asked.toStdString();
    EXPECT_TRUE(asked.endsWith("--\n" + host.toLocal8Bit() + '\n' + pane.toLocal8Bit()))
        << asked.toStdString();
}
