#include "complexbessel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

// Methods and sources: see complexbessel.h. Internally the arithmetic uses
// plain formulas (no exceptions, no NaN-recovery branches of std::complex),
// and a square root that does not lose the small imaginary part.

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kEulerGamma = 0.57721566490153286;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Below this modulus both I and K are taken from their power series.
constexpr double kSeriesRadius = 2.0;
// Orders above this are refused (the model needs 0..2; recurrences and
// tables are sized generously beyond that).
constexpr int kMaxOrder = 1000;

inline Complex cdiv(const Complex &a, const Complex &b)
{
    // Smith's scaling avoids overflow of |b|^2 for large or tiny divisors.
    if (std::fabs(b.re()) >= std::fabs(b.im())) {
        const double r = b.im() / b.re();
        const double d = b.re() + b.im() * r;
        return {(a.re() + a.im() * r) / d, (a.im() - a.re() * r) / d};
    }
    const double r = b.re() / b.im();
    const double d = b.re() * r + b.im();
    return {(a.re() * r + a.im()) / d, (a.im() * r - a.re()) / d};
}

inline double cabs(const Complex &z)
{
    return std::hypot(z.re(), z.im());
}

inline Complex clog(const Complex &z)
{
    return {std::log(cabs(z)), std::atan2(z.im(), z.re())};
}

// (cos(arg z / 2), sin(arg z / 2)) from z and |z| by the half-angle
// formulas, without atan2 and sincos.
inline Complex halfAngle(const Complex &z, double az)
{
    const double x = z.re(), y = z.im();
    if (az == 0)
        return {1.0, 0.0};
    if (x >= 0) {
        const double c = std::sqrt((1 + x / az) / 2);
        return {c, y / (2 * az * c)};
    }
    const double s = std::sqrt((1 - x / az) / 2);
    return {std::fabs(y) / (2 * az * s), std::copysign(s, y)};
}

// An argument with the factors several methods share: |z| and, filled on
// first use, cos(Im z), sin(Im z) and the half-angle rotation. Evaluating I
// and K of one argument through one Arg computes them once; the values are
// the same as with separate Args.
struct Arg {
    Complex z;
    double az; // |z|
    bool trig = false;
    double cy = 0, sy = 0; // cos(Im z), sin(Im z)
    Complex half;          // (cos(arg z / 2), sin(arg z / 2))

    Arg(const Complex &value, double modulus) : z(value), az(modulus) {}
    void needTrig()
    {
        if (!trig) {
            cy = std::cos(z.im());
            sy = std::sin(z.im());
            half = halfAngle(z, az);
            trig = true;
        }
    }
    Complex exp() // e^z
    {
        needTrig();
        const double e = std::exp(z.re());
        return {e * cy, e * sy};
    }
};

// e^(sign*z) / sqrt(c z) for c > 0, computed as a modulus and two separate
// rotations: folding -arg(cz)/2 into Im z first would round the phase to the
// spacing of doubles near Im z (about 1e-13 for |Im z| ~ 600), and exp(Re z)
// alone would overflow before the quotient does.
inline Complex expOverSqrt(double sign, Arg &a, double c)
{
    a.needTrig();
    const double e = sign * a.z.re();
    const double modulus =
        e < 700.0 ? std::exp(e) / std::sqrt(c * a.az) : std::exp(e - 0.5 * std::log(c * a.az));
    const Complex r1{a.cy, sign * a.sy};
    return r1 * a.half.conj() * modulus;
}

// Principal square root, accurate in both parts (the imaginary part is formed
// as y / 2u instead of from a difference of nearly equal numbers). Only used
// on moderate arguments (|z| well inside 1e-150..1e150), so the modulus is
// taken without hypot's scaling.
inline Complex csqrt(const Complex &z)
{
    const double x = z.re();
    const double y = z.im();
    if (x == 0 && y == 0)
        return {0.0, y};
    const double t = std::sqrt((std::fabs(x) + std::sqrt(x * x + y * y)) / 2);
    if (x >= 0)
        return {t, y / (2 * t)};
    return {std::fabs(y) / (2 * t), std::copysign(t, y)};
}

// Integer order check: returns false for non-integer, non-finite or absurdly
// large orders.
bool integerOrder(double nu, int *n)
{
    if (!std::isfinite(nu) || nu != std::floor(nu) || std::fabs(nu) > kMaxOrder)
        return false;
    *n = static_cast<int>(std::fabs(nu)); // I_{-n} = I_n, K_{-n} = K_n
    return true;
}

// NaN or infinite parts: no method here has a meaning for them (the K
// integral's step would become NaN and never reach its end), so the entry
// points answer NaN.
bool isNonFinite(const Complex &z)
{
    return !std::isfinite(z.re()) || !std::isfinite(z.im());
}

// ---------------------------------------------------------------------------
// I_n(z) = (z/2)^n sum_k (z^2/4)^k / (k! (n+k)!)               DLMF 10.25.2
Complex besselISeries(int n, const Complex &z)
{
    const Complex half = z * 0.5;
    const Complex q = half * half;
    Complex term{1.0, 0.0};
    for (int k = 1; k <= n; ++k)
        term = term * half * (1.0 / k);
    Complex sum = term;
    for (int k = 1; k < 200; ++k) {
        term = term * q * (1.0 / (double(k) * double(n + k)));
        sum += term;
        if (term.squaredMagnitude() <= 1e-34 * sum.squaredMagnitude())
            break;
    }
    return sum;
}

// Start index of Miller's recurrence. Started at N, the recurrence carries a
// multiple of the unwanted solution (-1)^k K_k whose relative size at order 0
// is about |I_N/K_N| ~ (|z|/2)^(2N) / (N! (N-1)!) (on the imaginary axis,
// where |K_0/I_0| is of order 1). The table holds, per bucket of |z| (width
// 1), the first N above |z| where that falls below e^-42 for every z of the
// bucket, plus a margin of 4.
constexpr int kMillerModuli = 64;
int millerStart(double az)
{
    static const std::array<int, kMillerModuli> table = [] {
        std::array<int, kMillerModuli> t{};
        for (int m = 0; m < kMillerModuli; ++m) {
            const double upper = m + 1.0; // largest |z| of the bucket
            const double l2 = 2 * std::log(upper / 2);
            int N = 1;
            double acc = l2; // log of (|z|/2)^(2N) / (N! (N-1)!) at N = 1
            while (N <= upper || acc > -42.0) {
                ++N;
                acc += l2 - std::log(double(N)) - std::log(double(N - 1));
            }
            t[m] = N + 4;
        }
        return t;
    }();
    if (az >= kMillerModuli) // high orders only; N - |z| grows like |z|^(1/3)
        return static_cast<int>(az + 10 * std::cbrt(az) + 20);
    return table[static_cast<int>(az)];
}

// Miller: y_{k-1} = (2k/z) y_k + y_{k+1} downwards from y_{N+1} = 0,
// y_N = 1 (I_k is the minimal solution as k grows, so the recurrence
// converges to it), then scaled with e^z = y_0 + 2 sum_{k>=1} y_k.
Complex besselIMiller(int n, Arg &a)
{
    const Complex &z = a.z;
    const int N = millerStart(a.az) + n;
    const Complex twoOverZ = cdiv({2.0, 0.0}, z);
    Complex next{0.0, 0.0}; // y_{k+1}
    Complex cur{1.0, 0.0};  // y_k
    Complex sum{0.0, 0.0};  // sum of y_k, k >= 1
    Complex wanted{0.0, 0.0};
    for (int k = N; k >= 1; --k) {
        sum += cur;
        if (k == n)
            wanted = cur;
        const Complex prev = twoOverZ * double(k) * cur + next;
        next = cur;
        cur = prev;
        if (std::fabs(cur.re()) + std::fabs(cur.im()) > 1e250) {
            next = next * 1e-250;
            cur = cur * 1e-250;
            sum = sum * 1e-250;
            wanted = wanted * 1e-250;
        }
    }
    if (n == 0)
        wanted = cur;
    const Complex norm = cur + sum * 2.0;
    return cdiv(wanted, norm) * a.exp();
}

// Hankel's expansion, DLMF 10.40.5 with e^{+-n pi i} = (-1)^n:
//   I_n(z) ~ [e^z sum (-1)^k a_k/z^k  +- i (-1)^n e^-z sum a_k/z^k] / sqrt(2 pi z),
// upper sign for Im z >= 0, lower below; a_k = prod_{j<=k}(4n^2-(2j-1)^2) / (k! 8^k).
Complex besselIAsymptotic(int n, Arg &a)
{
    const Complex &z = a.z;
    const double mu = 4.0 * n * n;
    const Complex invZ = cdiv({1.0, 0.0}, z);
    Complex term{1.0, 0.0}; // a_k / z^k
    Complex plus{1.0, 0.0}, minus{1.0, 0.0};
    double lastSize = kInf; // squared moduli from here on
    for (int k = 1; k < 200; ++k) {
        const double odd = 2.0 * k - 1.0;
        term = term * invZ * ((mu - odd * odd) / (8.0 * k));
        const double size = term.squaredMagnitude();
        if (size > lastSize) // the asymptotic series starts to diverge
            break;
        plus += term;
        if (k % 2)
            minus -= term;
        else
            minus += term;
        lastSize = size;
        if (size <= 1e-34 * std::min(plus.squaredMagnitude(), minus.squaredMagnitude()))
            break;
    }
    Complex result = expOverSqrt(1.0, a, 2 * kPi) * minus;
    if (z.re() < 40.0) { // e^-z / e^z below 1e-34 beyond: negligible
        const double sign = (z.im() >= 0 ? 1.0 : -1.0) * (n % 2 ? -1.0 : 1.0);
        const Complex second = expOverSqrt(-1.0, a, 2 * kPi) * plus;
        result += Complex(-second.im(), second.re()) * sign; // * (+-i)
    }
    return result;
}

// K_0 and K_1 from their logarithmic series, DLMF 10.31.2 and 10.31.1 (n = 1):
//   K_0 = -(ln(z/2) + gamma) I_0 + sum_{k>=1} H_k (z^2/4)^k / (k!)^2
//   K_1 = 1/z + ln(z/2) I_1 - (z/4) sum_{k>=0} (psi(k+1) + psi(k+2)) (z^2/4)^k / (k!(k+1)!)
// with psi(k+1) = H_k - gamma (H_k the harmonic numbers).
void besselK01Series(const Complex &z, Complex *k0, Complex *k1)
{
    const Complex half = z * 0.5;
    const Complex q = half * half;
    const Complex logHalf = clog(half);
    Complex t0{1.0, 0.0};               // (z^2/4)^k / (k!)^2
    Complex t1{1.0, 0.0};               // (z^2/4)^k / (k!(k+1)!)
    Complex i0{1.0, 0.0}, i1{1.0, 0.0}; // I_0 and I_1 / (z/2)
    Complex s0{0.0, 0.0};
    double h = 0.0;                                         // H_k
    Complex s1 = t1 * (-kEulerGamma + (1.0 - kEulerGamma)); // k = 0: psi(1) + psi(2)
    for (int k = 1; k < 200; ++k) {
        const double hk = h + 1.0 / k;
        t0 = t0 * q * (1.0 / (double(k) * k));
        t1 = t1 * q * (1.0 / (double(k) * (k + 1)));
        i0 += t0;
        i1 += t1;
        s0 += t0 * hk;
        s1 += t1 * ((hk - kEulerGamma) + (hk + 1.0 / (k + 1) - kEulerGamma));
        h = hk;
        if (t0.squaredMagnitude() <= 1e-34 * i0.squaredMagnitude() &&
            t1.squaredMagnitude() <= 1e-34 * i1.squaredMagnitude())
            break;
    }
    *k0 = s0 - (logHalf + Complex(kEulerGamma, 0.0)) * i0;
    *k1 = cdiv({1.0, 0.0}, z) + logHalf * (i1 * half) - z * 0.25 * s1;
}

// K_0 and K_1 for |z| > 2 from the Laplace integral (see the header):
//   K_0 = sqrt(pi/2z) e^-z / sqrt(pi)     * int_R e^-t^2 (1 + t^2/2z)^(-1/2) dt
//   K_1 = sqrt(pi/2z) e^-z * 2 / sqrt(pi) * int_R e^-t^2 t^2 (1 + t^2/2z)^(1/2) dt
// Both integrands are even, analytic in the strip |Im t| < d with
// d = sqrt(2|z|) cos(arg(z)/2) (the branch point t^2 = -2z), and damped by
// e^-t^2. The trapezoidal rule with step h then errs by about
// exp(d'^2 - 2 pi d'/h) for any d' < d; h is chosen to make that e^-40.
void besselK01Integral(Arg &a, Complex *k0, Complex *k1)
{
    // k0 may be null when only K_1 is wanted (saves a division per node).
    const Complex &z = a.z;
    a.needTrig();
    double d = 0.8 * std::sqrt(2 * a.az) * a.half.re(); // cos(|arg z| / 2)
    const double dMax = std::sqrt(40.0);
    if (d > dMax)
        d = dMax;
    const double h = 2 * kPi * d / (d * d + 40.0);
    constexpr double tMax = 6.6; // e^-t^2 t^2 < 1e-17 beyond
    const Complex inv2z = cdiv({0.5, 0.0}, z);
    Complex sum0{0.5, 0.0}; // t = 0 counted once: h (F(0) + 2 sum F(kh)) / 2
    Complex sum1{0.0, 0.0};
    // e^-(kh)^2 by products: g_k = g_{k-1} r_k, r_k = r_{k-1} e^-2h^2.
    const double h2 = h * h;
    const double ratioStep = std::exp(-2 * h2);
    double ratio = std::exp(-h2);
    double g = 1.0;
    // The node count is fixed before the loop: at most about 40 nodes in the
    // domain Re z >= 0, |z| > 2 (d >= 1.13 there); a step that is not a
    // positive number, or one that would need more than kMaxNodes nodes
    // (arguments far outside the domain), gives NaN instead of a loop.
    constexpr double kMaxNodes = 4096;
    const double nodes = tMax / h;
    if (!(nodes >= 1 && nodes <= kMaxNodes)) {
        if (k0)
            *k0 = Complex(kNaN, kNaN);
        *k1 = Complex(kNaN, kNaN);
        return;
    }
    const int count = static_cast<int>(nodes);
    for (int k = 1; k <= count + 1; ++k) {
        const double t = k * h;
        if (t > tMax) // the rule's own end (count + 1 only guards rounding)
            break;
        const double t2 = t * t;
        g *= ratio;
        ratio *= ratioStep;
        const Complex w = Complex(1.0, 0.0) + inv2z * t2;
        const Complex s = csqrt(w);
        if (k0)
            sum0 += s.conj() * (g / s.squaredMagnitude()); // g / s
        sum1 += s * (g * t2);
    }
    const Complex pre = expOverSqrt(-1.0, a, 2 / kPi); // sqrt(pi/2z) e^-z
    const double twoH = 2 * h;
    if (k0)
        *k0 = pre * (twoH / std::sqrt(kPi)) * sum0;
    *k1 = pre * (twoH * 2 / std::sqrt(kPi)) * sum1;
}

void besselK01(Arg &a, Complex *k0, Complex *k1)
{
    if (a.az <= kSeriesRadius)
        besselK01Series(a.z, k0, k1);
    else
        besselK01Integral(a, k0, k1);
}

Complex besselIOf(int n, Arg &a)
{
    if (a.az <= kSeriesRadius)
        return besselISeries(n, a.z);
    if (a.az <= 20.0 + double(n) * n)
        return besselIMiller(n, a);
    return besselIAsymptotic(n, a);
}

Complex besselKOf(int n, Arg &a)
{
    if (a.z.re() == 0 && a.z.im() == 0)
        return {kInf, 0.0};
    Complex k0, k1;
    if (n == 1 && a.az > kSeriesRadius) {
        besselK01Integral(a, nullptr, &k1);
        return k1;
    }
    besselK01(a, &k0, &k1);
    if (n == 0)
        return k0;
    if (n == 1)
        return k1;
    // K_{k+1} = K_{k-1} + (2k/z) K_k                             DLMF 10.29.1
    const Complex twoOverZ = cdiv({2.0, 0.0}, a.z);
    Complex prev = k0, cur = k1;
    for (int k = 1; k < n; ++k) {
        const Complex next = prev + twoOverZ * double(k) * cur;
        prev = cur;
        cur = next;
    }
    return cur;
}

} // namespace

Complex complexBesselI(double nu, const Complex &z)
{
    int n = 0;
    if (!integerOrder(nu, &n) || isNonFinite(z))
        return {kNaN, kNaN};
    Arg a(z, cabs(z));
    return besselIOf(n, a);
}

Complex complexBesselK(double nu, const Complex &z)
{
    int n = 0;
    if (!integerOrder(nu, &n) || isNonFinite(z))
        return {kNaN, kNaN};
    Arg a(z, cabs(z));
    return besselKOf(n, a);
}

void complexBesselI1K1(const Complex &z, Complex *i1, Complex *k1)
{
    if (isNonFinite(z)) {
        *i1 = *k1 = Complex(kNaN, kNaN);
        return;
    }
    Arg a(z, cabs(z));
    *i1 = besselIOf(1, a);
    *k1 = besselKOf(1, a);
}

double realBesselJ(double nu, double x)
{
    int n = 0;
    if (!integerOrder(nu, &n) || std::isnan(x))
        return kNaN;
    // I_n(i|x|) = i^n J_n(|x|); multiply by i^-n and keep the real part.
    const Complex v = complexBesselI(n, Complex(0.0, std::fabs(x)));
    double j = 0;
    switch (n % 4) {
    case 0: j = v.re(); break;
    case 1: j = v.im(); break;
    case 2: j = -v.re(); break;
    default: j = -v.im(); break;
    }
    if (x < 0 && n % 2) // J_n(-x) = (-1)^n J_n(x)
        j = -j;
    if (nu < 0 && n % 2) // J_{-n}(x) = (-1)^n J_n(x)
        j = -j;
    return j;
}
