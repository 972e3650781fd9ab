#ifndef ENTERKEY_H
#define ENTERKEY_H

class QWidget;

// Desktop habit: Enter in an input field, or on the focused "计算" button,
// runs that tab's calculation.
//
// Every editable QLineEdit of `page` is tied to the one "计算" button that
// belongs with it: walking up from the field, the first ancestor that holds
// exactly one such button (a group box, then the tab) decides. A field whose
// nearest ancestor holds several buttons, or none, is left alone rather than
// guessed at. The buttons become auto-default, which makes a focused button
// respond to Enter as it does to Space.
void connectEnterToCalculate(QWidget *page);

#endif // ENTERKEY_H
