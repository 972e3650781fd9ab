#include "fieldspecs.h"

#include "rangecheck.h"

namespace velmora::calc {

FieldSpec numberInput(std::string key, std::string objectName, Text caption, std::string unit,
                      double toSI, std::string defaultText, double min, double max, FieldRole role)
{
    FieldSpec f;
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

FieldSpec numberInput(std::string key, std::string objectName, Text caption, std::string unit,
                      double toSI, std::string defaultText, const inputranges::InputRange &range,
                      FieldRole role)
{
    return withRange(numberInput(std::move(key), std::move(objectName), std::move(caption),
                                 std::move(unit), toSI, std::move(defaultText), 0.0, 0.0, role),
                     range);
}

FieldSpec numberOutput(std::string key, std::string objectName, Text caption, std::string unit,
                       double toSI, std::string format)
{
    FieldSpec f;
    f.key = std::move(key);
    f.objectName = std::move(objectName);
    f.role = FieldRole::Output;
    f.caption = std::move(caption);
    f.unit = std::move(unit);
    f.toSI = toSI;
    f.format = std::move(format);
    return f;
}

FieldSpec keptByRestore(FieldSpec field)
{
    field.keptByRestore = true;
    return field;
}

FieldSpec restoredTo(FieldSpec field, std::string text)
{
    field.restoreText = std::move(text);
    return field;
}

FieldSpec keptByClear(FieldSpec field)
{
    field.keptByClear = true;
    return field;
}

} // namespace velmora::calc
