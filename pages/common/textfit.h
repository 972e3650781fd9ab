#ifndef TEXTFIT_H
#define TEXTFIT_H

// The page forms were laid out for their Chinese captions, at fixed
// geometry; many English captions are longer. In English, a caption, button,
// radio button, check box or group-box title of fixed geometry (its parent
// has no layout) whose text is wider than the widget is set in a smaller
// font, half a point at a time, until it fits or reaches kSmallestFitRatio of
// its size. In Chinese every widget has its own font back, so the Chinese
// window looks exactly as it was laid out.

class QWidget;

// A text is not set below this share of its widget's font size: a caption
// that would need more is too long and wants a shorter English text.
constexpr double kSmallestFitRatio = 0.7;

// Fits (English) or restores (Chinese) the text widgets under `page`. Pages
// call it after setting their texts: at construction and on every language
// change.
void fitTextsToWidgets(QWidget *page);

// How many pixels wider than its widget the text of a label, button, check
// box, radio button or group box is (≤ 0: it fits). Labels that wrap their
// words count the height missing instead. Other widgets: 0.
int textOverflow(const QWidget *widget);

#endif // TEXTFIT_H
