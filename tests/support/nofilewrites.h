#pragma once

#include <sys/resource.h>

#include <csignal>

// While it lives, no file of this process can grow: every write of the
// settings fails, whoever runs the test (root included, for whom file
// permissions do not count).
class NoFileWrites {
public:
    NoFileWrites()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit none = m_saved;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoFileWrites() { setrlimit(RLIMIT_FSIZE, &m_saved); }

    NoFileWrites(const NoFileWrites &) = delete;
    NoFileWrites &operator=(const NoFileWrites &) = delete;

private:
    rlimit m_saved{};
};
