#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// A private X server for one test process: Xvfb with one 1280 x 1024 screen, or the server
// `command` names (with its arguments). The server picks a free display number itself.
class XvfbServer {
public:
    XvfbServer();
    explicit XvfbServer(const std::vector<std::string>& command);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool isRunning() const { return pid_ > 0 && !displayName_.empty(); }
    // ":N"
    const std::string& displayName() const { return displayName_; }

private:
    pid_t pid_ = -1;
    std::string displayName_;
};
