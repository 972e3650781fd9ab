#include "sweepseries.h"

#include "textformat.h"

#include <cmath>
#include <limits>
#include <map>

using namespace velmora::calc;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The abscissa of curve outputs: the first curve the description lists (the
// wavelength of a spectrum).
const FieldDescription *firstCurve(const CalculatorDescription &description)
{
    for (const FieldDescription &f : description.fields)
        if (f.role == FieldRole::Output && f.kind == ValueKind::Curve)
            return &f;
    return nullptr;
}

double interpolate(const std::vector<double> &x, const std::vector<double> &y, double at)
{
    if (x.size() != y.size() || x.size() < 2)
        return kNaN;
    for (std::size_t i = 1; i < x.size(); ++i) {
        const double x0 = x[i - 1], x1 = x[i];
        if ((at >= x0 && at <= x1) || (at <= x0 && at >= x1)) {
            if (x1 == x0)
                return y[i];
            const double t = (at - x0) / (x1 - x0);
            return y[i - 1] + t * (y[i] - y[i - 1]);
        }
    }
    return kNaN;
}

std::string outputText(const CalculatorDescription &description, const std::string &key,
                       double sampleAt, const Result &result)
{
    if (key.empty() || result.refused)
        return {};
    const auto it = result.outputs.find(key);
    if (it == result.outputs.end())
        return {};
    if (it->second.shape.empty())
        return it->second.text;
    const double v = sweepOutputValue(description, key, sampleAt, result);
    return std::isfinite(v) ? formatNumber(v, 'g', 6) : std::string();
}

std::string caption(const CalculatorDescription &description, const std::string &key, bool english)
{
    const FieldDescription *f = description.field(key);
    if (!f)
        return key;
    return english ? f->caption.en : f->caption.zh;
}

// The guided-mode list of the first computed point, as "LPmn" names; empty
// when the calculator lists no modes.
std::vector<std::string> modeNames(const SweepResult &result)
{
    for (const SweepPoint &point : result.points) {
        const auto m = point.result.outputs.find("m");
        const auto n = point.result.outputs.find("n");
        if (point.result.refused || m == point.result.outputs.end() ||
            n == point.result.outputs.end() || m->second.data.size() != n->second.data.size())
            continue;
        std::vector<std::string> names;
        for (std::size_t i = 0; i < m->second.data.size(); ++i)
            names.push_back("LP" + std::to_string(std::lround(m->second.data[i])) +
                            std::to_string(std::lround(n->second.data[i])));
        return names;
    }
    return {};
}

} // namespace

double sweepOutputValue(const CalculatorDescription &description, const std::string &key,
                        double sampleAt, const Result &result)
{
    const auto it = result.outputs.find(key);
    if (result.refused || it == result.outputs.end())
        return kNaN;
    const OutputValue &out = it->second;
    if (out.shape.empty())
        return out.value;
    const FieldDescription *axis = firstCurve(description);
    if (out.shape.size() != 1 || !axis || axis->key == key)
        return kNaN;
    const auto xs = result.outputs.find(axis->key);
    return xs == result.outputs.end() ? kNaN : interpolate(xs->second.data, out.data, sampleAt);
}

SweepTable tabulateSweep(const CalculatorDescription &description, const SweepSetup &setup,
                         const SweepResult &result, bool english)
{
    SweepTable table;
    const bool grouped = !setup.groupKey.empty();
    const std::vector<std::string> modes =
        grouped && setup.groupKey == "mode" ? modeNames(result) : std::vector<std::string>();
    const bool byMode = !modes.empty();
    // Series in a fixed order: output 1 (per group), then output 2 (per group).
    std::map<std::pair<int, int>, std::size_t> seriesIndex;
    auto seriesFor = [&](int axis, int group) -> SweepSeries & {
        const auto key = std::make_pair(axis, group);
        auto found = seriesIndex.find(key);
        if (found == seriesIndex.end()) {
            SweepSeries s;
            s.axis = axis;
            s.name = caption(description, axis == 1 ? setup.output1 : setup.output2, english);
            if (byMode)
                s.name += " (" + modes[std::size_t(group)] + ")";
            else if (grouped)
                s.name += " (" + caption(description, setup.groupKey, english) + " " +
                          std::to_string(group) + ")";
            table.series.push_back(std::move(s));
            found = seriesIndex.emplace(key, table.series.size() - 1).first;
        }
        return table.series[found->second];
    };
    // Create every series up front so their order does not depend on which
    // point was refused first.
    const int groups = byMode    ? std::min(setup.groupCount, int(modes.size()))
                       : grouped ? std::max(setup.groupCount, 1)
                                 : 1;
    for (int axis : {1, 2}) {
        if ((axis == 1 ? setup.output1 : setup.output2).empty())
            continue;
        for (int g = 0; g < groups; ++g)
            seriesFor(axis, grouped ? g : -1);
    }

    for (const SweepPoint &point : result.points) {
        SweepRow row;
        row.x = point.sweptValues.empty() ? kNaN : point.sweptValues[0];
        if (grouped && point.sweptValues.size() > 1)
            row.group = int(std::lround(point.sweptValues[1]));
        if (byMode && (row.group < 0 || row.group >= groups))
            continue; // a mode the fiber does not guide
        row.output1 = outputText(description, setup.output1, setup.sampleAt, point.result);
        row.output2 = outputText(description, setup.output2, setup.sampleAt, point.result);
        row.value1 = sweepOutputValue(description, setup.output1, setup.sampleAt, point.result);
        row.value2 = sweepOutputValue(description, setup.output2, setup.sampleAt, point.result);
        for (const Notice &n : point.result.notices) {
            if (!row.notice.empty())
                row.notice += "; ";
            row.notice += english ? n.text.en : n.text.zh;
        }
        table.rows.push_back(row);
        if (point.result.refused)
            continue;
        for (int axis : {1, 2}) {
            const std::string &key = axis == 1 ? setup.output1 : setup.output2;
            if (key.empty())
                continue;
            const double y = sweepOutputValue(description, key, setup.sampleAt, point.result);
            if (!std::isfinite(y) || !std::isfinite(row.x))
                continue;
            SweepSeries &s = seriesFor(axis, row.group);
            s.x.push_back(row.x);
            s.y.push_back(y);
        }
    }
    return table;
}
