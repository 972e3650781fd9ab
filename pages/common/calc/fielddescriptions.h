#ifndef VELMORA_FIELDDESCRIPTIONS_H
#define VELMORA_FIELDDESCRIPTIONS_H

// Short constructors for the field descriptions every calculator lists, so a
// tab's description reads as a table: key, object name, caption, unit, scale, ...

#include "calculator.h"
#include "inputranges.h"

#include <initializer_list>
#include <utility>

namespace velmora::calc {

// A number typed by the user; role Linked for one of a linked pair.
// The page validator accepts 0 to 1e100; [min, max] is what the command
// line and sweeps accept.
FieldDescription numberInput(std::string key, std::string objectName, Text caption,
                             std::string unit, double toSI, std::string defaultText, double min,
                             double max, FieldRole role = FieldRole::Input);

// The same, its accepted range taken from the shared table (SI bounds
// converted to the page unit with toSI).
FieldDescription numberInput(std::string key, std::string objectName, Text caption,
                             std::string unit, double toSI, std::string defaultText,
                             const inputranges::InputRange &range,
                             FieldRole role = FieldRole::Input);

// A number the tab writes, with its display format ("f4", "g6", "%.2g").
FieldDescription numberOutput(std::string key, std::string objectName, Text caption,
                              std::string unit, double toSI, std::string format);

// The window's 恢复默认参数 and 清空 where a tab has always differed from
// "every input to its default, every output emptied": the field as typed is
// kept, or another text than the default is written.
FieldDescription keptByRestore(FieldDescription field);
FieldDescription restoredTo(FieldDescription field, std::string text);
FieldDescription keptByClear(FieldDescription field);

// The field holds this property of the fiber: "使用当前光纤" fills it.
FieldDescription holding(FieldDescription field, FiberQuantity quantity);

// The same for fields already listed: each key of `description` names the
// property its field holds (a key the description lacks is a programming
// error the fiber-fill test reports: nothing is tagged for it).
void holdingFiber(CalculatorDescription &description,
                  std::initializer_list<std::pair<const char *, FiberQuantity>> quantities);

} // namespace velmora::calc

#endif // VELMORA_FIELDDESCRIPTIONS_H
