#ifndef VELMORA_CLIREPORT_H
#define VELMORA_CLIREPORT_H

// The texts the command line prints: the catalogue list, a tab's
// description and one result (a sweep's: sweeplayout.h), as a table for people or as JSON and
// CSV for programs. Everything is rendered into a string first, so bad input
// found while rendering leaves stdout empty.

#include "calculator.h"
#include "catalogue.h"
#include "clitext.h"
#include "sweep.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace velmora::cli {

std::string listText(const calc::Catalogue &catalogue, const std::string &format, Lang lang);

std::string describeText(const calc::CalculatorDescription &description, const std::string &format,
                         Lang lang);

// The output keys to report: `requested` when given (each must be an output
// of the tab, and a scalar when `scalarsOnly`), else every output of the tab
// (only the scalar ones when `scalarsOnly`). Throws BadInput.
std::vector<std::string> selectOutputs(const calc::CalculatorDescription &description,
                                       const std::vector<std::string> &requested, bool scalarsOnly);

// format: table, json or csv. CSV: a map output is written as its matrix,
// curves as columns, scalars as key,value,unit,text rows.
std::string runText(const calc::CalculatorDescription &description, const calc::Inputs &inputs,
                    const calc::Result &result, const std::vector<std::string> &outputs,
                    const std::string &format, Lang lang);

// Pieces shared with the sweep layout (sweeplayout.h).
// An input as JSON: the number its text reads as (null when empty), or the
// choice text.
nlohmann::ordered_json inputJson(const calc::FieldDescription &f, const std::string &text);
// {"value", "unit"[, "text"][, "shape"]}; a non-finite value becomes null.
nlohmann::ordered_json outputJson(const calc::OutputValue &out, bool withText);
nlohmann::ordered_json noticesJson(const std::vector<calc::Notice> &notices, Lang lang);
// The notices as one line, "; " between them.
std::string joinedNotices(const std::vector<calc::Notice> &notices, Lang lang);

} // namespace velmora::cli

#endif // VELMORA_CLIREPORT_H
