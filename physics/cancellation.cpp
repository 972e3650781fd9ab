#include "cancellation.h"

namespace cancellation {

namespace {
thread_local const std::atomic<bool> *t_flag = nullptr;
} // namespace

Scope::Scope(const std::atomic<bool> *flag) : m_outer(t_flag)
{
    t_flag = flag;
}

Scope::~Scope()
{
    t_flag = m_outer;
}

const std::atomic<bool> *current()
{
    return t_flag;
}

bool requested()
{
    return t_flag && t_flag->load(std::memory_order_relaxed);
}

void throwIfRequested()
{
    if (requested())
        throw Cancelled();
}

} // namespace cancellation
