#ifndef RANGEFIELD_H
#define RANGEFIELD_H

// The range check of a page field, for the page slots that read their fields
// themselves: the same table (physics/inputranges.h) and the same notice text
// as the calculators' check (pages/common/calc/rangecheck.h).

#include "inputranges.h"

#include <QString>

#include <initializer_list>

class QLineEdit;
class QWidget;

// One field to check: its widget, its caption as the page shows it (without
// the unit), the range, the factor from the page unit to SI and the page unit.
struct RangedField {
    const QLineEdit *field;
    const char *caption; // UTF-8
    const inputranges::InputRange &range;
    double toSI;
    const char *unit; // UTF-8, "" when dimensionless
    // Exactly 0 goes on to the page's own rule for it (a zero divisor's
    // notice, an empty or non-numeric text that reads as 0).
    bool zeroPasses = false;
};

// The notice text for a value of this field outside its range.
QString outOfRangeText(const RangedField &f);

// True when the field is empty (the page's own empty rule decides) or holds a
// finite number within its range.
bool fieldInRange(const RangedField &f);

// Checks the fields in order; at the first one outside its range shows the
// notice (parent: page) and returns false. Nothing is computed then.
bool checkFieldRanges(QWidget *page, std::initializer_list<RangedField> fields);

#endif // RANGEFIELD_H
