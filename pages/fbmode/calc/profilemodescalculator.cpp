#include "profilemodescalculator.h"

#include "fielddescriptions.h"
#include "inputreader.h"
#include "profileinputs.h"
#include "rangecheck.h"
#include "textformat.h"

#include <cmath>

namespace velmora::calc {

namespace {

constexpr double kTwoPi = 6.283185307179586;

FieldDescription choiceInput(std::string key, Text caption, std::string defaultText,
                             std::vector<std::string> choices, bool required = true)
{
    FieldDescription f;
    f.key = std::move(key);
    f.kind = ValueKind::Choice;
    f.caption = std::move(caption);
    f.defaultText = std::move(defaultText);
    f.choices = std::move(choices);
    f.required = required;
    return f;
}

FieldDescription column(std::string key, Text caption, std::string unit, std::string format)
{
    FieldDescription f;
    f.key = std::move(key);
    f.role = FieldRole::Output;
    f.kind = ValueKind::Curve;
    f.gapsAllowed = true; // a table column: rows where a quantity does not apply stay empty
    f.caption = std::move(caption);
    f.unit = std::move(unit);
    f.format = std::move(format);
    return f;
}

CalculatorDescription makeDescription()
{
    using namespace inputranges;
    CalculatorDescription s;
    s.id = "modes.profile";
    s.title = {"任意折射率分布的精确模式", "Exact modes of any index profile"};
    s.page = "fbmode";
    s.tab = 3;
    FieldDescription alpha =
        numberInput("alpha", "", {"幂律指数α", "profile exponent α"}, "", 1.0, "2", 0.5, 100);
    s.fields = {
        choiceInput("profile", {"折射率分布", "index profile"}, "layers",
                    {"layers", "power_law", "table"}),
        choiceInput("layers", {"各层外半径:折射率", "layers (outer radius μm:index)"},
                    "10:1.452,30:1.451", {}, false),
        withRange(
            numberInput("n_clad", "", {"包层折射率", "cladding index"}, "", 1.0, "1.45", 0, 0),
            kRefractiveIndex),
        withRange(numberInput("a_um", "", {"纤芯半径a", "core radius a"}, "μm", 1e-6, "25", 0, 0),
                  kFiberRadius),
        withRange(numberInput("n1", "", {"纤芯中心折射率n1", "core centre index n1"}, "", 1.0,
                              "1.47", 0, 0),
                  kRefractiveIndex),
        withRange(
            numberInput("n2", "", {"包层折射率n2", "cladding index n2"}, "", 1.0, "1.45", 0, 0),
            kRefractiveIndex),
        alpha,
        choiceInput("table_file", {"折射率分布文件", "index profile file"}, "", {}, false),
        withRange(numberInput("lambda_nm", "", {"波长λ", "wavelength λ"}, "nm", 1e-9, "1064", 0, 0),
                  kWavelength),
        choiceInput("vector", {"矢量模式", "vector modes"}, "0", {"0", "1"}),
        withRange(
            numberInput("rd_um", "", {"掺杂半径r_d", "doped radius r_d"}, "μm", 1e-6, "10", 0, 0),
            kFiberRadius),
        numberOutput("count", "", {"LP导模数量", "guided LP modes"}, "", 1.0, "g6"),
        numberOutput("leaky_count", "", {"LP泄漏模数量", "leaky LP modes"}, "", 1.0, "g6"),
        numberOutput("convergence", "", {"收敛检验(neff变化)", "convergence check (neff change)"},
                     "", 1.0, "g3"),
        column("mode", {"模式", "mode"}, "", ""),
        column("kind", {"类型", "kind"}, "", ""),
        column("neff", {"有效折射率", "effective index"}, "", "f12"),
        column("neff_imag", {"有效折射率虚部", "imaginary part of neff"}, "", "g4"),
        column("loss_db_km", {"泄漏损耗", "leakage loss"}, "dB/km", "g4"),
        column("loss_db_m", {"泄漏损耗", "leakage loss"}, "dB/m", "g4"),
        column("aeff", {"有效面积", "effective area"}, "μm²", "f3"),
        column("mfd_um", {"模场直径(Petermann II)", "mode-field diameter (Petermann II)"}, "μm",
               "f3"),
        column("core_fraction", {"纤芯功率比例", "core power fraction"}, "", "f6"),
        column("doped_overlap", {"掺杂区重叠", "doped-radius overlap"}, "", "f6"),
        column("group_index", {"群折射率", "group index"}, "", "f8"),
        column("dispersion", {"波导色散", "waveguide dispersion"}, "ps/(nm·km)", "f4"),
        column("profile_r_um", {"分布半径", "profile radius"}, "μm", "g6"),
        column("profile_n", {"分布折射率", "profile index"}, "", "f6"),
    };
    return s;
}

Result refuse(const Text &text, const std::string &key)
{
    return refusal(text, key);
}

double normalisedFrequency(double lambda, double radius, double nMax, double nClad)
{
    return kTwoPi / lambda * radius * std::sqrt((nMax - nClad) * (nMax + nClad));
}

} // namespace

const CalculatorDescription &ProfileModesCalculator::description() const
{
    static const CalculatorDescription s = makeDescription();
    return s;
}

ProfileModeCheck ProfileModesCalculator::check(const Inputs &inputs) const
{
    ProfileModeCheck out;
    const InputReader in(description(), inputs);
    if (in.anyEmpty({"lambda_nm", "rd_um"})) {
        out.refusal = refusal(kEmptyInputNotice);
        return out;
    }
    Result ranges;
    // Every typed number is checked, also those the chosen profile does not
    // read, so a script's mistake shows whichever profile it asks for.
    if (refuseOutOfRange(description(), in.all(), ranges,
                         {"lambda_nm", "rd_um", "n_clad", "a_um", "n1", "n2", "alpha"})) {
        out.refusal = ranges;
        return out;
    }
    ProfileRequest request;
    const double lambda = in.number("lambda_nm") * 1e-9;
    request.vectorModes = in.text("vector") == "1";
    request.dopedRadius = in.number("rd_um") * 1e-6;
    const std::string kind = in.text("profile");
    Text problem;
    if (kind == "layers") {
        if (in.anyEmpty({"n_clad"})) {
            out.refusal = refusal(kEmptyInputNotice);
            return out;
        }
        const std::optional<LayerList> layers = parseLayers(in.text("layers"), &problem);
        if (!layers) {
            out.refusal = refuse(problem, "layers");
            return out;
        }
        request.kind = ProfileRequest::Kind::Layers;
        request.layers.radii = layers->radius;
        request.layers.indices = layers->index;
        request.layers.nClad = in.number("n_clad");
        request.layers.lambda = lambda;
        const std::string reason = layeredFiberProblem(request.layers);
        if (!reason.empty()) {
            out.refusal = refuse({"无导模：没有一层的折射率高于包层", reason}, "layers");
            return out;
        }
        double nMax = 0;
        for (double n : layers->index)
            nMax = std::max(nMax, n);
        if (!(normalisedFrequency(lambda, layers->radius.back(), nMax, request.layers.nClad) <=
              kProfileMaxVLayered)) {
            out.refusal = refuse({"归一化频率(按最外层半径与最高折射率)不超过100",
                                  "the normalized frequency of the outer radius and highest index "
                                  "must not exceed 100"},
                                 "layers");
            return out;
        }
        if (request.vectorModes && nMax / request.layers.nClad > 1.5) {
            out.refusal = refuse({"矢量模式仅适用于折射率比不超过1.5",
                                  "vector modes need an index ratio of at most 1.5"},
                                 "vector");
            return out;
        }
    } else {
        request.kind =
            kind == "table" ? ProfileRequest::Kind::Table : ProfileRequest::Kind::PowerLaw;
        request.graded.lambda = lambda;
        if (request.kind == ProfileRequest::Kind::PowerLaw) {
            if (in.anyEmpty({"a_um", "n1", "n2", "alpha"})) {
                out.refusal = refusal(kEmptyInputNotice);
                return out;
            }
            request.graded.kind = GradedProfile::Kind::PowerLaw;
            request.graded.a = in.number("a_um") * 1e-6;
            request.graded.n1 = in.number("n1");
            request.graded.n2 = in.number("n2");
            request.graded.alpha = in.number("alpha");
            if (!(request.graded.n1 > request.graded.n2)) {
                out.refusal = refuse(
                    {"纤芯折射率应大于包层折射率", "the core index must exceed the cladding index"},
                    "n1");
                return out;
            }
        } else {
            const std::optional<ProfileTable> table =
                readProfileTable(in.text("table_file"), &problem);
            if (!table) {
                out.refusal = refuse(problem, "table_file");
                return out;
            }
            request.graded.kind = GradedProfile::Kind::Table;
            request.graded.tableRadius = table->radius;
            request.graded.tableIndex = table->index;
        }
        const std::string reason = gradedProfileProblem(request.graded);
        if (!reason.empty()) {
            out.refusal = refuse({"折射率分布无法求解：" + reason, reason},
                                 kind == "table" ? "table_file" : "alpha");
            return out;
        }
        const double v =
            normalisedFrequency(lambda, gradedEdge(request.graded), gradedMaxIndex(request.graded),
                                gradedCladdingIndex(request.graded));
        if (!(v <= kProfileMaxVGraded)) {
            out.refusal =
                refuse({"渐变分布的归一化频率不超过60",
                        "the normalized frequency of a graded profile must not exceed 60"},
                       kind == "table" ? "table_file" : "a_um");
            return out;
        }
        if (request.vectorModes) {
            out.refusal = refuse({"矢量模式仅适用于分层(阶跃)分布",
                                  "vector modes are solved for layered profiles only"},
                                 "vector");
            return out;
        }
    }
    out.request = request;
    return out;
}

Result ProfileModesCalculator::results(const ProfileModeSet &set) const
{
    ResultBuilder out(description());
    out.number("count", set.lpCount, std::to_string(set.lpCount));
    out.number("leaky_count", set.leakyCount, std::to_string(set.leakyCount));
    out.number("convergence", set.convergence, formatNumber(set.convergence, 'g', 3));
    std::vector<std::string> names, kinds;
    std::vector<double> neff, imag, lossKm, lossM, aeff, mfd, core, doped, ng, dispersion;
    for (const ProfileModeRow &row : set.rows) {
        names.push_back(row.name);
        kinds.push_back(row.leaky ? "leaky" : "guided");
        neff.push_back(row.neff);
        imag.push_back(row.neffImag);
        lossKm.push_back(row.lossDbPerKm);
        lossM.push_back(row.lossDbPerKm * 1e-3);
        aeff.push_back(row.effectiveArea * 1e12);
        mfd.push_back(row.mfd * 1e6);
        core.push_back(row.coreFraction);
        doped.push_back(row.dopedOverlap);
        ng.push_back(row.groupIndex);
        dispersion.push_back(row.dispersion);
    }
    const std::size_t n = set.rows.size();
    out.labels("mode", std::move(names));
    out.labels("kind", std::move(kinds));
    out.array("neff", std::move(neff), {n});
    out.array("neff_imag", std::move(imag), {n});
    out.array("loss_db_km", std::move(lossKm), {n});
    out.array("loss_db_m", std::move(lossM), {n});
    out.array("aeff", std::move(aeff), {n});
    out.array("mfd_um", std::move(mfd), {n});
    out.array("core_fraction", std::move(core), {n});
    out.array("doped_overlap", std::move(doped), {n});
    out.array("group_index", std::move(ng), {n});
    out.array("dispersion", std::move(dispersion), {n});
    std::vector<double> radius;
    for (double r : set.profileRadius)
        radius.push_back(r * 1e6);
    out.array("profile_r_um", std::move(radius), {set.profileRadius.size()});
    out.array("profile_n", set.profileIndex, {set.profileIndex.size()});
    if (set.leakyUnresolved > 0)
        out.notice({std::to_string(set.leakyUnresolved) +
                        "个泄漏模损耗过高，超出解析延拓的适用范围，未列出",
                    std::to_string(set.leakyUnresolved) +
                        " leaky mode(s) not listed: their loss is too high for the continuation "
                        "from the real axis"});
    if (set.vectorExpected != set.vectorFound)
        out.notice({"矢量模式数量" + std::to_string(set.vectorFound) + "，LP模式对应" +
                        std::to_string(set.vectorExpected) + "个（其余在矢量截止以下）",
                    std::to_string(set.vectorFound) + " vector modes found of the " +
                        std::to_string(set.vectorExpected) +
                        " the LP modes imply (the others lie beyond their vector cutoff)"});
    return out.take();
}

Result ProfileModesCalculator::evaluate(const Inputs &inputs) const
{
    ProfileModeCheck checked = check(inputs);
    if (!checked.request)
        return checked.refusal;
    const ProfileModeSet set = computeProfileModes(*checked.request);
    if (!set.problem.empty())
        return refusal({"折射率分布无法求解：" + set.problem, set.problem}, "profile");
    return results(set);
}

} // namespace velmora::calc
