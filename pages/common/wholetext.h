#ifndef WHOLETEXT_H
#define WHOLETEXT_H

// Result fields show their whole text. A result field is a read-only line
// edit at the size its form gave it; a line edit whose text is wider than
// its room scrolls it and shows a part, so "2.27544e-21" would read as
// "2.27544e-2", another number. Each result field therefore sets a text too
// wide for it in a smaller font, half a point at a time down to
// kSmallestResultFontRatio of its own size, with the text also as its tool
// tip, and its own font again for a text that fits. The longest text the
// number formats write ("-1.23456e-300") fits every result field at that
// size (a test walks them all in both languages); a field that had to grow
// for it was widened in its form.

class QLineEdit;
class QWidget;

// Results are not set below this share of the field's own font size.
constexpr double kSmallestResultFontRatio = 0.6;

// Keeps `field` showing its whole text from now on (setupOutputField does it
// for every result field).
void keepWholeText(QLineEdit *field);

// keepWholeText for every result field of the page's calculators (the
// window calls it on each page it makes) and every read-only line edit.
void keepResultsWhole(QWidget *page);

// The pixels a line edit has for its text: its contents minus frame,
// padding, text margins and the line edit's own side margins.
int textRoom(const QLineEdit *field);

// True when the field's text, in the font it is shown in, fits textRoom().
bool showsWholeText(const QLineEdit *field);

#endif // WHOLETEXT_H
