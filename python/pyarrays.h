#ifndef VELMORA_PYARRAYS_H
#define VELMORA_PYARRAYS_H

// numpy arrays that take over C++ storage. The vector is moved into a heap
// object owned by a capsule that numpy keeps as the array's base, so a
// 501×501 field map reaches Python without a copy per element, and the memory
// is freed when the last view of the array goes away.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace velmora::python {

template <typename T>
pybind11::array_t<T> arrayFromVector(std::vector<T> &&data, std::vector<pybind11::ssize_t> shape)
{
    std::size_t cells = 1;
    for (pybind11::ssize_t extent : shape)
        cells *= static_cast<std::size_t>(extent);
    if (cells != data.size())
        throw std::logic_error("array shape does not match the number of values");
    auto owner = std::make_unique<std::vector<T>>(std::move(data));
    T *values = owner->data();
    pybind11::capsule base(owner.get(), [](void *p) { delete static_cast<std::vector<T> *>(p); });
    owner.release(); // the capsule owns it now
    return pybind11::array_t<T>(std::move(shape), values, base);
}

template <typename T> pybind11::array_t<T> arrayFromVector(std::vector<T> &&data)
{
    const auto n = static_cast<pybind11::ssize_t>(data.size());
    return arrayFromVector(std::move(data), {n});
}

} // namespace velmora::python

#endif // VELMORA_PYARRAYS_H
