#include "pagelanguage.h"

#include "textfit.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include <vector>

void retranslateKeepingContents(QWidget *page, const std::function<void()> &retranslate)
{
    struct Field {
        QPointer<QLineEdit> edit;
        QString text;
        bool modified;
    };
    struct Choice {
        QPointer<QComboBox> combo;
        int index;
    };
    std::vector<Field> fields;
    for (QLineEdit *edit : page->findChildren<QLineEdit *>())
        fields.push_back({edit, edit->text(), edit->isModified()});
    std::vector<Choice> choices;
    for (QComboBox *combo : page->findChildren<QComboBox *>())
        choices.push_back({combo, combo->currentIndex()});

    // Signals stay blocked while the texts go back, so no slot mistakes the
    // restore for an edit (a combo's index change recalculates on some pages).
    retranslate();
    for (const Field &f : fields)
        if (f.edit && f.edit->text() != f.text) {
            const bool blocked = f.edit->blockSignals(true);
            f.edit->setText(f.text);
            f.edit->setModified(f.modified);
            f.edit->blockSignals(blocked);
        }
    for (const Choice &c : choices)
        if (c.combo && c.combo->currentIndex() != c.index && c.index < c.combo->count()) {
            const bool blocked = c.combo->blockSignals(true);
            c.combo->setCurrentIndex(c.index);
            c.combo->blockSignals(blocked);
        }
    fitTextsToWidgets(page);
}

bool isLanguageChange(const QEvent *event)
{
    return event->type() == QEvent::LanguageChange;
}

QString choiceSource(const QComboBox *combo)
{
    const QVariant source = combo->currentData(kChoiceSourceRole);
    return source.isValid() ? source.toString() : combo->currentText();
}

void selectChoiceSource(QComboBox *combo, const QString &source)
{
    const int index = combo->findData(source, kChoiceSourceRole);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else
        combo->setCurrentText(source);
}
