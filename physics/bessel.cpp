#include "bessel.h"

#include <cmath>

double besselJ0(double x)
{
    const double ax = std::fabs(x);
    if (ax < 8.0) {
        const double y = x * x;
        const double p =
            57568490574.0 +
            y * (-13362590354.0 +
                 y * (651619640.7 + y * (-11214424.18 + y * (77392.33017 + y * (-184.9052456)))));
        const double q = 57568490411.0 +
                         y * (1029532985.0 +
                              y * (9494680.718 + y * (59272.64853 + y * (267.8532712 + y * 1.0))));
        return p / q;
    }
    const double z = 8.0 / ax;
    const double y = z * z;
    const double t = ax - 0.785398164;
    const double p1 =
        1.0 + y * (-0.1098628627e-2 +
                   y * (0.2734510407e-4 + y * (-0.2073370639e-5 + y * 0.2093887211e-6)));
    const double q1 =
        -0.1562499995e-1 +
        y * (0.1430488765e-3 + y * (-0.6911147651e-5 + y * (0.7621095161e-6 - y * 0.934945152e-7)));
    return std::sqrt(0.636619772 / ax) * (std::cos(t) * p1 - z * std::sin(t) * q1);
}

double besselJ1(double x)
{
    const double ax = std::fabs(x);
    if (ax < 8.0) {
        const double y = x * x;
        const double p =
            x *
            (72362614232.0 +
             y * (-7895059235.0 +
                  y * (242396853.1 + y * (-2972611.439 + y * (15704.48260 + y * (-30.16036606))))));
        const double q = 144725228442.0 +
                         y * (2300535178.0 +
                              y * (18583304.74 + y * (99447.43394 + y * (376.9991397 + y * 1.0))));
        return p / q;
    }
    const double z = 8.0 / ax;
    const double y = z * z;
    const double t = ax - 2.356194491;
    const double p1 =
        1.0 +
        y * (0.183105e-2 + y * (-0.3516396496e-4 + y * (0.2457520174e-5 + y * (-0.240337019e-6))));
    const double q1 =
        0.04687499995 +
        y * (-0.2002690873e-3 + y * (0.8449199096e-5 + y * (-0.88228987e-6 + y * 0.105787412e-6)));
    const double magnitude =
        std::sqrt(0.636619772 / ax) * (std::cos(t) * p1 - z * std::sin(t) * q1);
    return x < 1e-16 ? -magnitude : magnitude;
}

double besselJn(int n, double x)
{
    if (n == 0)
        return besselJ0(x);
    if (n == 1)
        return besselJ1(x);

    const int order = std::abs(n);
    const double ax = std::fabs(x);
    if (ax == 0.0)
        return 0.0;

    double result;
    if (ax > static_cast<double>(order)) {
        // Forward recurrence is stable while the order stays below x.
        double bjm = besselJ0(ax);
        double bj = besselJ1(ax);
        for (int j = 1; j < order; ++j) {
            const double bjp = j * (2.0 / ax) * bj - bjm;
            bjm = bj;
            bj = bjp;
        }
        result = bj;
    } else {
        // Miller's algorithm: recur downward from an order well above n and
        // normalise with J0 + 2 (J2 + J4 + ...) = 1.
        constexpr double kBig = 1e10;
        constexpr double kBigInverse = 1e-10;
        const int start = 2 * ((order + static_cast<int>(std::sqrt(40.0 * order))) / 2);
        bool addToSum = false;
        double bjp = 0.0;
        double bj = 1.0;
        double sum = 0.0;
        result = 0.0;
        for (int j = start; j > 0; --j) {
            const double bjm = j * (2.0 / ax) * bj - bjp;
            bjp = bj;
            bj = bjm;
            if (std::fabs(bj) > kBig) {
                bj *= kBigInverse;
                bjp *= kBigInverse;
                result *= kBigInverse;
                sum *= kBigInverse;
            }
            if (addToSum)
                sum += bj;
            addToSum = !addToSum;
            if (j == order)
                result = bjp;
        }
        sum = 2.0 * sum - bj;
        result /= sum;
    }
    // The recurrences ran on |x|. J_{-n} = (-1)^n J_n and J_n(-x) = (-1)^n J_n(x):
    // an odd order changes sign once for each of the two reflections.
    const bool negate = (order & 1) && ((n < 0) != (x < 0.0));
    return negate ? -result : result;
}

double besselI0(double x)
{
    const double ax = std::fabs(x);
    if (ax < 3.75) {
        const double y = (x / 3.75) * (x / 3.75);
        return 1.0 +
               y * (3.5156229 +
                    y * (3.0899424 +
                         y * (1.2067492 + y * (0.2659732 + y * (0.360768e-1 + y * 0.45813e-2)))));
    }
    const double y = 3.75 / ax;
    return (std::exp(ax) / std::sqrt(ax)) *
           (0.39894228 +
            y * (0.1328592e-1 +
                 y * (0.225319e-2 +
                      y * (-0.157565e-2 +
                           y * (0.916281e-2 + y * (-0.2057706e-1 +
                                                   y * (0.2635537e-1 + y * (-0.1647633e-1 +
                                                                            y * 0.392377e-2))))))));
}

double besselI1(double x)
{
    const double ax = std::fabs(x);
    double result;
    if (ax < 3.75) {
        const double y = (x / 3.75) * (x / 3.75);
        result =
            ax * (0.5 + y * (0.87890594 +
                             y * (0.51498869 +
                                  y * (0.15084934 +
                                       y * (0.2658733e-1 + y * (0.301532e-2 + y * 0.32411e-3))))));
    } else {
        const double y = 3.75 / ax;
        result = 0.2282967e-1 + y * (-0.2895312e-1 + y * (0.1787654e-1 - y * 0.420059e-2));
        result = 0.39894228 +
                 y * (-0.3988024e-1 +
                      y * (-0.362018e-2 + y * (0.163801e-2 + y * (-0.1031555e-1 + y * result))));
        result *= std::exp(ax) / std::sqrt(ax);
    }
    return x < 0.0 ? -result : result; // I1 is odd
}

double besselK0(double x)
{
    if (x < 2.0) {
        const double y = x * x / 4.0;
        return (-std::log(x / 2.0) * besselI0(x)) +
               (-0.57721566 +
                y * (0.42278420 +
                     y * (0.23069756 + y * (0.3488590e-1 +
                                            y * (0.262698e-2 + y * (0.10750e-3 + y * 0.74e-5))))));
    }
    const double y = 2.0 / x;
    return (std::exp(-x) / std::sqrt(x)) *
           (1.25331414 + y * (-0.7832358e-1 +
                              y * (0.2189568e-1 +
                                   y * (-0.1062446e-1 +
                                        y * (0.587872e-2 + y * (-0.251540e-2 + y * 0.53208e-3))))));
}

double besselK1(double x)
{
    if (x < 2.0) {
        const double y = x * x / 4.0;
        return (std::log(x / 2.0) * besselI1(x)) +
               (1.0 / x) *
                   (1.0 +
                    y * (0.15443144 +
                         y * (-0.67278579 +
                              y * (-0.18156897 +
                                   y * (-0.1919402e-1 + y * (-0.110404e-2 + y * (-0.4686e-4)))))));
    }
    const double y = 2.0 / x;
    return (std::exp(-x) / std::sqrt(x)) *
           (1.25331414 +
            y * (0.23498619 +
                 y * (-0.3655620e-1 +
                      y * (0.1504268e-1 +
                           y * (-0.780353e-2 + y * (0.325614e-2 + y * (-0.68245e-3)))))));
}

double besselKn(int n, double x)
{
    n = n < 0 ? -n : n; // K_{-n} = K_n
    if (n == 0)
        return besselK0(x);
    if (n == 1)
        return besselK1(x);
    const double tox = 2.0 / x;
    double bkm = besselK0(x);
    double bk = besselK1(x);
    for (int j = 1; j < n; ++j) {
        const double bkp = bkm + j * tox * bk;
        bkm = bk;
        bk = bkp;
    }
    return bk;
}
