#ifndef FBAMPPLOTS_H
#define FBAMPPLOTS_H

// The four plots of the fiber-amplifier page, drawn from the curves of an
// amp.steady_state result: powers against z (logarithmic, the six decades
// below the strongest channel), N2/Nt against z, the ASE output spectra as
// spectral densities in dBm/nm with the signal wavelength marked, and the
// heat load q(z). Legends stand beside the axes, clear of the curves.

#include "calculator.h"

#include <vector>

struct FbampForm;

// `signalNm`: the signal wavelength of the calculation shown (marked on the
// spectrum).
void drawAmplifierPlots(FbampForm &form, const velmora::calc::Result &result, double signalNm);
void clearAmplifierPlots(FbampForm &form);
// The axis titles in the window's language (also without results).
void labelAmplifierPlots(FbampForm &form);

// The ASE power of each bin [dBm] as a spectral density [dBm/nm]: divided by
// the bin's width, half the distance between its neighbours (one-sided at
// the band's ends), so the height does not depend on the number of bins.
std::vector<double> spectralDensityDbmPerNm(const std::vector<double> &nm,
                                            const std::vector<double> &dbm);

#endif // FBAMPPLOTS_H
