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

// Keys of the catalogue that name a fiber quantity. One table: a new tab
// whose keys follow the scheme is covered without code.
std::optional<FiberQuantity> fiberQuantityOfKey(const std::string &id, const std::string &key)
{
    if (id.rfind("nonlinear.", 0) == 0 && key == "lambda_p_nm")
        return FiberQuantity::SignalWavelength;
    static const std::map<std::string, FiberQuantity> table = {
        {"a_um", FiberQuantity::CoreRadius},
        {"core_radius_um", FiberQuantity::CoreRadius},
        {"b_um", FiberQuantity::CladdingRadius},
        {"cladding_radius_um", FiberQuantity::CladdingRadius},
        {"doped_um", FiberQuantity::DopedRadius},
        {"doped_radius_um", FiberQuantity::DopedRadius},
        {"na", FiberQuantity::NumericalAperture},
        {"n1", FiberQuantity::CoreIndex},
        {"n2", FiberQuantity::CladdingIndex},
        {"length_m", FiberQuantity::Length},
        {"lambda_nm", FiberQuantity::SignalWavelength},
        {"lambda_s_nm", FiberQuantity::SignalWavelength},
        {"signal_nm", FiberQuantity::SignalWavelength},
        {"lambda_p_nm", FiberQuantity::PumpWavelength},
        {"pump_nm", FiberQuantity::PumpWavelength},
        {"n_m3", FiberQuantity::YbConcentration},
        {"yb_m3", FiberQuantity::YbConcentration},
        {"core_area_m2", FiberQuantity::CoreArea},
        {"r_eff_m", FiberQuantity::ModeFieldRadius},
    };
    const auto it = table.find(key);
    if (it == table.end())
        return std::nullopt;
    return it->second;
}

double fiberQuantitySI(const FiberDesign &f, FiberQuantity q)
{
    constexpr double kPi = 3.14159265358979323846;
    switch (q) {
    case FiberQuantity::CoreRadius: return f.coreRadiusUm * 1e-6;
    case FiberQuantity::CladdingRadius: return f.claddingRadiusUm * 1e-6;
    case FiberQuantity::DopedRadius: return f.dopedRadiusUm * 1e-6;
    case FiberQuantity::NumericalAperture: return f.na;
    case FiberQuantity::CoreIndex: return f.n1();
    case FiberQuantity::CladdingIndex: return f.n2;
    case FiberQuantity::Length: return f.lengthM;
    case FiberQuantity::SignalWavelength: return f.signalNm * 1e-9;
    case FiberQuantity::PumpWavelength: return f.pumpNm * 1e-9;
    case FiberQuantity::YbConcentration: return f.ybConcentration;
    case FiberQuantity::CoreArea: return kPi * std::pow(f.coreRadiusUm * 1e-6, 2);
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

namespace {

bool isFiberSpecific(FiberQuantity q)
{
    return q == FiberQuantity::CoreRadius || q == FiberQuantity::CladdingRadius ||
           q == FiberQuantity::DopedRadius || q == FiberQuantity::NumericalAperture ||
           q == FiberQuantity::YbConcentration || q == FiberQuantity::ModeFieldRadius;
}

} // namespace

std::vector<FiberFill> fiberFillsFor(const calc::CalculatorDescription &description,
                                     const FiberDesign &fiber)
{
    std::vector<FiberFill> fills;
    bool aboutAFiber = false;
    for (const calc::FieldDescription &field : description.fields) {
        if (field.role == calc::FieldRole::Output || field.kind != calc::ValueKind::Number)
            continue;
        const auto quantity = fiberQuantityOfKey(description.id, field.key);
        if (!quantity || field.toSI == 0)
            continue;
        aboutAFiber = aboutAFiber || isFiberSpecific(*quantity);
        const double value = fiberQuantitySI(fiber, *quantity) / field.toSI;
        // Ten significant digits: the unit conversion must not add noise
        // digits (1e-5 m / 1e-6 shows as 10, not 9.999999999999998). An
        // index derived from the NA keeps six decimals, what index fields
        // take and far below any index tolerance of a real fiber.
        const bool index = *quantity == FiberQuantity::CoreIndex;
        fills.push_back({field.key, calc::formatNumber(value, 'g', index ? 7 : 10)});
    }
    if (!aboutAFiber)
        fills.clear();
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
