#ifndef VELMORA_VALIDATION_H
#define VELMORA_VALIDATION_H

// What the command line, the Python module and sweeps check before they call
// evaluate(): a key the tab does not have, a text that is not a number, a
// value outside the field's accepted range. The page itself never runs these
// checks (its validator and its own notices are its rules), so evaluate()
// stays exactly the page's calculation.
//
// The assignments are kept in the order given: a linked field (degrees or
// radians, Hz or nm) rewrites its partner as if the user had typed it into
// the page and left the field, so the last of the two typed wins.

#include "calculator.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora::calc {

using Assignment = std::pair<std::string, std::string>; // key, text
using Assignments = std::vector<Assignment>;

// The first problem with one assignment, as a notice naming the key and the
// rule (zh and en); nothing when it is acceptable.
std::optional<Notice> checkAssignment(const CalculatorDescription &description,
                                      const Assignment &assignment);

// checkAssignment over all of them, first problem first; a key given twice
// is refused (which of the two was meant cannot be told).
std::optional<Notice> checkAssignments(const CalculatorDescription &description,
                                       const Assignments &assignments);

// A refusal names the key the user gave: a notice about another input (a
// partner in a rule, "the pump power must exceed the residual pump" named
// after residual_w) or about none is put under the first given key, its text
// unchanged. Unchanged when its key was given, or when nothing was given.
void attributeToGivenKeys(Result &refused, const Assignments &given);

// The notice for the first key that occurs twice in `keys`, if any.
std::optional<Notice> repeatedKey(std::vector<std::string> keys);

// The full input set: defaults, then each assignment in order, linked fields
// rewriting their partners through Calculator::linkEdited.
Inputs applyAssignments(const Calculator &calculator, const Assignments &assignments);

// A choice given by its stable ASCII id ("laser") as the page text the
// calculator reads ("激光器"); any other text unchanged.
std::string choiceFromId(const FieldDescription &field, const std::string &text);

// The ASCII id of a choice text (what files write); the text itself when
// the field's choices have no ids or the text is none of them.
std::string choiceId(const FieldDescription &field, const std::string &text);

// "key=value" split at the first '='; false when there is no '=' or no key.
bool splitAssignment(const std::string &argument, Assignment *assignment);

// The accepted range as text, "[1, 5]" or "≥ 0".
std::string rangeText(const FieldDescription &field);

} // namespace velmora::calc

#endif // VELMORA_VALIDATION_H
