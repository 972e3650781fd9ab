#ifndef COMPLEXNUMBER_H
#define COMPLEXNUMBER_H

// A small complex value type for the mode-instability model.
//
// std::complex<double> carries the data, but every operation the model uses
// is written out here: the model's published digits depend on how the
// quotient and the square root are formed, and std::complex leaves both to
// the library (scaling, Smith's algorithm, hypot). The product keeps the
// textbook order (ac - db) + (ad + cb)i.

#include <cmath>
#include <complex>
#include <stdexcept>

// Thrown by Complex division when the divisor is (numerically) zero; what()
// is the UTF-8 text "除数为0" that the page shows.
class ComplexDivisionError : public std::domain_error
{
public:
    ComplexDivisionError();
};

// The message of ComplexDivisionError ("除数为0", UTF-8).
extern const char *const kComplexDivisionMessage;

class Complex
{
public:
    constexpr Complex() = default; // the zero value
    constexpr Complex(double re, double im) : v_(re, im) {}

    double re() const { return v_.real(); }
    double im() const { return v_.imag(); }
    std::complex<double> toStd() const { return v_; }

    Complex conj() const { return {re(), -im()}; }
    // re^2 + im^2, without the overflow protection of std::norm/hypot.
    double squaredMagnitude() const { return re() * re() + im() * im(); }

    friend Complex operator+(const Complex &x, const Complex &y)
    {
        return {x.re() + y.re(), x.im() + y.im()};
    }
    friend Complex operator-(const Complex &x, const Complex &y)
    {
        return {x.re() - y.re(), x.im() - y.im()};
    }
    friend Complex operator*(const Complex &x, double s) { return {x.re() * s, x.im() * s}; }
    friend Complex operator*(double s, const Complex &x) { return {s * x.re(), s * x.im()}; }
    // (a + bi)(c + di) = (ac - db) + (ad + cb)i
    friend Complex operator*(const Complex &x, const Complex &y)
    {
        return {x.re() * y.re() - y.im() * x.im(), x.re() * y.im() + y.re() * x.im()};
    }
    // x / y = (x * conj(y)) * (1 / |y|^2). Throws ComplexDivisionError when
    // |y|^2 < 1e-16, and also when |y|^2 is NaN: a divisor that is not a
    // number is no more usable than a zero one (with a thermal conductivity of
    // 0 the model's q*kappa becomes inf*0), and dividing by it would only
    // spread NaN through every result.
    friend Complex operator/(const Complex &x, const Complex &y)
    {
        const double m2 = y.squaredMagnitude();
        if (!(m2 >= 1e-16))
            throw ComplexDivisionError();
        return (x * y.conj()) * (1.0 / m2);
    }

    Complex &operator+=(const Complex &y) { return *this = *this + y; }
    Complex &operator-=(const Complex &y) { return *this = *this - y; }

    friend bool operator==(const Complex &x, const Complex &y) { return x.v_ == y.v_; }
    friend bool operator!=(const Complex &x, const Complex &y) { return !(x == y); }

private:
    std::complex<double> v_{0.0, 0.0};
};

// Principal square root of x + iy:
//   ( sqrt((m + x)/2), s * sqrt((m - x)/2) ),  m = sqrt(x^2 + y^2),
// s = -1 when y < 0, else +1.
inline Complex complexSqrt(const Complex &z)
{
    const double x = z.re();
    const double y = z.im();
    const double m = std::sqrt(x * x + y * y);
    const double s = y < 0 ? -1.0 : 1.0;
    return {std::sqrt((m + x) / 2), s * std::sqrt((m - x) / 2)};
}

#endif // COMPLEXNUMBER_H
