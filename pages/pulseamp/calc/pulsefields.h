#ifndef PULSEFIELDS_H
#define PULSEFIELDS_H

// The fields of the pulse-propagation calculators (pulse.propagate,
// pulse.amplifier): the launched pulse, the passive fiber's dispersion and
// nonlinearity, the numerics, and the outputs both share.

#include "calculator.h"

#include <vector>

namespace velmora::calc {

// Choice texts (ASCII, as typed on the command line).
extern const char *const kShapeSech;
extern const char *const kShapeGaussian;
extern const char *const kShapeSuperGaussian;
extern const char *const kRamanBlowWood;
extern const char *const kRamanLinAgrawal;
extern const char *const kRamanHollenbeckCantrell;
extern const char *const kRamanNone;

// Largest grid: 2^16 points keeps one run's memory and time bounded.
constexpr double kMaxPulsePoints = 65536;

// Pulse keys: lambda_nm shape t0_fs fwhm_fs p_peak_w chirp sg_order.
std::vector<FieldDescription> pulseInputFields(const char *lambdaDefault, const char *t0Default,
                                               const char *peakDefault);
// Passive fiber keys without the length: gamma_w_m betas raman shock.
std::vector<FieldDescription> nonlinearFiberFields(const char *gammaDefault,
                                                   const char *betasDefault,
                                                   const char *ramanDefault);
// Numerics: points window_ps tol.
std::vector<FieldDescription> numericsFields(const char *pointsDefault, const char *windowDefault,
                                             const char *tolDefault);
// Outputs of every pulse calculation.
std::vector<FieldDescription> pulseOutputFields();

} // namespace velmora::calc

#endif // PULSEFIELDS_H
