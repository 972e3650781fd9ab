#ifndef UITEXTS_H
#define UITEXTS_H

// Every text a user can read in a widget tree: labels, buttons, group and
// tab titles, combo entries, table headers and cells, menus and actions with
// their status and tool tips, window titles, plot axes and legends. Each is
// keyed by the object and the property, so texts taken in two languages can
// be compared one by one.

#include <QMap>
#include <QObject>
#include <QString>

#include <functional>

struct UiText {
    QString where; // object path and property, for messages
    QString text;  // plain text (rich text reduced to what is shown)
};
using UiTexts = QMap<QString, UiText>; // key: object address and property

// The texts of `root` and everything below it; `skip` leaves out a subtree.
UiTexts collectUiTexts(QObject *root, const std::function<bool(const QObject *)> &skip = {});

// True when the text holds a CJK ideograph, CJK punctuation or a full-width
// form (unit symbols and μ are none of these).
bool containsCjk(const QString &text);

#endif // UITEXTS_H
