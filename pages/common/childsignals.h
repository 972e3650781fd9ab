#ifndef CHILDSIGNALS_H
#define CHILDSIGNALS_H

#include <QObject>

// Cut every connection from the receiver's child widgets to the receiver.
//
// Call it first in the destructor of a widget whose children are connected
// to its own members by pointer-to-member (or by lambdas with it as context).
// ~QWidget hides the widget after the derived part is already destroyed;
// hiding moves the focus, and a focused QLineEdit then emits
// editingFinished(), which would call a member of the half-destroyed object
// (undefined behaviour; the sanitizer reports it as a bad downcast).
// Old string-based connections went through the metaobject, which by then
// no longer knows the derived slots; pointer-to-member ones do not.
inline void disconnectChildrenFrom(QObject *receiver)
{
    const QList<QObject *> children = receiver->findChildren<QObject *>();
    for (QObject *child : children)
        QObject::disconnect(child, nullptr, receiver, nullptr);
}

#endif // CHILDSIGNALS_H
