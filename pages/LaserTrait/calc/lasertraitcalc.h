#ifndef VELMORA_LASERTRAITCALC_H
#define VELMORA_LASERTRAITCALC_H

// The four tabs of the laser-parameters page as calculators
// (physics/laserformulas.h, physics/ybgain.h):
//   laser.mode_spacing   "纵模间隔"   Δν = c/(2nL)
//   laser.efficiency     "光光效率"   η_o and η_a against the absorbed pump
//   laser.quantum_defect "量子亏损"   QD = (λ2 − λ1)/λ2 and QR = 1 − QD
//   laser.yb_gain        "小信号增益" the Yb small-signal gain spectrum read
//                                      from Data/YDF吸收发射参数.csv

#include "catalogue.h"

#include <QString>

namespace velmora::calc {

class ModeSpacingCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
};

class EfficiencyCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
};

class QuantumDefectCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
};

// The spectrum comes as three curves of equal length, one sample per table
// line in file order: "wavelength_nm", "gain_db" and "gain_linear". The table
// is read afresh on every evaluation, so edits to it take effect at once; a
// table that cannot be read refuses with its path in the notice.
class YbGainCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;

    // Where the cross-section table is looked for (working directory, then
    // beside the executable, then the installed data folder).
    static QString crossSectionFile();
};

void registerLaserTraitCalculators(Catalogue &catalogue);

} // namespace velmora::calc

#endif // VELMORA_LASERTRAITCALC_H
