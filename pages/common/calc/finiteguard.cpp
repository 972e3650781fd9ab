#include "finiteguard.h"

#include "costlimit.h"
#include "inputreader.h"
#include "rangecheck.h"
#include "textformat.h"

#include <algorithm>
#include <cmath>

namespace velmora::calc {

namespace {

bool reported(const OutputValue &out)
{
    return !(out.text.empty() && out.data.empty() && std::isnan(out.value) && out.shape.empty());
}

bool finite(const OutputValue &out)
{
    if (out.shape.empty() && !out.text.empty() && !std::isfinite(out.value))
        return false;
    return std::all_of(out.data.begin(), out.data.end(), [](double v) { return std::isfinite(v); });
}

class FiniteGuardedCalculator : public Calculator
{
public:
    explicit FiniteGuardedCalculator(std::unique_ptr<Calculator> inner) : m_inner(std::move(inner))
    {
    }
    const CalculatorDescription &description() const override { return m_inner->description(); }
    Result evaluate(const Inputs &inputs) const override
    {
        // Work above the cost limit is refused before it starts.
        // Inputs outside their ranges are the calculator's to refuse first.
        const CostEstimate cost = inRange(inputs) ? m_inner->estimateCost(inputs) : CostEstimate{};
        if (std::isfinite(cost.seconds) && (cost.seconds > 0 || cost.bytes > 0)) {
            if (auto notice = costRefusal(cost, blamedInput(description(), inputs, cost.drivenBy)))
                return refusal(notice->text, notice->key);
        }
        return finiteOrRefused(description(), inputs, m_inner->evaluate(inputs));
    }
    Inputs linkEdited(const Inputs &inputs, const std::string &key) const override
    {
        return m_inner->linkEdited(inputs, key);
    }
    CostEstimate estimateCost(const Inputs &inputs) const override
    {
        return m_inner->estimateCost(inputs);
    }

private:
    bool inRange(const Inputs &inputs) const
    {
        for (const FieldDescription &f : description().fields) {
            const auto it = inputs.find(f.key);
            if (f.role != FieldRole::Output && f.kind == ValueKind::Number && it != inputs.end() &&
                !it->second.empty() && !textInRange(f, it->second))
                return false;
        }
        return true;
    }

    std::unique_ptr<Calculator> m_inner;
};

} // namespace

std::vector<std::string> changedInputs(const CalculatorDescription &description,
                                       const Inputs &inputs)
{
    std::vector<std::string> keys;
    for (const FieldDescription &f : description.fields) {
        if (f.role == FieldRole::Output)
            continue;
        const auto it = inputs.find(f.key);
        if (it != inputs.end() && it->second != f.defaultText)
            keys.push_back(f.key);
    }
    return keys;
}

std::string blamedInput(const CalculatorDescription &description, const Inputs &inputs,
                        const std::vector<std::string> &candidates)
{
    const std::vector<std::string> changed = changedInputs(description, inputs);
    for (const std::string &key : candidates)
        if (std::find(changed.begin(), changed.end(), key) != changed.end())
            return key;
    return candidates.empty() ? std::string() : candidates.front();
}

Result finiteOrRefused(const CalculatorDescription &description, const Inputs &inputs,
                       Result result)
{
    if (result.refused)
        return result;
    for (const auto &[key, out] : result.outputs) {
        const FieldDescription *field = description.field(key);
        if (!reported(out) || finite(out) || (field && field->gapsAllowed && out.text.empty()))
            continue;
        const std::vector<std::string> changed = changedInputs(description, inputs);
        std::string keys, captions;
        for (std::size_t i = 0; i < changed.size() && i < 4; ++i) {
            keys += (keys.empty() ? "" : ", ") + changed[i];
            captions += (captions.empty() ? "" : "、") + description.field(changed[i])->caption.zh;
        }
        if (changed.size() > 4) {
            keys += ", …";
            captions += "…";
        }
        const std::string caption = field ? field->caption.zh : key;
        Text text{"这组输入下“" + caption + "”不是有限值（超出模型的适用范围）",
                  key + " is not finite for these inputs (outside the model)"};
        if (!keys.empty()) {
            text.zh += "；改动的输入：" + captions;
            text.en += "; inputs changed: " + keys;
        }
        // Every output emptied: the page shows no earlier result beside
        // the notice.
        ResultBuilder cleared(description);
        for (const FieldDescription &f : description.fields)
            if (f.role == FieldRole::Output && f.kind == ValueKind::Number)
                cleared.cleared(f.key);
        cleared.notice(text, changed.empty() ? std::string() : changed.front());
        Result refused = cleared.take();
        refused.refused = true;
        return refused;
    }
    return result;
}

std::unique_ptr<Calculator> finiteGuarded(std::unique_ptr<Calculator> calculator)
{
    return std::make_unique<FiniteGuardedCalculator>(std::move(calculator));
}

} // namespace velmora::calc
