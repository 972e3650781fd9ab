#ifndef READABLECOMBOS_H
#define READABLECOMBOS_H

class QWidget;

// The main window's content area carries a style sheet that paints every
// descendant light blue, the open list of a combo box included; its
// highlighted entry was then drawn as white text on that light blue. This
// gives the list of every combo box of `page` an explicit selection colour
// (dark blue, white text: contrast above 4.5:1).
void makeComboListsReadable(QWidget *page);

#endif // READABLECOMBOS_H
