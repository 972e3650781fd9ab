#ifndef VELMORA_PROFILEMODESCALCULATOR_H
#define VELMORA_PROFILEMODESCALCULATOR_H

// modes.profile: the exact modes of a fiber of any radial index profile
// (physics/profilemodes.h): concentric layers ("layers=R1:N1,R2:N2,..." and
// n_clad), a power-law graded profile (a_um, n1, n2, alpha) or a measured
// table (table_file). Outputs: the LP and leaky mode counts, the graded
// solver's convergence check, one curve per table column (mode names and
// kinds as name columns), and the index profile for plotting.

#include "calculator.h"
#include "profilemodes.h"

#include <optional>

namespace velmora::calc {

struct ProfileModeCheck {
    std::optional<ProfileRequest> request;
    Result refusal;
};

class ProfileModesCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;

    ProfileModeCheck check(const Inputs &inputs) const;
    Result results(const ProfileModeSet &set) const;
};

// Largest normalised frequency k0 R sqrt(n_max^2 - n_clad^2) accepted (R the
// outer radius of the profile): layered profiles as the step-index engine,
// graded ones (each mode an ODE integration) lower.
constexpr double kProfileMaxVLayered = 100.0;
constexpr double kProfileMaxVGraded = 60.0;

} // namespace velmora::calc

#endif // VELMORA_PROFILEMODESCALCULATOR_H
