#ifndef FORMTEXTS_H
#define FORMTEXTS_H

// Translating a form built in code whose Chinese texts are set once, at
// construction (the nonlinear and fiber-parameter forms, written in caption
// markup with form::markup).
// captureSourceTexts keeps every Chinese text of the page as its source: the
// text of labels and buttons, the titles of group boxes and tabs.
// applySourceTexts writes them in the window's language: a plain text is
// translated whole, a rich-text caption run by run (the runs between its
// tags, so "模场半径r<sub>eff</sub>[m]" needs only "模场半径r"), both in the
// given translation context. Switching back to Chinese restores the source
// texts exactly. The runs are listed for lupdate with QT_TRANSLATE_NOOP.
// Texts too wide for their widgets are then fitted (textfit.h).

class QString;
class QWidget;

void captureSourceTexts(QWidget *page);
void applySourceTexts(QWidget *page, const char *context);

// One text in the window's language, as applySourceTexts writes it.
QString translateSourceText(const QString &source, const char *context);

#endif // FORMTEXTS_H
