#include "modelist.h"

#include "fbmodecalculators.h"
#include "fiberinputs.h"
#include "rangecheck.h"
#include "textformat.h"

#include <cmath>

namespace velmora::calc::modes {

constexpr double kModeTabMaxRadiusMicron = 50;

std::string reconcileNaText(double n1, double n2, const std::string &naText, double *value)
{
    const double computed = std::sqrt(n1 * n1 - n2 * n2);
    const double typed = readNumber(naText);
    const bool agrees = std::abs(computed - typed) < 0.01;
    if (value)
        *value = agrees ? typed : computed;
    return agrees ? formatNumber(typed, 'g', 6) : formatPrintf("%.4f", computed);
}

std::vector<FieldDescription> modeTabFiberFields()
{
    return fiberFields({"m_N1LineEdit_2", "m_N2LineEdit_2", "m_ALineEdit_2", "m_lambdaLineEdit_2",
                        "m_NALineEdit_2", "20"});
}

bool checkModeTabFiber(const CalculatorDescription &description, const Inputs &inputs, bool checkNa,
                       CheckedFiber *fiber, Result *refused)
{
    // The shared ranges first, as on every tab: a value no fiber has (an
    // infinite radius, a 300-digit index) is refused naming that field before
    // the tab's own rules compare it.
    if (refuseOutOfRange(description, inputs, *refused, {"n1", "n2", "a_um", "lambda_nm", "na"}))
        return false;
    std::string empty = firstEmpty(inputs, {"a_um", "lambda_nm", "n2"});
    if (empty.empty() && textOf(inputs, "n1").empty() && textOf(inputs, "na").empty())
        empty = "n1";
    if (!empty.empty()) {
        *refused = refusal(kEmptyInputNotice, empty);
        return false;
    }
    // The same expressions as the page, so limits compare bit for bit.
    fiber->a = numberOf(inputs, "a_um") * 1e-6;
    fiber->lambda = numberOf(inputs, "lambda_nm") * 1e-9;
    fiber->n1 = numberOf(inputs, "n1");
    fiber->n2 = numberOf(inputs, "n2");
    if (fiber->n1 < fiber->n2) {
        *refused = refusal(kCoreBelowClad, "n1");
        return false;
    }
    if (fiber->a > kModeTabMaxRadiusMicron * 1e-6) {
        *refused = refusal(coreRadiusLimit(kModeTabMaxRadiusMicron), "a_um");
        return false;
    }
    if (checkNa && numberOf(inputs, "na") > kMaxNa) {
        *refused = refusal(kNaAboveHalf, "na");
        return false;
    }
    fiber->naText = reconcileNaText(fiber->n1, fiber->n2, textOf(inputs, "na"), &fiber->na);
    return true;
}

std::vector<ModeRow> modeRows(const ModeSet &modes)
{
    std::vector<ModeRow> rows;
    for (int m = 0; m <= modes.maxOrder && m < static_cast<int>(modes.neffLists.size()); ++m) {
        const std::vector<double> &list = modes.neffLists[m];
        for (std::size_t n = 0; n < list.size(); ++n)
            rows.push_back({m, static_cast<int>(n) + 1, list[n]});
    }
    return rows;
}

} // namespace velmora::calc::modes
