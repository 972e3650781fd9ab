#include "fiberinputs.h"

#include "inputranges.h"
#include "modesolver.h"
#include "rangecheck.h"
#include "textformat.h"

#include <algorithm>
#include <cmath>

namespace velmora::calc::modes {

const Text kCoreBelowClad{"纤芯折射率应大于包层折射率",
                          "The core index must be larger than the cladding index"};
const Text kNaAboveHalf{"数值孔径不超过0.5", "The numerical aperture must not exceed 0.5"};
const Text kNoGuidedMode{"没有传导模，请重新输入", "No guided mode; please change the inputs"};
const Text kModeOutOfList{"所选模式不在导模列表中",
                          "The chosen mode position is not in the list of guided modes"};

Text coreRadiusLimit(double aMaxMicron)
{
    const std::string limit = formatNumber(aMaxMicron, 'g', 6);
    return {"纤芯半径不超过" + limit + "微米", "The core radius must not exceed " + limit + " μm"};
}

std::vector<FieldDescription> fiberFields(const FiberFieldNames &names)
{
    using namespace inputranges;
    std::vector<FieldDescription> fields(5);
    FieldDescription &n1 = fields[0];
    n1.key = "n1";
    n1.objectName = names.n1;
    n1.caption = {"纤芯折射率n1", "core refractive index n1"};
    n1.defaultText = "1.4512";
    n1.required = false;
    n1.format = "%f";
    n1 = withRange(n1, kRefractiveIndex);

    FieldDescription &n2 = fields[1];
    n2.key = "n2";
    n2.objectName = names.n2;
    n2.caption = {"包层折射率n2", "cladding refractive index n2"};
    n2.defaultText = "1.45";
    n2 = withRange(n2, kRefractiveIndex);

    FieldDescription &a = fields[2];
    a.key = "a_um";
    a.objectName = names.a;
    a.caption = {"纤芯半径a", "core radius a"};
    a.unit = "μm";
    a.toSI = 1e-6;
    a.defaultText = names.aDefault;
    a = withRange(a, kFiberRadius);

    FieldDescription &lambda = fields[3];
    lambda.key = "lambda_nm";
    lambda.objectName = names.lambda;
    lambda.caption = {"激光波长λ", "laser wavelength λ"};
    lambda.unit = "nm";
    lambda.toSI = 1e-9;
    lambda.defaultText = "1080";
    lambda = withRange(lambda, kWavelength);

    FieldDescription &na = fields[4];
    na.key = "na";
    na.objectName = names.na;
    na.role = FieldRole::Linked;
    na.caption = {"数值孔径NA", "numerical aperture NA"};
    na.defaultText = "0.0590";
    na.required = false;
    na.format = "%f";
    na = withRange(na, kNumericalAperture);

    n1.fiberQuantity = FiberQuantity::CoreIndex;
    n2.fiberQuantity = FiberQuantity::CladdingIndex;
    a.fiberQuantity = FiberQuantity::CoreRadius;
    lambda.fiberQuantity = FiberQuantity::SignalWavelength;
    na.fiberQuantity = FiberQuantity::NumericalAperture;
    return fields;
}

Inputs linkFiberIndices(const Inputs &given, const std::string &key)
{
    Inputs inputs = given;
    double n1 = numberOf(inputs, "n1");
    const double n2 = numberOf(inputs, "n2");
    double na = numberOf(inputs, "na");
    if (key == "n1") {
        if (textOf(inputs, "n1").empty()) {
            n1 = std::sqrt(na * na + n2 * n2);
            inputs["n1"] = formatNumber(n1, 'g', 6);
        }
        inputs["na"] = formatPrintf("%f", std::sqrt(n1 * n1 - n2 * n2));
    } else if (key == "na") {
        if (textOf(inputs, "na").empty()) {
            na = std::sqrt(n1 * n1 - n2 * n2);
            inputs["na"] = formatNumber(na, 'g', 6);
        }
        if (!(na > kMaxNa))
            inputs["n1"] = formatPrintf("%f", std::sqrt(na * na + n2 * n2));
    }
    return inputs;
}

CostEstimate modeSolveCost(const Inputs &inputs)
{
    const double a = numberOf(inputs, "a_um") * 1e-6;
    const double lambda = numberOf(inputs, "lambda_nm") * 1e-9;
    const double n1 = numberOf(inputs, "n1");
    const double n2 = numberOf(inputs, "n2");
    if (!(a > 0 && lambda > 0 && n1 > n2))
        return {};
    const double v = 6.283185307179586 * a / lambda * std::sqrt(n1 * n1 - n2 * n2);
    return {modeSolverSecondsEstimate(v),
            0,
            "V = " + formatNumber(v, 'g', 4),
            {"a_um", "lambda_nm", "na", "n1", "n2"}};
}

bool naAboveLimitIgnored(const Inputs &inputs)
{
    if (textOf(inputs, "na").empty())
        return false;
    const double na = numberOf(inputs, "na");
    const double n1 = numberOf(inputs, "n1");
    const double n2 = numberOf(inputs, "n2");
    const double fromIndices = std::sqrt(std::max(0.0, n1 * n1 - n2 * n2));
    return na > kMaxNa && !(std::abs(na - fromIndices) < 0.01);
}

FieldDescription outputField(const std::string &key, const char *objectName, Text caption,
                             const std::string &unit, const std::string &format)
{
    FieldDescription f;
    f.key = key;
    f.objectName = objectName;
    f.role = FieldRole::Output;
    f.caption = std::move(caption);
    f.unit = unit;
    f.required = false;
    f.format = format;
    return f;
}

FieldDescription curveField(const std::string &key, const char *objectName, Text caption,
                            const std::string &unit, const std::string &format)
{
    FieldDescription f = outputField(key, objectName, std::move(caption), unit, format);
    f.kind = ValueKind::Curve;
    return f;
}

const std::string &textOf(const Inputs &inputs, const std::string &key)
{
    static const std::string empty;
    const auto it = inputs.find(key);
    return it == inputs.end() ? empty : it->second;
}

std::string firstEmpty(const Inputs &inputs, std::initializer_list<const char *> keys)
{
    for (const char *key : keys)
        if (textOf(inputs, key).empty())
            return key;
    return std::string();
}

double numberOf(const Inputs &inputs, const std::string &key)
{
    return readNumber(textOf(inputs, key));
}

OutputValue scalar(double value, std::string text, const std::string &unit)
{
    OutputValue out;
    out.value = value;
    out.text = std::move(text);
    out.unit = unit;
    return out;
}

OutputValue curve(std::vector<double> values, const std::string &unit)
{
    OutputValue out;
    out.shape = {values.size()};
    out.data = std::move(values);
    out.unit = unit;
    return out;
}

} // namespace velmora::calc::modes
