#ifndef INNERTHREADS_H
#define INNERTHREADS_H

// Whether one calculation may split itself over a helper thread (the field-map
// rows of parallelRows, the coupling sums of the mode-instability model).
//
// A caller that already runs many calculations side by side (a parameter
// sweep with one worker per core) turns the split off on its worker threads:
// N workers then use N cores, instead of 2N threads contending for them and
// the sweep's own thread count meaning nothing. The split never changes a
// value (each part is computed exactly as on one thread), so turning it off
// changes only the time.

namespace innerthreads {

// True unless a SerialScope is active on the calling thread.
bool allowed();

// Turns the split off on the calling thread for its lifetime.
class SerialScope
{
public:
    SerialScope();
    ~SerialScope();
    SerialScope(const SerialScope &) = delete;
    SerialScope &operator=(const SerialScope &) = delete;

private:
    bool m_previous;
};

} // namespace innerthreads

#endif // INNERTHREADS_H
