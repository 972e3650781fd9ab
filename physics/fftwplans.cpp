#include "fftwplans.h"

#include <fftw3.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <utility>

namespace fftw {

namespace {

std::mutex &plannerMutex()
{
    static std::mutex mutex;
    return mutex;
}

fftw_complex *asFftw(Complex *p)
{
    return reinterpret_cast<fftw_complex *>(p);
}

fftw_complex *asFftw(const Complex *p)
{
    // The out-of-place complex plans leave their input unchanged.
    return reinterpret_cast<fftw_complex *>(const_cast<Complex *>(p));
}

} // namespace

template <typename T> Buffer<T>::Buffer(std::size_t n) : m_size(n)
{
    if (n == 0)
        return;
    m_data = static_cast<T *>(fftw_malloc(n * sizeof(T)));
    if (!m_data)
        throw std::bad_alloc();
    std::fill(m_data, m_data + n, T());
}

template <typename T> Buffer<T>::~Buffer()
{
    fftw_free(m_data);
}

template <typename T> Buffer<T>::Buffer(const Buffer &other) : Buffer(other.m_size)
{
    std::copy(other.m_data, other.m_data + m_size, m_data);
}

template <typename T> Buffer<T> &Buffer<T>::operator=(const Buffer &other)
{
    if (this != &other) {
        Buffer copy(other);
        *this = std::move(copy);
    }
    return *this;
}

template <typename T> Buffer<T>::Buffer(Buffer &&other) noexcept
    : m_data(other.m_data), m_size(other.m_size)
{
    other.m_data = nullptr;
    other.m_size = 0;
}

template <typename T> Buffer<T> &Buffer<T>::operator=(Buffer &&other) noexcept
{
    std::swap(m_data, other.m_data);
    std::swap(m_size, other.m_size);
    return *this;
}

template class Buffer<Complex>;
template class Buffer<double>;

struct Plans::Handles {
    fftw_plan forward = nullptr;
    fftw_plan backward = nullptr;
    fftw_plan realForward = nullptr;
    fftw_plan realBackward = nullptr;
};

const Plans &Plans::forLength(std::size_t n)
{
    std::lock_guard<std::mutex> lock(plannerMutex());
    static std::map<std::size_t, std::unique_ptr<Plans>> cache;
    auto found = cache.find(n);
    if (found != cache.end())
        return *found->second;
    const int len = static_cast<int>(n);
    ComplexBuffer a(n), b(n);
    RealBuffer r(n);
    auto *handles = new Handles; // owned by the Plans made below
    const unsigned flags = FFTW_MEASURE;
    fftw_set_timelimit(0.05); // seconds per plan: bounded even for awkward lengths
    handles->forward =
        fftw_plan_dft_1d(len, asFftw(a.data()), asFftw(b.data()), FFTW_FORWARD, flags);
    handles->backward =
        fftw_plan_dft_1d(len, asFftw(a.data()), asFftw(b.data()), FFTW_BACKWARD, flags);
    handles->realForward = fftw_plan_dft_r2c_1d(len, r.data(), asFftw(a.data()), flags);
    handles->realBackward = fftw_plan_dft_c2r_1d(len, asFftw(a.data()), r.data(), flags);
    auto plans = std::make_unique<Plans>(n, handles);
    const Plans &ref = *plans;
    cache.emplace(n, std::move(plans));
    return ref;
}

Plans::~Plans()
{
    std::lock_guard<std::mutex> lock(plannerMutex());
    for (fftw_plan p :
         {m_handles->forward, m_handles->backward, m_handles->realForward, m_handles->realBackward})
        if (p)
            fftw_destroy_plan(p);
    delete m_handles;
}

void Plans::forward(const ComplexBuffer &in, ComplexBuffer &out) const
{
    fftw_execute_dft(m_handles->forward, asFftw(in.data()), asFftw(out.data()));
}

void Plans::backward(const ComplexBuffer &in, ComplexBuffer &out) const
{
    fftw_execute_dft(m_handles->backward, asFftw(in.data()), asFftw(out.data()));
}

void Plans::realForward(const RealBuffer &in, ComplexBuffer &out) const
{
    fftw_execute_dft_r2c(m_handles->realForward, const_cast<double *>(in.data()),
                         asFftw(out.data()));
}

void Plans::realBackward(ComplexBuffer &in, RealBuffer &out) const
{
    fftw_execute_dft_c2r(m_handles->realBackward, asFftw(in.data()), out.data());
}

} // namespace fftw
