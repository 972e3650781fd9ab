// The complex value type of the mode-instability model: the operations are
// checked on numbers small enough to verify by hand.
#include "complexnumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

void expectComplex(const Complex &z, double re, double im)
{
    EXPECT_DOUBLE_EQ(z.re(), re);
    EXPECT_DOUBLE_EQ(z.im(), im);
}

TEST(Complex, DefaultIsZeroAndCopiesCarryBothParts)
{
    expectComplex(Complex(), 0.0, 0.0);
    const Complex a(1.5, -2.0);
    const Complex b = a;
    expectComplex(b, 1.5, -2.0);
    expectComplex(a.conj(), 1.5, 2.0);
}

TEST(Complex, SumDifferenceAndRealProduct)
{
    const Complex a(1, 2), b(3, -5);
    expectComplex(a + b, 4, -3);
    expectComplex(a - b, -2, 7);
    expectComplex(a * 2.5, 2.5, 5);
    expectComplex(2.5 * a, 2.5, 5);
}

TEST(Complex, ProductFollowsTheTextbookFormula)
{
    // (1 + 2i)(3 + 4i) = 3 - 8 + (4 + 6)i
    expectComplex(Complex(1, 2) * Complex(3, 4), -5, 10);
    // i * i = -1
    expectComplex(Complex(0, 1) * Complex(0, 1), -1, 0);
}

TEST(Complex, QuotientUndoesTheProduct)
{
    expectComplex(Complex(-5, 10) / Complex(3, 4), 1, 2);
    expectComplex(Complex(1, 0) / Complex(0, 2), 0, -0.5);
}

TEST(Complex, QuotientByANearZeroDivisorFailsWithTheMessage)
{
    // |y|^2 = 1e-18 < 1e-16
    try {
        (void)(Complex(1, 1) / Complex(1e-9, 0));
        FAIL() << "division by a vanishing divisor did not fail";
    } catch (const ComplexDivisionError &e) {
        EXPECT_EQ(std::string(e.what()), "除数为0");
    }
    EXPECT_THROW((void)(Complex(1, 1) / Complex()), ComplexDivisionError);
    // A divisor that is not a number is refused as well.
    EXPECT_THROW((void)(Complex(1, 1) / Complex(NAN, 0)), ComplexDivisionError);
}

TEST(Complex, QuotientAtTheLimitIsAllowed)
{
    // |y|^2 = 4e-16 is not below 1e-16.
    const Complex q = Complex(2e-8, 0) / Complex(2e-8, 0);
    EXPECT_NEAR(q.re(), 1.0, 1e-15);
    EXPECT_EQ(q.im(), 0.0);
}

TEST(Complex, SquareRootFormula)
{
    expectComplex(complexSqrt(Complex(3, 4)), 2, 1);
    expectComplex(complexSqrt(Complex(3, -4)), 2, -1);
    expectComplex(complexSqrt(Complex(-4, 0)), 0, 2); // y = 0 counts as non-negative
    expectComplex(complexSqrt(Complex(0, 2)), 1, 1);
    expectComplex(complexSqrt(Complex(0, -2)), 1, -1);
    expectComplex(complexSqrt(Complex()), 0, 0);
}

} // namespace
