#ifndef VELMORA_CANCELLATION_H
#define VELMORA_CANCELLATION_H

// Stopping a long calculation from outside (Ctrl-C in the command line or in
// Python) without a flag in every signature: a front end installs its flag
// for the calculating thread with a Scope, and the long loops of the models
// (the mode solver per azimuthal order, the mode-instability model per
// offset, the amplifier per iteration) call throwIfRequested(). Without a
// Scope nothing is ever requested, so the window and the tests see no
// change. The check is one relaxed atomic load.

#include <atomic>
#include <exception>

namespace cancellation {

// Thrown by throwIfRequested(); the front end that set the flag catches it.
struct Cancelled : std::exception {
    const char *what() const noexcept override { return "calculation cancelled"; }
};

// While alive, `flag` is the calculating thread's cancel flag (nested
// scopes restore the outer one).
class Scope
{
public:
    explicit Scope(const std::atomic<bool> *flag);
    ~Scope();
    Scope(const Scope &) = delete;
    Scope &operator=(const Scope &) = delete;

private:
    const std::atomic<bool> *m_outer;
};

// This thread's flag (nullptr when none): a model that starts helper
// threads hands it to a Scope in each of them.
const std::atomic<bool> *current();

// True when this thread's flag is set.
bool requested();
// Throws Cancelled when requested().
void throwIfRequested();

} // namespace cancellation

#endif // VELMORA_CANCELLATION_H
