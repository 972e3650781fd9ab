#include "rangefield.h"

#include "pageconventions.h"

#include <QLineEdit>

QString outOfRangeText(const RangedField &f)
{
    return QString::fromStdString(
        inputranges::outOfRangeZh(f.caption, inputranges::pageMin(f.range, f.toSI),
                                  inputranges::pageMax(f.range, f.toSI), f.unit));
}

bool fieldInRange(const RangedField &f)
{
    if (f.field->text().trimmed().isEmpty())
        return true;
    const double value = readField(f.field);
    if (value == 0 && f.zeroPasses)
        return true;
    return inputranges::contains(f.range, value, f.toSI);
}

bool checkFieldRanges(QWidget *page, std::initializer_list<RangedField> fields)
{
    for (const RangedField &f : fields) {
        if (!fieldInRange(f)) {
            showNotice(page, outOfRangeText(f));
            return false;
        }
    }
    return true;
}
