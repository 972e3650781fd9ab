// "光束质量因子": M² of a weighted mixture of LP modes and its intensity map,
// calculated by modes.beam_quality.

#include "fbmode.h"

#include "calcbinding.h"
#include "catalogue.h"

void fbmode::calresFB6()
{
    using namespace velmora::calc;
    m_beamComputed = true;
    const Calculator &beam = *catalogue().find("modes.beam_quality");
    const Result result = runCalculator(this, beam);
    if (result.refused)
        return;
    m_mixtureGrid = result.outputs.at("mixture_map").data;
    drawMixtureMap();
}
