#pragma once
// A file-size limit on this process for as long as the object lives, so that
// a test can make a write fail part-way the way a full disk does. It holds for
// root as well, where a read-only folder would not stop a write. SIGXFSZ is
// ignored meanwhile, so a write past the limit fails with EFBIG instead of
// ending the process.

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace pelmora::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(long long bytes)
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, &previousAction_);
        if (getrlimit(RLIMIT_FSIZE, &previous_) != 0)
            return;
        rlimit lower = previous_;
        lower.rlim_cur = std::min(static_cast<rlim_t>(bytes), previous_.rlim_max);
        ok_ = lower.rlim_cur == static_cast<rlim_t>(bytes) && setrlimit(RLIMIT_FSIZE, &lower) == 0;
    }
    ~FileSizeLimit()
    {
        if (ok_)
            setrlimit(RLIMIT_FSIZE, &previous_);
        sigaction(SIGXFSZ, &previousAction_, nullptr);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // Whether the limit is in force (the hard limit may be lower still).
    bool ok() const { return ok_; }

private:
    rlimit previous_{};
    struct sigaction previousAction_ {};
    bool ok_ = false;
};

} // namespace pelmora::test
