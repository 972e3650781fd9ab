#ifndef VELMORA_CALCULATOR_H
#define VELMORA_CALCULATOR_H

// A calculator is one tab of one page, described without widgets: its fields
// (inputs, outputs and linked fields, each with a key, the page widget's
// object name, caption, unit, default and accepted range) and a pure
// evaluate() that holds the tab's checks and formulas. The page slot, the
// command line, the Python module, saved designs and sweeps all go through
// these two, so each rule lives in one place.
//
// No Qt GUI here: the catalogue builds into velmora_calculators, which links
// only velmora_physics and Qt5::Core (for the page's exact number texts).

#include <cstddef>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace velmora::calc {

enum class FieldRole {
    Input,  // typed by the user, read by evaluate()
    Output, // written from evaluate()'s results
    Linked  // an input the page rewrites from its partner (rad <-> deg, Hz <-> nm)
};

enum class ValueKind {
    Number, // one double; text in the page's format
    Choice, // one of `choices` (combo box text, radio button, check box "0"/"1")
    Curve,  // samples (shape {n}); e.g. a spectrum or the χ(f) curve
    Map     // row-major grid (shape {rows, cols}); e.g. a 501×501 field map
};

// The property of a fiber a number input holds, whatever its key spells
// (`b_um` is the pump-cladding radius on one tab and the doped radius on
// another): "使用当前光纤" fills a tab by it. None for an input that is not a
// property of the fiber (a prism's index, a laser's spectral width).
enum class FiberQuantity {
    None,
    CoreRadius,
    DopedRadius,
    PumpCladdingRadius,
    NumericalAperture,
    CoreIndex,
    CladdingIndex,
    FiberLength, // also a fiber laser's cavity length
    SignalWavelength,
    PumpWavelength,
    YbConcentration,
    BackgroundLoss,  // dB/m
    ModeFieldRadius, // LP01 at the signal wavelength
};

// A two-language text: Chinese is the page's own text, English the translation.
struct Text {
    std::string zh;
    std::string en;
};

struct FieldDescription {
    std::string key;        // snake_case, page unit as suffix: "a_um", "lambda_nm", "n1"
    std::string objectName; // the page widget holding it ("m_aLineEdit"); empty when none
    FieldRole role = FieldRole::Input;
    ValueKind kind = ValueKind::Number;
    Text caption;            // without the unit ("纤芯半径" / "core radius")
    std::string unit;        // page unit as shown ("μm", "nm", "W", "" when dimensionless)
    double toSI = 1.0;       // page value × toSI = SI value
    std::string defaultText; // the page's default text ("" for outputs)
    double min = -std::numeric_limits<double>::infinity(); // accepted range, inclusive
    double max = std::numeric_limits<double>::infinity();
    bool required = true;             // an empty text is refused ("请确保输入参数不为空")
    std::vector<std::string> choices; // ValueKind::Choice: accepted texts
    std::string format;               // display format, e.g. "g4", "f4", "%.2g" (documentation)
    // The tab answers exactly 0 in this field with a rule of its own (an empty
    // or non-numeric text reads as 0; a zero divisor has its notice, or shows
    // inf as on the page), so the range check lets 0 through to it.
    bool zeroPassesRangeCheck = false;
    // A curve or map whose entries may be NaN or inf where the quantity does
    // not exist for that row (a table column: LP01 has no cutoff). Every
    // other output is finite or the calculator refuses (finiteguard.h).
    bool gapsAllowed = false;

    // The window's 清空 and 恢复默认参数 loop over the fields of the tab shown:
    // 清空 empties every output field unless keptByClear; 恢复默认参数 writes
    // restoreText (when set, also into an output) or else the defaultText of
    // an input or linked field, unless keptByRestore leaves what was typed.
    bool keptByClear = false;
    std::string restoreText;
    bool keptByRestore = false;

    // What the current fiber writes here (None: nothing).
    FiberQuantity fiberQuantity = FiberQuantity::None;
    // ValueKind::Choice: a stable ASCII id for each of `choices`, same order
    // ("amplifier", "laser"), accepted by the command line and Python beside
    // the page text and written in their files; empty when the choices are
    // ASCII already.
    std::vector<std::string> choiceIds;
};

// How an exported sheet shows a field: its text, the current item of its
// combo box, which of the row's buttons is checked (FiberType: the nonlinear
// page's transmission and gain fiber), or a check box as 是 or 否.
enum class SheetCell { Text, ComboText, FiberType, CheckState };

// A button of a SheetCell::FiberType row: its object name, and the text the
// sheet writes (a Chinese caption, translated as the sheet captions are)
// when it is the first of the row's buttons that is checked.
struct SheetButton {
    std::string objectName;
    std::string text;
};

// One row of a tab's exported sheet: column 1 the caption (none when empty),
// column 2 the field `key` as the page shows it (none when the key is empty).
struct SheetRow {
    std::string caption;
    std::string key = {};
    SheetCell cell = SheetCell::Text;
    std::vector<SheetButton> buttons = {}; // SheetCell::FiberType: in order
    // The English caption, for captions made from the fields' own texts
    // (sheetRowsFromFields); empty: the translation catalogue has it.
    std::string captionEn = {};
};

// A table widget copied cell by cell below the rows, under a header row.
struct SheetTable {
    std::string objectName; // empty: no table
    std::vector<std::string> headers;
    // English headers where they are made from texts of the description (as
    // captionEn); an empty one, or none, leaves it to the catalogue.
    std::vector<std::string> headersEn = {};
};

struct CalculatorDescription {
    std::string id;   // "optics.refraction"
    Text title;       // the tab text, and its English
    std::string page; // page folder ("bscoptlaw")
    int tab = 0;      // tab index on that page
    std::vector<FieldDescription> fields;
    // Object names of fields on other tabs of the page that 恢复默认参数 on
    // this tab also restores (to their own default text).
    std::vector<std::string> restoresAlso;
    // The tab's rows in an exported sheet and the table below them; empty:
    // no sheet of its own (the export lists inputs and outputs generically or,
    // for a second calculator of a tab, uses the first one's).
    std::vector<SheetRow> sheet;
    SheetTable sheetTable;

    const FieldDescription *field(const std::string &key) const;
};

struct OutputValue {
    double value = std::numeric_limits<double>::quiet_NaN(); // scalar outputs
    std::string text;                                        // exactly what the page shows
    std::vector<double> data;                                // curves and maps
    std::vector<std::size_t> shape; // {} scalar, {n} curve, {rows, cols} map
    std::string unit;
    bool integer = false; // a count (iterations, grid intervals): ints in Python
    // A column of names instead of numbers (a mode table's "LP01", "HE11";
    // shape {n}, data empty): strings on the command line and in Python.
    std::vector<std::string> labels;
};

struct Notice {
    Text text;       // the page's notice and its English
    std::string key; // the input it is about, "" when none
};

// Inputs are texts, exactly as they would be typed into the page fields, so
// the command line, Python and the page share the page's reading rules.
using Inputs = std::map<std::string, std::string>;

struct Result {
    bool refused = false; // a check failed: nothing computed; notices say why
    // Refused not for an input but because the numerical method found no
    // converged result (Python raises velmora.SolverError, not InputError).
    bool solverFailure = false;
    std::map<std::string, OutputValue> outputs;
    std::vector<Notice> notices;
};

// What one evaluation is expected to cost, from the calculator's own model
// (the mode solver by its V number, ...): compared with the limit of
// costlimit.h before the work starts.
struct CostEstimate {
    double seconds = 0;
    double bytes = 0;  // beyond the result itself
    std::string basis; // what the estimate rests on ("V = 1571"), for the message
    // The inputs the cost grows with, most telling first: a refusal names
    // the first of them the user changed.
    std::vector<std::string> drivenBy = {};
};

class Calculator
{
public:
    virtual ~Calculator() = default;
    virtual const CalculatorDescription &description() const = 0;
    // Missing keys take the description defaults. Never throws for bad input: a
    // refused input is a Result with refused = true and a notice naming it.
    virtual Result evaluate(const Inputs &inputs) const = 0;
    // Linked fields (degrees <-> radians, Hz <-> nm): the input texts after
    // the user finished editing `key`, as the page's editingFinished() slot
    // leaves them (`inputs` holds every input key). The default has no links.
    virtual Inputs linkEdited(const Inputs &inputs, const std::string &key) const
    {
        (void)key;
        return inputs;
    }
    // The cost of evaluate(inputs), estimated without doing the work; the
    // default is for calculators that finish in milliseconds whatever the
    // accepted inputs. Costly ones state their model here.
    virtual CostEstimate estimateCost(const Inputs &inputs) const
    {
        (void)inputs;
        return {};
    }
};

} // namespace velmora::calc

#endif // VELMORA_CALCULATOR_H
