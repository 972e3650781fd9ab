#include "enterkey.h"

#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QPushButton>

namespace {

const QString &calculateText()
{
    static const QString text = QStringLiteral("计算");
    return text;
}

QList<QPushButton *> calculateButtonsIn(QWidget *widget)
{
    QList<QPushButton *> found;
    for (QPushButton *button : widget->findChildren<QPushButton *>())
        if (button->text() == calculateText())
            found.append(button);
    return found;
}

// The one button of the closest ancestor that holds any; null when that
// ancestor holds several (or the walk left the page).
QPushButton *buttonFor(QLineEdit *field, QWidget *page)
{
    for (QWidget *ancestor = field->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        const QList<QPushButton *> buttons = calculateButtonsIn(ancestor);
        if (buttons.size() == 1)
            return buttons.front();
        if (buttons.size() > 1 || ancestor == page)
            return nullptr;
    }
    return nullptr;
}

} // namespace

void connectEnterToCalculate(QWidget *page)
{
    if (!page)
        return;
    for (QPushButton *button : calculateButtonsIn(page))
        button->setAutoDefault(true);
    for (QLineEdit *field : page->findChildren<QLineEdit *>()) {
        if (field->isReadOnly())
            continue;
        // A combo box's own line edit is not an input field of the page.
        if (qobject_cast<QComboBox *>(field->parentWidget()))
            continue;
        if (QPushButton *button = buttonFor(field, page))
            // Queued: Return emits returnPressed() before editingFinished(),
            // and a linked partner (degrees -> radians) must be updated
            // before the calculation reads it.
            QObject::connect(field, &QLineEdit::returnPressed, button, &QPushButton::click,
                             Qt::QueuedConnection);
    }
}
