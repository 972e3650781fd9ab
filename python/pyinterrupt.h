#ifndef VELMORA_PYINTERRUPT_H
#define VELMORA_PYINTERRUPT_H

// Ctrl-C during a long call: the work runs on a thread of its own with a
// cancel flag installed (physics/cancellation.h) while the interpreter's
// thread, without the GIL, wakes every 50 ms to look for a signal. On one it
// sets the flag; the models' loops then end within one order, offset or
// iteration, and the signal's exception (KeyboardInterrupt) is raised.

#include "cancellation.h"

#include <pybind11/pybind11.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>

namespace velmora::python {

// Calls work() (no Python objects inside) and returns its result; raises the
// pending Python signal exception when interrupted, and rethrows what work()
// threw otherwise. Call with the GIL held.
template <class Work> auto interruptibly(Work work) -> decltype(work())
{
    using Value = decltype(work());
    std::atomic<bool> cancel{false};
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool interrupted = false;
    std::exception_ptr error;
    Value value{};
    {
        pybind11::gil_scoped_release released;
        std::thread runner([&] {
            const cancellation::Scope scope(&cancel);
            try {
                value = work();
            } catch (...) {
                error = std::current_exception();
            }
            std::lock_guard<std::mutex> lock(mutex);
            done = true;
            finished.notify_all();
        });
        for (;;) {
            std::unique_lock<std::mutex> lock(mutex);
            if (finished.wait_for(lock, std::chrono::milliseconds(50), [&] { return done; }))
                break;
            lock.unlock();
            pybind11::gil_scoped_acquire acquired;
            if (!interrupted && PyErr_CheckSignals() != 0) {
                interrupted = true;
                cancel = true;
            }
        }
        runner.join();
    }
    if (interrupted)
        throw pybind11::error_already_set();
    if (error)
        std::rethrow_exception(error);
    return value;
}

} // namespace velmora::python

#endif // VELMORA_PYINTERRUPT_H
