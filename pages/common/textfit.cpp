#include "textfit.h"

#include "uilanguage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVariant>

namespace {

// The font a widget had before it was fitted, and whether it was its own or
// inherited from its parent.
const char *const kNaturalFont = "velmoraNaturalFont";
const char *const kNaturalFontOwn = "velmoraNaturalFontOwn";

// Room a push button's frame and bevel take on each side of its text.
constexpr int kButtonTextMargin = 4;
// A group-box title starts one indent in and wants as much room at its end.
constexpr int kGroupTitleMargin = 8;

int textWidth(const QWidget *widget, const QString &text)
{
    return widget->fontMetrics().horizontalAdvance(text);
}

void restoreNaturalFont(QWidget *widget)
{
    const QVariant natural = widget->property(kNaturalFont);
    if (!natural.isValid())
        return;
    // The window's style sheet keeps a widget from inheriting its parent's
    // font anew, so the font it had is set back as it was, with the mark of
    // whether it was its own.
    widget->setFont(natural.value<QFont>());
    widget->setAttribute(Qt::WA_SetFont, widget->property(kNaturalFontOwn).toBool());
    widget->setProperty(kNaturalFont, QVariant());
    widget->setProperty(kNaturalFontOwn, QVariant());
}

// Only widgets placed at fixed geometry: a layout gives its widgets the room
// their texts ask for. Group boxes keep their font, which their captions may
// inherit.
bool mayShrink(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    if (!parent || parent->layout())
        return false;
    return qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget);
}

void shrinkUntilItFits(QWidget *widget)
{
    QFont font = widget->font();
    const double natural = font.pointSizeF();
    if (natural <= 0) // sized in pixels
        return;
    widget->setProperty(kNaturalFont, font);
    widget->setProperty(kNaturalFontOwn, widget->testAttribute(Qt::WA_SetFont));
    const double smallest = natural * kSmallestFitRatio;
    for (double size = natural - 0.5; size >= smallest && textOverflow(widget) > 0; size -= 0.5) {
        font.setPointSizeF(size);
        widget->setFont(font);
    }
}

} // namespace

int textOverflow(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return 0;
        if (label->wordWrap()) {
            const QRect room = label->contentsRect();
            return label->heightForWidth(room.width()) - room.height();
        }
        return label->sizeHint().width() - label->width();
    }
    if (auto *button = qobject_cast<const QPushButton *>(widget))
        return textWidth(button, button->text()) + 2 * kButtonTextMargin - button->width();
    if (qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QRadioButton *>(widget))
        return widget->sizeHint().width() - widget->width();
    if (auto *group = qobject_cast<const QGroupBox *>(widget)) {
        if (group->title().isEmpty())
            return 0;
        return textWidth(group, group->title()) + 2 * kGroupTitleMargin - group->width();
    }
    return 0;
}

void fitTextsToWidgets(QWidget *page)
{
    const bool english = currentUiLanguage() == UiLanguage::English;
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        restoreNaturalFont(widget);
        if (english && mayShrink(widget) && textOverflow(widget) > 0)
            shrinkUntilItFits(widget);
    }
}
