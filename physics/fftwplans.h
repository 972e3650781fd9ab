#ifndef FFTWPLANS_H
#define FFTWPLANS_H

// FFTW3 transforms of one length, planned once per length and process and
// shared by every caller on every thread.
//
// FFTW's planner is not thread-safe (fftw3 manual, "Thread safety"): only
// fftw_execute* may run concurrently. So every plan is made under one mutex
// and kept for the life of the process; afterwards the plans are only
// executed, through the new-array interface, on buffers allocated by
// FftBuffer (fftw_malloc, so their alignment is the one the plans were made
// for). Planning uses FFTW_MEASURE on scratch arrays, limited to 50 ms a
// plan, once per length; then the fastest algorithm it found.
//
// Sign conventions are FFTW's, unnormalised:
//   forward  X_k = Σ_j x_j e^{−2πi jk/N},  backward x_j = Σ_k X_k e^{+2πi jk/N}.

#include <complex>
#include <cstddef>

namespace fftw {

using Complex = std::complex<double>;

// A 64-byte aligned array of T (double or Complex) from fftw_malloc.
template <typename T> class Buffer
{
public:
    Buffer() = default;
    explicit Buffer(std::size_t n);
    ~Buffer();
    Buffer(const Buffer &other);
    Buffer &operator=(const Buffer &other);
    Buffer(Buffer &&other) noexcept;
    Buffer &operator=(Buffer &&other) noexcept;

    T *data() { return m_data; }
    const T *data() const { return m_data; }
    std::size_t size() const { return m_size; }
    T &operator[](std::size_t i) { return m_data[i]; }
    const T &operator[](std::size_t i) const { return m_data[i]; }

private:
    T *m_data = nullptr;
    std::size_t m_size = 0;
};

using ComplexBuffer = Buffer<Complex>;
using RealBuffer = Buffer<double>;

// The four transforms of length n (n ≥ 2). Executing them is thread-safe.
class Plans
{
public:
    // The plans for length n, made on first request (under the planner
    // mutex) and cached for the process.
    static const Plans &forLength(std::size_t n);

    std::size_t length() const { return m_n; }
    // Complex to complex, out of place (in and out distinct, both size n).
    void forward(const ComplexBuffer &in, ComplexBuffer &out) const;
    void backward(const ComplexBuffer &in, ComplexBuffer &out) const;
    // Real to half-complex (n/2 + 1 outputs, forward sign) and back; the
    // inverse overwrites its input.
    void realForward(const RealBuffer &in, ComplexBuffer &out) const;
    void realBackward(ComplexBuffer &in, RealBuffer &out) const;

    struct Handles;
    Plans(std::size_t n, Handles *handles) : m_n(n), m_handles(handles) {}
    ~Plans(); // at process exit, with the cache
    Plans(const Plans &) = delete;
    Plans &operator=(const Plans &) = delete;

private:
    std::size_t m_n;
    Handles *m_handles; // owned
};

} // namespace fftw

#endif // FFTWPLANS_H
