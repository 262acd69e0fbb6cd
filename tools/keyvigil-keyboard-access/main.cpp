// keyvigil-keyboard-access grant|revoke: lets the keyboards be read by the user at this computer,
// or takes that back. Run as root through pkexec (our polkit action), so it trusts nothing it is
// given but the one command word: fixed paths, no shell, its own environment for what it runs.
//
// With systemd's seats: a udev rule tags keyboards "uaccess", so that their nodes go to the user
// of the seat's active session. Without: the user who ran pkexec joins the input group.
//
// --root DIR acts on the files under DIR and prints the system commands instead of running them;
// it is for tests, and refused to root.

#include "tools/keyvigil-keyboard-access/KeyboardAccessFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

namespace Files = KeyboardAccessFiles;

constexpr int kFailed = 1;
constexpr int kUsage = 2;

constexpr char kRuleText[] =
    "# Written by Keyvigil at the request of a user who gave the administrator's password:\n"
    "# keyboards can be read by the user of the seat's active session, so that Keyvigil counts\n"
    "# capitals in Wayland sessions. \"Take Keyboard Access Back\" in Keyvigil removes this file.\n"
    "SUBSYSTEM==\"input\", KERNEL==\"event*\", ENV{ID_INPUT_KEYBOARD}==\"1\", "
    "TAG+=\"uaccess\"\n";

struct Context {
    std::string root; // prefixed to every file; empty for the system itself
    bool dryRun = false;
};

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", Files::kProgramName, what.c_str());
    std::exit(kFailed);
}

std::string reason() {
    return std::strerror(errno);
}

bool isDirectory(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool exists(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

std::string findProgram(const char* name) {
    for (const char* folder : {"/usr/bin/", "/bin/", "/usr/sbin/", "/sbin/"}) {
        const std::string path = std::string(folder) + name;
        if (access(path.c_str(), X_OK) == 0)
            return path;
    }
    fail(std::string(name) + " is not installed");
}

std::string lastLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    const auto newline = text.rfind('\n');
    return newline == std::string::npos ? text : text.substr(newline + 1);
}

// Runs a system program without a shell, in an environment of our own; its last line on stderr
// says why it failed. A step that may fail quietly returns false instead of failing.
bool run(const Context& context, const char* name, std::vector<std::string> arguments,
         bool mustSucceed = true) {
    if (context.dryRun) {
        std::string line = std::string("run ") + name;
        for (const std::string& argument : arguments)
            line += ' ' + argument;
        std::printf("%s\n", line.c_str());
        return true;
    }
    const std::string program = findProgram(name);
    int errors[2];
    if (pipe2(errors, O_CLOEXEC) != 0)
        fail("cannot run " + program + ": " + reason());
    const pid_t child = fork();
    if (child < 0)
        fail("cannot run " + program + ": " + reason());
    if (child == 0) {
        const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
        if (null < 0 || dup2(null, 0) < 0 || dup2(null, 1) < 0 || dup2(errors[1], 2) < 0)
            _exit(126);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        char path[] = "PATH=/usr/sbin:/usr/bin:/sbin:/bin";
        char* environment[] = {path, nullptr};
        execve(program.c_str(), argv.data(), environment);
        _exit(127);
    }
    close(errors[1]);
    std::string said;
    char buffer[512];
    for (ssize_t got; (got = read(errors[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            break;
        said.append(buffer, std::size_t(got));
        if (said.size() > 8192)
            said.erase(0, said.size() - 4096);
    }
    close(errors[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            fail("cannot wait for " + program + ": " + reason());
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return true;
    if (!mustSucceed)
        return false;
    const std::string line = lastLine(said);
    fail(std::string(name) + ' ' + arguments.front() + " failed" +
         (line.empty() ? std::string() : ": " + line));
}

void makeFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0755) != 0 && errno != EEXIST)
        fail("cannot make " + path + ": " + reason());
}

// Written beside its place and renamed over it, so that udev never reads half a rule.
void writeRule(const Context& context) {
    makeFolder(context.root + "/etc/udev");
    makeFolder(context.root + "/etc/udev/rules.d");
    const std::string rule = context.root + Files::kRule;
    const std::string written = rule + ".new";
    if (unlink(written.c_str()) != 0 && errno != ENOENT)
        fail("cannot remove " + written + ": " + reason());
    const int fd =
        open(written.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        fail("cannot write " + written + ": " + reason());
    const std::size_t length = sizeof kRuleText - 1;
    const bool complete = write(fd, kRuleText, length) == ssize_t(length) && fsync(fd) == 0;
    int saved = errno;
    close(fd);
    if (complete && rename(written.c_str(), rule.c_str()) == 0)
        return;
    if (complete)
        saved = errno;
    unlink(written.c_str());
    errno = saved;
    fail("cannot write " + rule + ": " + reason());
}

// The uaccess builtin adds the seat user's entry to a tagged node but nothing removes it once
// the tag is gone: every input node loses its access list, and the trigger that follows gives
// those still tagged (joysticks, say) theirs back.
void clearAccessLists(const Context& context) {
    if (context.dryRun) {
        std::printf("clear the access lists of /dev/input/event*\n");
        return;
    }
    DIR* folder = opendir("/dev/input");
    if (!folder)
        return;
    while (const dirent* entry = readdir(folder)) {
        if (std::strncmp(entry->d_name, "event", 5) != 0)
            continue;
        const std::string node = std::string("/dev/input/") + entry->d_name;
        struct stat st {};
        if (lstat(node.c_str(), &st) == 0 && S_ISCHR(st.st_mode) &&
            removexattr(node.c_str(), "system.posix_acl_access") != 0 && errno != ENODATA &&
            errno != ENOTSUP)
            fail("cannot take the access list off " + node + ": " + reason());
    }
    closedir(folder);
}

void applyRules(const Context& context) {
    run(context, "udevadm", {"control", "--reload"});
    run(context, "udevadm", {"trigger", "--action=change", "--subsystem-match=input"});
    // So that the keyboards' new access is in place when this program ends; if udev is slow,
    // it comes a little later.
    run(context, "udevadm", {"settle", "--timeout=10"}, false);
}

// The user who ran pkexec, which sets PKEXEC_UID itself after clearing the environment.
std::string invokingUser() {
    const char* uid = std::getenv("PKEXEC_UID");
    if (!uid || !*uid || std::strspn(uid, "0123456789") != std::strlen(uid) || std::strlen(uid) > 9)
        fail("the user to give access to is unknown: run this through pkexec");
    const passwd* user = getpwuid(uid_t(std::strtoul(uid, nullptr, 10)));
    if (!user)
        fail(std::string("there is no user ") + uid);
    return user->pw_name;
}

// Whether the input group exists, and whether `user` is listed in it.
bool inInputGroup(const Context& context, const std::string& user, bool* groupExists) {
    const std::string path = context.root + Files::kGroupFile;
    FILE* file = std::fopen(path.c_str(), "re");
    if (!file)
        fail("cannot read " + path + ": " + reason());
    const std::string prefix = std::string(Files::kInputGroup) + ':';
    bool member = false;
    *groupExists = false;
    char* line = nullptr;
    std::size_t size = 0;
    while (getline(&line, &size, file) > 0) {
        std::string entry(line);
        if (entry.compare(0, prefix.size(), prefix) != 0)
            continue;
        *groupExists = true;
        while (!entry.empty() && entry.back() == '\n')
            entry.pop_back();
        // input:x:GID:user,user
        const auto members = entry.find(':', entry.find(':', prefix.size()) + 1);
        std::string list = members == std::string::npos ? "" : entry.substr(members + 1);
        for (std::size_t start = 0; start <= list.size();) {
            const auto comma = std::min(list.find(',', start), list.size());
            member = member || list.compare(start, comma - start, user) == 0;
            start = comma + 1;
        }
    }
    std::free(line);
    std::fclose(file);
    return member;
}

bool seatsKept(const Context& context) {
    return isDirectory(context.root + Files::kSystemdRunning) &&
           isDirectory(context.root + Files::kSeats);
}

void grant(const Context& context) {
    if (seatsKept(context)) {
        writeRule(context);
        applyRules(context);
        return;
    }
    const std::string user = invokingUser();
    bool groupExists = false;
    if (inInputGroup(context, user, &groupExists))
        return;
    if (!groupExists)
        fail("this system has no input group");
    run(context, "gpasswd", {"-a", user, Files::kInputGroup});
}

void revoke(const Context& context) {
    const std::string rule = context.root + Files::kRule;
    const bool seats = seatsKept(context);
    const bool hadRule = exists(rule);
    if (hadRule && unlink(rule.c_str()) != 0)
        fail("cannot remove " + rule + ": " + reason());
    if (seats || hadRule) {
        run(context, "udevadm", {"control", "--reload"});
        clearAccessLists(context);
        run(context, "udevadm", {"trigger", "--action=change", "--subsystem-match=input"});
        run(context, "udevadm", {"settle", "--timeout=10"}, false);
    }
    if (seats)
        return;
    const std::string user = invokingUser();
    bool groupExists = false;
    if (inInputGroup(context, user, &groupExists))
        run(context, "gpasswd", {"-d", user, Files::kInputGroup});
}

} // namespace

int main(int argc, char** argv) {
    umask(022);
    const char* usage = "usage: keyvigil-keyboard-access [--root DIR] grant|revoke\n";
    Context context;
    int next = 1;
    if (argc == 4 && std::strcmp(argv[1], "--root") == 0) {
        context.root = argv[2];
        context.dryRun = true;
        next = 3;
    }
    if (argc != next + 1) {
        std::fputs(usage, stderr);
        return kUsage;
    }
    const std::string command = argv[next];
    if (command != "grant" && command != "revoke") {
        std::fputs(usage, stderr);
        return kUsage;
    }
    if (context.dryRun) {
        // Root would change the system's files through a folder someone else prepared.
        if (geteuid() == 0) {
            std::fprintf(stderr, "%s: --root is for tests and refused to root\n",
                         Files::kProgramName);
            return kUsage;
        }
        if (context.root.empty() || context.root.front() != '/' || !isDirectory(context.root))
            fail("--root needs an existing folder's full path");
        while (context.root.size() > 1 && context.root.back() == '/')
            context.root.pop_back();
        if (context.root == "/")
            context.root.clear();
    } else if (geteuid() != 0) {
        fail("this changes the system and must run as root, through pkexec");
    }
    if (command == "grant")
        grant(context);
    else
        revoke(context);
    return 0;
}
