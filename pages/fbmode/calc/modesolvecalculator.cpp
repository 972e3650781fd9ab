// modes.solve and modes.field_map: the guided modes of "模式分布" and the
// field map of one of them.

#include "fbmodecalculators.h"
#include "fiberinputs.h"
#include "modelist.h"

#include "fieldmaps.h"
#include "modenotice.h"
#include "modesolver.h"
#include "textformat.h"
#include "vectormodes.h"

#include <cmath>
#include <limits>
#include <memory>

namespace velmora::calc::modes {
namespace {

constexpr double kTwoPi = 6.283185307179586;

CalculatorDescription solveDescription()
{
    CalculatorDescription s;
    s.id = "modes.solve";
    s.title = {"模式分布", "guided LP modes"};
    s.page = "fbmode";
    s.tab = 0;
    s.fields = modeTabFiberFields();
    // 恢复默认参数 on this tab has always reset the bend radius too.
    s.restoresAlso = {"m_RlineEdit_2"};
    s.fields.push_back(
        outputField("v", "m_VLineEdit_2", {"归一化截止频率V", "normalised frequency V"}, "", "f4"));
    s.fields.push_back(outputField("mode_count", "m_NnumLineEdit_2",
                                   {"传导模数量N", "number of guided LP modes N"}, "", "d"));
    s.fields.push_back(curveField("mode", "tableWidget", {"模式", "mode"}, "", ""));
    s.fields.push_back(curveField("m", "tableWidget", {"m", "azimuthal order m"}, "", "d"));
    s.fields.push_back(curveField("n", "tableWidget", {"n", "radial order n"}, "", "d"));
    s.fields.push_back(
        curveField("beta", "tableWidget", {"β", "propagation constant β"}, "1/m", "g6"));
    s.fields.push_back(curveField("neff", "tableWidget", {"neff", "effective index"}, "", "g8"));
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},           {"纤芯半径a[μm]", "a_um"}, {"激光波长λ[nm]", "lambda_nm"},
               {"数值孔径NA", "na"}, {"纤芯折射率n1", "n1"},    {"包层折射率n2", "n2"},
               {"输出项"},           {"归一化截止频率V", "v"},  {"传导模数量N", "mode_count"}};
    s.sheetTable = {"tableWidget", {"m", "n", "β", "neff"}};
    return s;
}

class SolveCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override { return m_description; }
    CostEstimate estimateCost(const Inputs &inputs) const override
    {
        return modeSolveCost(withDefaults(m_description, inputs));
    }
    Inputs linkEdited(const Inputs &inputs, const std::string &key) const override
    {
        return linkFiberIndices(inputs, key);
    }

    Result evaluate(const Inputs &given) const override
    {
        const Inputs inputs = withDefaults(m_description, given);
        Result result;
        CheckedFiber fiber;
        if (!checkModeTabFiber(m_description, inputs, true, &fiber, &result))
            return result;

        const double v = fiber.na * (kTwoPi / fiber.lambda) * fiber.a;
        const ModeSet modes = solveModes(fiber.a, fiber.lambda, fiber.n1, fiber.n2);
        const std::vector<ModeRow> rows = modeRows(modes);

        std::vector<double> m, n, beta, neff;
        OutputValue names;
        for (const ModeRow &row : rows) {
            names.labels.push_back("LP" + orderLabel(row.m, row.n));
            m.push_back(row.m);
            n.push_back(row.n);
            beta.push_back(propagationConstant(row.neff, fiber.lambda));
            neff.push_back(row.neff);
        }
        std::string naText = fiber.naText;
        if (rows.empty())
            result.notices.push_back({kNoGuidedMode, ""});
        else // the page shows the first mode at once, which applies the NA rule again
            naText = reconcileNaText(fiber.n1, fiber.n2, naText, nullptr);
        const std::string incomplete = incompleteModeListNotice(modes);
        if (!incomplete.empty())
            result.notices.push_back(
                {{incomplete, incompleteModeListNoticeEn(modes)}, "mode_count"});

        result.outputs["na"] = scalar(readNumber(naText), naText, "");
        result.outputs["v"] = scalar(v, formatNumber(v, 'f', 4), "");
        result.outputs["mode_count"] = scalar(modes.modeTotal, std::to_string(modes.modeTotal), "");
        result.outputs["mode_count"].integer = true;
        names.shape = {names.labels.size()};
        result.outputs["mode"] = std::move(names);
        result.outputs["m"] = curve(std::move(m), "");
        result.outputs["n"] = curve(std::move(n), "");
        result.outputs["beta"] = curve(std::move(beta), "1/m");
        result.outputs["neff"] = curve(std::move(neff), "");
        return result;
    }

private:
    CalculatorDescription m_description = solveDescription();
};

// ---- modes.field_map ------------------------------------------------------

const std::vector<std::string> kKinds = {"intensity", "amplitude", "phase"};
const std::vector<std::string> kOrientations = {"E", "O"};
const Text kNoOddOrientation{"LP0n模只有一个偏振方向，请选择E",
                             "An LP0n mode has one orientation only: choose E"};
const Text kMapNotFinite{"该模式的场分布无法计算", "The field of this mode cannot be computed"};

CalculatorDescription fieldMapDescription()
{
    CalculatorDescription s;
    s.id = "modes.field_map";
    s.title = {"模式场分布", "field map of one LP mode"};
    s.page = "fbmode";
    s.tab = 0;
    s.fields = modeTabFiberFields();
    // The map takes n1 and n2 as the fiber, and the NA the list rewrote
    // (sqrt(n1² - n2²), beyond the range table's NA when the index step is
    // large) is only rewritten again. So its range is what two indices of at
    // most 5 allow; an NA above 0.5 that disagrees with them is refused.
    for (FieldDescription &f : s.fields)
        if (f.key == "na") {
            f.min = 0;
            f.max = 5.0;
        }

    // A row of the list: its own rule (a whole number from 0, within the
    // list), not a range of the shared table.
    FieldDescription mode;
    mode.key = "mode";
    mode.objectName = "tableWidget";
    mode.caption = {"模式（导模列表中的行，0为LP01）",
                    "mode: row of the guided-mode list (as modes.solve lists it), 0 = LP01"};
    mode.defaultText = "0";
    mode.format = "d";
    s.fields.push_back(mode);

    FieldDescription orientation;
    orientation.key = "orientation";
    orientation.objectName = "mdcomboBox_3";
    orientation.kind = ValueKind::Choice;
    orientation.caption = {"简并态", "orientation: E = cos mθ, O = sin mθ"};
    orientation.defaultText = "E";
    orientation.choices = kOrientations;
    s.fields.push_back(orientation);

    FieldDescription kind;
    kind.key = "kind";
    kind.objectName = ""; // three radio buttons
    kind.kind = ValueKind::Choice;
    kind.caption = {"模式特性（光强、振幅、相位）", "map of intensity, amplitude or phase"};
    kind.defaultText = "intensity";
    kind.choices = kKinds;
    s.fields.push_back(kind);

    FieldDescription map = outputField("map", "mapPlot",
                                       {"模式场分布（501×501，±2a；行为x，列为y）",
                                        "field map, 501×501 over ±2a; row = x, column = y"},
                                       "", "g6");
    map.kind = ValueKind::Map;
    s.fields.push_back(map);
    s.fields.push_back(
        curveField("x_um", "", {"网格坐标", "grid coordinates of rows and columns"}, "μm", "g6"));
    s.fields.push_back(outputField("m", "", {"m", "azimuthal order m"}, "", "d"));
    s.fields.push_back(outputField("n", "", {"n", "radial order n"}, "", "d"));
    s.fields.push_back(outputField("neff", "", {"neff", "effective index"}, "", "g8"));
    return s;
}

int indexOf(const std::vector<std::string> &list, const std::string &text)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == text)
            return static_cast<int>(i);
    return -1;
}

class FieldMapCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override { return m_description; }
    CostEstimate estimateCost(const Inputs &inputs) const override
    {
        return modeSolveCost(withDefaults(m_description, inputs));
    }
    Inputs linkEdited(const Inputs &inputs, const std::string &key) const override
    {
        return linkFiberIndices(inputs, key);
    }

    Result evaluate(const Inputs &given) const override
    {
        const Inputs inputs = withDefaults(m_description, given);
        Result result;
        const int orientation = indexOf(kOrientations, textOf(inputs, "orientation"));
        if (orientation < 0)
            return refusal({"简并态应为E或O", "orientation must be E or O"}, "orientation");
        const int kind = indexOf(kKinds, textOf(inputs, "kind"));
        if (kind < 0)
            return refusal({"模式特性应为intensity、amplitude或phase",
                            "kind must be intensity, amplitude or phase"},
                           "kind");
        double position = 0;
        if (!parseNumber(textOf(inputs, "mode"), &position) || position < 0 ||
            position != std::floor(position))
            return refusal({"模式序号应为不小于0的整数", "mode must be a whole number from 0"},
                           "mode");

        CheckedFiber fiber;
        if (!checkModeTabFiber(m_description, inputs, false, &fiber, &result))
            return result;
        if (naAboveLimitIgnored(inputs))
            return refusal(kNaAboveHalf, "na");
        const std::vector<ModeRow> rows =
            modeRows(solveModes(fiber.a, fiber.lambda, fiber.n1, fiber.n2));
        if (rows.empty())
            return refusal(kNoGuidedMode, "mode");
        if (position >= static_cast<double>(rows.size()))
            return refusal(kModeOutOfList, "mode");
        const ModeRow &row = rows[static_cast<std::size_t>(position)];
        if (row.m == 0 && orientation == 1)
            return refusal(kNoOddOrientation, "orientation");

        ModeFieldMaps maps;
        computeFieldMaps(fiber.a, fiber.lambda, fiber.n1, fiber.n2, row.neff, row.m, maps);
        std::vector<double> *const grids[3][2] = {{&maps.intensityE, &maps.intensityO},
                                                  {&maps.amplitudeE, &maps.amplitudeO},
                                                  {&maps.phaseE, &maps.phaseO}};
        std::vector<double> &grid = *grids[kind][orientation];
        for (double cell : grid)
            if (!std::isfinite(cell))
                return refusal(kMapNotFinite, "mode");

        OutputValue map;
        map.data = std::move(grid);
        map.shape = {static_cast<std::size_t>(kFieldGridSize),
                     static_cast<std::size_t>(kFieldGridSize)};
        result.outputs["map"] = std::move(map);
        std::vector<double> x(kFieldGridSize);
        for (int k = 0; k < kFieldGridSize; ++k)
            x[k] = fieldCoordinate(fiber.a, k) / 1e-6;
        result.outputs["x_um"] = curve(std::move(x), "μm");
        result.outputs["na"] = scalar(fiber.na, fiber.naText, "");
        result.outputs["m"] = scalar(row.m, std::to_string(row.m), "");
        result.outputs["n"] = scalar(row.n, std::to_string(row.n), "");
        result.outputs["m"].integer = result.outputs["n"].integer = true;
        result.outputs["neff"] = scalar(row.neff, formatNumber(row.neff, 'g', 8), "");
        return result;
    }

private:
    CalculatorDescription m_description = fieldMapDescription();
};

} // namespace

std::unique_ptr<Calculator> makeSolveCalculator()
{
    return std::make_unique<SolveCalculator>();
}

std::unique_ptr<Calculator> makeFieldMapCalculator()
{
    return std::make_unique<FieldMapCalculator>();
}

} // namespace velmora::calc::modes
