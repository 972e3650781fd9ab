#ifndef FBAMPPLOTS_H
#define FBAMPPLOTS_H

// The four plots of the fiber-amplifier page, drawn from the curves of an
// amp.steady_state result: powers against z (logarithmic, the six decades
// below the strongest channel), N2/Nt against z, the ASE output spectra in
// dBm per bin, and the heat load q(z).

#include "calculator.h"

struct FbampForm;

void drawAmplifierPlots(FbampForm &form, const velmora::calc::Result &result);
void clearAmplifierPlots(FbampForm &form);

#endif // FBAMPPLOTS_H
