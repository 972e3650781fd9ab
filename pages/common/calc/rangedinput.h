#ifndef VELMORA_RANGEDINPUT_H
#define VELMORA_RANGEDINPUT_H

// A number input whose accepted range is one of the quantities of
// physics/inputranges.h (given in SI, turned into the field's page unit).

#include "calculator.h"
#include "fielddescriptions.h"
#include "rangecheck.h"

namespace velmora::calc {

inline FieldDescription rangedInput(std::string key, std::string objectName, Text caption,
                                    std::string unit, double toSI, std::string defaultText,
                                    const inputranges::InputRange &range,
                                    FieldRole role = FieldRole::Input)
{
    return withRange(
        numberInput(std::move(key), std::move(objectName), std::move(caption), std::move(unit),
                    toSI, std::move(defaultText), range.min, range.max, role),
        range);
}

} // namespace velmora::calc

#endif // VELMORA_RANGEDINPUT_H
