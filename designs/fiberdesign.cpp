#include "fiberdesign.h"

#include "inputranges.h"
#include "textformat.h"

#include <cmath>
#include <map>

namespace velmora::designs {

double FiberDesign::n1() const
{
    return std::sqrt(na * na + n2 * n2);
}

double fiberQuantitySI(const FiberDesign &f, FiberQuantity q)
{
    constexpr double kPi = 3.14159265358979323846;
    switch (q) {
    case FiberQuantity::None: return 0;
    case FiberQuantity::CoreRadius: return f.coreRadiusUm * 1e-6;
    case FiberQuantity::PumpCladdingRadius: return f.claddingRadiusUm * 1e-6;
    case FiberQuantity::DopedRadius: return f.dopedRadiusUm * 1e-6;
    case FiberQuantity::NumericalAperture: return f.na;
    case FiberQuantity::CoreIndex: return f.n1();
    case FiberQuantity::CladdingIndex: return f.n2;
    case FiberQuantity::FiberLength: return f.lengthM;
    case FiberQuantity::SignalWavelength: return f.signalNm * 1e-9;
    case FiberQuantity::PumpWavelength: return f.pumpNm * 1e-9;
    case FiberQuantity::YbConcentration: return f.ybConcentration;
    case FiberQuantity::BackgroundLoss: return f.backgroundLossDbPerM;
    case FiberQuantity::ModeFieldRadius: {
        // D. Marcuse, "Loss analysis of single-mode fiber splices", Bell
        // Syst. Tech. J. 56, 703 (1977): w/a = 0.65 + 1.619 V^-1.5 + 2.879 V^-6,
        // within 1 % for 1.2 < V < 2.4 and a fair estimate of the LP01 mode
        // radius of a few-mode core above.
        const double a = f.coreRadiusUm * 1e-6;
        const double v = 2 * kPi / (f.signalNm * 1e-9) * a * f.na;
        return a * (0.65 + 1.619 * std::pow(v, -1.5) + 2.879 * std::pow(v, -6));
    }
    }
    return 0;
}

calc::Text fiberQuantityName(FiberQuantity q)
{
    switch (q) {
    case FiberQuantity::None: break;
    case FiberQuantity::CoreRadius: return {"纤芯半径", "core radius"};
    case FiberQuantity::DopedRadius: return {"掺杂区半径", "doped radius"};
    case FiberQuantity::PumpCladdingRadius: return {"泵浦包层半径", "pump-cladding radius"};
    case FiberQuantity::NumericalAperture: return {"数值孔径", "numerical aperture"};
    case FiberQuantity::CoreIndex: return {"纤芯折射率", "core index"};
    case FiberQuantity::CladdingIndex: return {"包层折射率", "cladding index"};
    case FiberQuantity::FiberLength: return {"光纤长度", "fiber length"};
    case FiberQuantity::SignalWavelength: return {"信号波长", "signal wavelength"};
    case FiberQuantity::PumpWavelength: return {"泵浦波长", "pump wavelength"};
    case FiberQuantity::YbConcentration: return {"掺杂浓度", "Yb concentration"};
    case FiberQuantity::BackgroundLoss: return {"背景损耗", "background loss"};
    case FiberQuantity::ModeFieldRadius: return {"模场半径", "mode-field radius"};
    }
    return {};
}

std::vector<FiberFill> fiberFillsFor(const calc::CalculatorDescription &description,
                                     const FiberDesign &fiber)
{
    std::vector<FiberFill> fills;
    for (const calc::FieldDescription &field : description.fields) {
        if (field.role == calc::FieldRole::Output || field.kind != calc::ValueKind::Number ||
            field.fiberQuantity == FiberQuantity::None || field.toSI == 0)
            continue;
        const double value = fiberQuantitySI(fiber, field.fiberQuantity) / field.toSI;
        // Ten significant digits: the unit conversion must not add noise
        // digits (1e-5 m / 1e-6 shows as 10, not 9.999999999999998). An
        // index derived from the NA keeps six decimals, what index fields
        // take and far below any index tolerance of a real fiber.
        const bool index = field.fiberQuantity == FiberQuantity::CoreIndex;
        fills.push_back(
            {field.key, calc::formatNumber(value, 'g', index ? 7 : 10), field.fiberQuantity});
    }
    return fills;
}

std::optional<calc::Text> checkFiber(const FiberDesign &f)
{
    using namespace inputranges;
    struct Check {
        const char *zh;
        const char *en;
        double si;
        const InputRange &range;
    };
    const Check checks[] = {
        {"纤芯半径", "core radius", f.coreRadiusUm * 1e-6, kFiberRadius},
        {"泵浦包层半径", "pump-cladding radius", f.claddingRadiusUm * 1e-6, kFiberRadius},
        {"掺杂区半径", "doped radius", f.dopedRadiusUm * 1e-6, kFiberRadius},
        {"数值孔径", "numerical aperture", f.na, kNumericalAperture},
        {"包层折射率", "cladding index", f.n2, kRefractiveIndex},
        {"光纤长度", "fiber length", f.lengthM, kLength},
        {"信号波长", "signal wavelength", f.signalNm * 1e-9, kWavelength},
        {"泵浦波长", "pump wavelength", f.pumpNm * 1e-9, kWavelength},
        {"掺杂浓度", "Yb concentration", f.ybConcentration, kConcentration},
    };
    for (const Check &c : checks)
        if (!std::isfinite(c.si) || c.si < c.range.min || c.si > c.range.max)
            return calc::Text{
                std::string("当前光纤的") + c.zh + "超出允许范围",
                std::string("the fiber's ") + c.en + " is outside its accepted range"};
    if (!std::isfinite(f.backgroundLossDbPerM) || f.backgroundLossDbPerM < 0)
        return calc::Text{"当前光纤的背景损耗必须为非负数",
                          "the fiber's background loss must not be negative"};
    if (f.dopedRadiusUm > f.claddingRadiusUm || f.coreRadiusUm > f.claddingRadiusUm)
        return calc::Text{"纤芯与掺杂区半径不能大于包层半径",
                          "core and doped radius cannot exceed the cladding radius"};
    return std::nullopt;
}

} // namespace velmora::designs
