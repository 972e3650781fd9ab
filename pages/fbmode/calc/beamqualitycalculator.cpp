// modes.beam_quality: "光束质量因子", M² of an incoherent mixture of the LP
// modes m = 0..4, n = 1..4 weighted by their power fractions, and the
// intensity map of the mixture.

#include "fbmodecalculators.h"
#include "fiberinputs.h"

#include "beamquality.h"
#include "fieldmaps.h"
#include "finiteguard.h"
#include "inputranges.h"
#include "rangecheck.h"
#include "textformat.h"

#include <memory>

namespace velmora::calc::modes {
namespace {

// "p01" .. "p04" for order 0 (one orientation), "p11_e" / "p11_o" … otherwise.
std::string weightKey(int m, int n, bool odd)
{
    std::string key = "p" + std::to_string(m) + std::to_string(n);
    if (m > 0)
        key += odd ? "_o" : "_e";
    return key;
}

FieldDescription weightField(int m, int n, bool odd)
{
    const std::string mn = std::to_string(m) + std::to_string(n);
    const std::string suffix = m == 0 ? "" : (odd ? " O" : " E");
    FieldDescription f;
    f.key = weightKey(m, n, odd);
    f.objectName = "m_p" + mn + (odd ? "LineEdit_3" : "LineEdit_2");
    f.caption = {"模式功率占比P" + mn + suffix, "power weight of LP" + mn + suffix};
    f.defaultText = (m == 0 && n <= 2) ? "1" : "0";
    // Every weight takes the shared range of a weight: the E weights (and
    // those of order 0) through the page validator too, the O weights, typed
    // freely on the page, through the range check of evaluate().
    f = withRange(f, inputranges::kModeWeight);
    f.format = "g6";
    // 恢复默认参数 starts from an LP01+LP02+LP11+LP12 mixture and leaves the O
    // weights as typed.
    if (odd)
        f.keptByRestore = true;
    else if (m == 1 && n <= 2)
        f.restoreText = "1";
    return f;
}

CalculatorDescription beamDescription()
{
    CalculatorDescription s;
    s.id = "modes.beam_quality";
    s.title = {"光束质量因子", "beam quality of an LP-mode mixture"};
    s.page = "fbmode";
    s.tab = 1;
    for (int m = 0; m < 5; ++m)
        for (int n = 1; n <= 4; ++n) {
            s.fields.push_back(weightField(m, n, false));
            if (m > 0)
                s.fields.push_back(weightField(m, n, true));
        }
    s.fields.push_back(outputField("m2x", "m_m2xLineEdit_2",
                                   {"x方向光束质量M2X", "beam quality along x, M²x"}, "", "g4"));
    s.fields.push_back(outputField("m2y", "m_m2yLineEdit_2",
                                   {"y方向光束质量M2y", "beam quality along y, M²y"}, "", "g4"));
    FieldDescription map =
        outputField("mixture_map", "customPlot_3",
                    {"模式功率比例图（501×501，±2a；行为x，列为y）",
                     "intensity map of the mixture, 501×501 over ±2a; row = x, column = y"},
                    "", "g6");
    map.kind = ValueKind::Map;
    s.fields.push_back(map);
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"输入模式功率比例（未保存）"},
               {"x方向光束质量M2X", "m2x"},
               {"y方向光束质量M2y", "m2y"}};
    return s;
}

class BeamQualityCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override { return m_description; }

    Result evaluate(const Inputs &given) const override
    {
        const Inputs inputs = withDefaults(m_description, given);
        Result outOfRange;
        if (refuseOutOfRange(m_description, inputs, outOfRange))
            return outOfRange;
        // The page checks the fields row by row: E (or the single order-0
        // field) before O.
        for (int m = 0; m < 5; ++m)
            for (int n = 1; n <= 4; ++n)
                for (bool odd : {false, true}) {
                    if (odd && m == 0)
                        continue;
                    if (textOf(inputs, weightKey(m, n, odd)).empty())
                        return refusal(kEmptyInputNotice, weightKey(m, n, odd));
                }

        ModeWeights weights;
        for (int m = 0; m < 5; ++m)
            for (int n = 1; n <= 4; ++n) {
                const int k = beamQualityIndex(m, n);
                weights.e[k] = numberOf(inputs, weightKey(m, n, false));
                weights.o[k] = m == 0 ? 0.0 : numberOf(inputs, weightKey(m, n, true));
            }
        double total = 0;
        for (int k = 0; k < static_cast<int>(weights.e.size()); ++k)
            total += weights.e[k] + weights.o[k];
        if (!(total > 0)) // no power in any mode: no beam to measure
            return refusal({"至少一个模式的功率占比必须大于0",
                            "at least one mode's power weight must be above 0"},
                           blamedInput(m_description, inputs, {"p01"}));
        const BeamQuality quality = computeBeamQuality(weights);

        Result result;
        result.outputs["m2x"] = scalar(quality.m2x, formatNumber(quality.m2x, 'g', 4), "");
        result.outputs["m2y"] = scalar(quality.m2y, formatNumber(quality.m2y, 'g', 4), "");
        OutputValue map;
        computeMixtureGrid(quality.normalized, map.data);
        map.shape = {static_cast<std::size_t>(kFieldGridSize),
                     static_cast<std::size_t>(kFieldGridSize)};
        result.outputs["mixture_map"] = std::move(map);
        return result;
    }

private:
    CalculatorDescription m_description = beamDescription();
};

} // namespace

std::unique_ptr<Calculator> makeBeamQualityCalculator()
{
    return std::make_unique<BeamQualityCalculator>();
}

} // namespace velmora::calc::modes
