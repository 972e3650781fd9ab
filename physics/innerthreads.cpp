#include "innerthreads.h"

namespace innerthreads {

namespace {
thread_local bool t_serial = false;
}

bool allowed()
{
    return !t_serial;
}

SerialScope::SerialScope() : m_previous(t_serial)
{
    t_serial = true;
}

SerialScope::~SerialScope()
{
    t_serial = m_previous;
}

} // namespace innerthreads
