#include "pyshortcuts.h"

#include "catalogue.h"
#include "pyrun.h"

#include <string>

namespace py = pybind11;

namespace velmora::python {

namespace {

struct Shortcut {
    const char *name;
    const char *calculatorId;
    const char *summary;
};

const Shortcut kShortcuts[] = {
    {"exact_modes", "modes.exact",
     "Every guided LP mode of a step-index fiber solved exactly, with the properties of each\n"
     "(the exact-mode tab): one array per table column."},
    {"amplifier", "amp.steady_state",
     "Steady state of the Yb fiber amplifier or laser (the fiber-amplifier page): output\n"
     "powers, gain, ASE and the longitudinal and spectral curves."},
};

std::string fieldLine(const calc::FieldDescription &f)
{
    std::string line = "    " + f.key;
    if (!f.unit.empty())
        line += " [" + f.unit + "]";
    if (f.role != calc::FieldRole::Output)
        line += " = " + (f.defaultText.empty() ? std::string("\"\"") : f.defaultText);
    return line + "  " + f.caption.en + "\n";
}

std::string docstring(const Shortcut &shortcut, const calc::CalculatorDescription &description)
{
    std::string doc = std::string(shortcut.summary) + "\n\nThe calculator " + description.id +
                      " (velmora.run) with its outputs as {key: value}. Keyword\n"
                      "inputs in page units, defaults as on the page:\n";
    for (const calc::FieldDescription &f : description.fields)
        if (f.role != calc::FieldRole::Output)
            doc += fieldLine(f);
    doc += "Outputs:\n";
    for (const calc::FieldDescription &f : description.fields)
        if (f.role == calc::FieldRole::Output)
            doc += fieldLine(f);
    return doc + "Refused input raises InputError naming the key.";
}

} // namespace

void addCalculatorShortcuts(py::module_ &module)
{
    for (const Shortcut &shortcut : kShortcuts) {
        const calc::Calculator *calculator = calc::catalogue().find(shortcut.calculatorId);
        if (!calculator)
            continue;
        const std::string id = shortcut.calculatorId;
        module.def(
            shortcut.name,
            [id](const py::kwargs &inputs) {
                py::dict values;
                for (auto item : run(id, inputs)["outputs"].cast<py::dict>())
                    values[item.first] = item.second.cast<py::dict>()["value"];
                return values;
            },
            docstring(shortcut, calculator->description()).c_str());
    }
}

} // namespace velmora::python
