#include "fielddescriptions.h"

#include "rangecheck.h"

namespace velmora::calc {

FieldDescription numberInput(std::string key, std::string objectName, Text caption,
                             std::string unit, double toSI, std::string defaultText, double min,
                             double max, FieldRole role)
{
    FieldDescription f;
    f.key = std::move(key);
    f.objectName = std::move(objectName);
    f.role = role;
    f.caption = std::move(caption);
    f.unit = std::move(unit);
    f.toSI = toSI;
    f.defaultText = std::move(defaultText);
    f.min = min;
    f.max = max;
    return f;
}

FieldDescription numberInput(std::string key, std::string objectName, Text caption,
                             std::string unit, double toSI, std::string defaultText,
                             const inputranges::InputRange &range, FieldRole role)
{
    return withRange(numberInput(std::move(key), std::move(objectName), std::move(caption),
                                 std::move(unit), toSI, std::move(defaultText), 0.0, 0.0, role),
                     range);
}

FieldDescription numberOutput(std::string key, std::string objectName, Text caption,
                              std::string unit, double toSI, std::string format)
{
    FieldDescription f;
    f.key = std::move(key);
    f.objectName = std::move(objectName);
    f.role = FieldRole::Output;
    f.caption = std::move(caption);
    f.unit = std::move(unit);
    f.toSI = toSI;
    f.format = std::move(format);
    return f;
}

FieldDescription keptByRestore(FieldDescription field)
{
    field.keptByRestore = true;
    return field;
}

FieldDescription restoredTo(FieldDescription field, std::string text)
{
    field.restoreText = std::move(text);
    return field;
}

FieldDescription keptByClear(FieldDescription field)
{
    field.keptByClear = true;
    return field;
}

FieldDescription holding(FieldDescription field, FiberQuantity quantity)
{
    field.fiberQuantity = quantity;
    return field;
}

void holdingFiber(CalculatorDescription &description,
                  std::initializer_list<std::pair<const char *, FiberQuantity>> quantities)
{
    for (const auto &[key, quantity] : quantities)
        for (FieldDescription &field : description.fields)
            if (field.key == key)
                field.fiberQuantity = quantity;
}

} // namespace velmora::calc
