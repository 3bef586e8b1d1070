#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process can grow past a few bytes: a disk that fills up halfway
// through a write.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytesLeft) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit tiny = saved_;
        tiny.rlim_cur = bytesLeft;
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};
