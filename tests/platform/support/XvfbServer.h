#pragma once

#include <string>

#include <sys/types.h>

// A private X server for one test process. Xvfb picks a free display number itself.
class XvfbServer {
public:
    XvfbServer();
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
