#include "FileConditions.h"

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace pw::test {

struct WithoutOverride::Saved {
    __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct data[2] {};
    bool dropped = false;
};

WithoutOverride::WithoutOverride()
    : m_saved(std::make_unique<Saved>())
{
    if (::geteuid() != 0) {
        m_ok = true; // permissions apply anyway
        return;
    }
    if (::syscall(SYS_capget, &m_saved->header, m_saved->data) != 0)
        return;
    __user_cap_data_struct reduced[2] = { m_saved->data[0], m_saved->data[1] };
    reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
    m_ok = ::syscall(SYS_capset, &m_saved->header, reduced) == 0;
    m_saved->dropped = m_ok;
}

WithoutOverride::~WithoutOverride()
{
    if (m_saved->dropped)
        ::syscall(SYS_capset, &m_saved->header, m_saved->data);
}

struct FileSizeLimit::Saved {
    struct rlimit limit { };
    void (*previousHandler)(int) = nullptr;
};

FileSizeLimit::FileSizeLimit(qint64 bytes)
    : m_saved(std::make_unique<Saved>())
{
    m_saved->previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &m_saved->limit);
    struct rlimit limit = m_saved->limit;
    limit.rlim_cur = rlim_t(bytes);
    m_ok = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_saved->limit);
    std::signal(SIGXFSZ, m_saved->previousHandler);
}

} // namespace pw::test
