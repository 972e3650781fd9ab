#ifndef AMPLIFIERTESTCASES_H
#define AMPLIFIERTESTCASES_H

// The shipped cross-section table (tests run in bin/, beside Data/) and a
// helper that builds a problem from a design.

#include "ybamplifierdesign.h"

#include <gtest/gtest.h>

inline const yb::CrossSectionSpectrum &shippedCrossSections()
{
    static const yb::CrossSectionSpectrum spectrum = [] {
        yb::CrossSectionTable table;
        yb::readCrossSections("Data/YDF吸收发射参数.csv", table);
        yb::CrossSectionSpectrum s;
        s.assign(table);
        return s;
    }();
    return spectrum;
}

struct BuiltCase {
    yb::AmplifierProblem problem;
    yb::ChannelMap map;
};

inline BuiltCase build(const yb::AmplifierDesign &design)
{
    BuiltCase c;
    const std::string message =
        yb::buildAmplifierProblem(design, shippedCrossSections(), c.problem, c.map);
    EXPECT_EQ(message, "");
    return c;
}

#endif // AMPLIFIERTESTCASES_H
