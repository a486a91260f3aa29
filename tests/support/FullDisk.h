// A full disk for the length of a scope: RLIMIT_FSIZE makes every write past a few bytes fail with
// EFBIG, as writing to a full disk fails, and SIGXFSZ is ignored so the write reports it.
#pragma once
#include <csignal>
#include <sys/resource.h>

class CFullDisk {
public:
    explicit CFullDisk(rlim_t nBytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_old;
        small.rlim_cur = nBytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~CFullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    CFullDisk(const CFullDisk&) = delete;
    CFullDisk& operator=(const CFullDisk&) = delete;

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};
