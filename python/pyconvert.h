#ifndef VELMORA_PYCONVERT_H
#define VELMORA_PYCONVERT_H

// Between Python values and the catalogue's texts: inputs typed as Python
// numbers or strings become the texts a page field would hold, and a
// calculator's Result becomes the dictionary the command line prints as JSON
// (numbers as floats, curves and maps as numpy arrays).

#include "calculator.h"
#include "validation.h"

#include <pybind11/pybind11.h>

#include <stdexcept>
#include <string>

namespace velmora::python {

// A refused input. Raised in Python as velmora.InputError (a ValueError)
// with the message and the key it is about as the attribute `key`.
// A calculator found no converged result (velmora.SolverError, a
// RuntimeError): not an input error, the input may well be valid.
class SolverError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class InputError : public std::runtime_error
{
public:
    InputError(std::string key, const std::string &message)
        : std::runtime_error(message), m_key(std::move(key))
    {
    }
    const std::string &key() const { return m_key; }

private:
    std::string m_key;
};

// The text of one input value as it would be typed into the page field:
// floats with all 17 significant digits ("%.17g") so the page reads back the
// same double, integers in decimal, True/False as "1"/"0" (check boxes),
// strings unchanged. Anything else raises InputError naming `key`.
std::string inputText(const std::string &key, pybind11::handle value);

// Keyword arguments as (key, text) assignments in the order given, checked
// as the command line checks its key=value arguments (an unknown key, an
// output, a text that is not a number, a value outside the accepted range):
// the first problem raises InputError.
calc::Assignments checkedAssignments(const calc::CalculatorDescription &description,
                                     const pybind11::dict &kwargs);

// The calculator with this id, or InputError listing how to find the ids.
const calc::Calculator &findCalculator(const std::string &id);

// "key: English notice" (or just the notice when it names no key).
std::string noticeMessage(const calc::Notice &notice);

// InputError carrying a notice (its key and English text).
[[noreturn]] void throwNotice(const calc::Notice &notice);
// InputError for the first notice of a refused result.
[[noreturn]] void throwRefused(const calc::Result &result);

// {"key", "text" (English, as the command line prints it), "zh", "en"} of one notice.
pybind11::dict noticeDict(const calc::Notice &notice);

// {"calculator", "inputs", "outputs", "notices"} of one evaluation; the
// result's curves and maps are moved into numpy arrays.
pybind11::dict resultDict(const calc::CalculatorDescription &description,
                          const calc::Inputs &inputs, calc::Result &&result);

// The description of one calculator as a dictionary (velmora.calculators()).
pybind11::dict descriptionDict(const calc::CalculatorDescription &description);

} // namespace velmora::python

#endif // VELMORA_PYCONVERT_H
