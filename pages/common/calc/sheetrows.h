#ifndef VELMORA_SHEETROWS_H
#define VELMORA_SHEETROWS_H

// A tab's exported sheet made from its fields, for tabs with many fields
// (the amplifier, the exact modes): "输入项", every input and linked field,
// "输出项", every output field, each captioned with its caption and "[unit]"
// in Chinese and English. Fields without a widget and curves have no row.

#include "calculator.h"

#include <string>
#include <vector>

namespace velmora::calc {

// `choiceCell`: how a choice shows (a combo box's item, a check box's 是/否).
std::vector<SheetRow> sheetRowsFromFields(const std::vector<FieldDescription> &fields,
                                          SheetCell choiceCell);

// "caption" + unitFormat applied to the unit ("[%s]", " [%s]"); the caption
// alone when there is no unit.
std::string captionWithUnit(const std::string &caption, const std::string &unit,
                            const char *unitFormat);

} // namespace velmora::calc

#endif // VELMORA_SHEETROWS_H
