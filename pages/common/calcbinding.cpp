#include "calcbinding.h"

#include "finiteguard.h"
#include "inputreader.h"
#include "pageconventions.h"
#include "pagelanguage.h"
#include "uilanguage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

using namespace velmora::calc;

namespace {

QWidget *fieldWidget(const QWidget *page, const FieldDescription &field)
{
    if (field.objectName.empty())
        return nullptr;
    QWidget *widget = page->findChild<QWidget *>(QString::fromStdString(field.objectName));
    if (!widget)
        qFatal("page %s has no field %s", qPrintable(page->objectName()), field.objectName.c_str());
    return widget;
}

QString widgetText(const QWidget *widget)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (auto *combo = qobject_cast<const QComboBox *>(widget))
        return choiceSource(combo);
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    return QString();
}

void setWidgetText(QWidget *widget, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        if (edit->text() != text)
            edit->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        selectChoiceSource(combo, text);
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        button->setChecked(text == QLatin1String("1"));
    }
}

} // namespace

Inputs readInputs(const QWidget *page, const CalculatorDescription &description)
{
    Inputs inputs;
    for (const FieldDescription &field : description.fields)
        if (field.role != FieldRole::Output)
            if (const QWidget *widget = fieldWidget(page, field))
                inputs[field.key] = widgetText(widget).toStdString();
    return inputs;
}

void writeInputs(QWidget *page, const CalculatorDescription &description, const Inputs &inputs)
{
    for (const FieldDescription &field : description.fields) {
        const auto it = inputs.find(field.key);
        if (field.role != FieldRole::Output && it != inputs.end())
            if (QWidget *widget = fieldWidget(page, field))
                setWidgetText(widget, QString::fromStdString(it->second));
    }
}

void writeOutputs(QWidget *page, const CalculatorDescription &description, const Result &result)
{
    for (const FieldDescription &field : description.fields) {
        const auto it = result.outputs.find(field.key);
        if (field.role == FieldRole::Output && it != result.outputs.end())
            if (QWidget *widget = fieldWidget(page, field))
                setWidgetText(widget, QString::fromStdString(it->second.text));
    }
}

void showNotices(QWidget *page, const Result &result)
{
    for (const Notice &notice : result.notices)
        showNotice(page, inUiLanguage(notice.text));
}

// Inputs whose widget the page has disabled (the loss of a gain fiber): not
// inputs of the calculation at the moment, so not checked for emptiness.
std::vector<std::string> disabledKeys(const QWidget *page, const CalculatorDescription &description)
{
    std::vector<std::string> keys;
    for (const FieldDescription &field : description.fields)
        if (field.role != FieldRole::Output)
            if (const QWidget *widget = fieldWidget(page, field))
                if (!widget->isEnabled())
                    keys.push_back(field.key);
    return keys;
}

Result runCalculator(QWidget *page, const Calculator &calculator)
{
    const CalculatorDescription &description = calculator.description();
    const Inputs inputs = readInputs(page, description);
    if (const std::optional<Result> refused =
            emptyInputRefusal(description, inputs, disabledKeys(page, description))) {
        showNotices(page, *refused);
        return *refused;
    }
    // The page's own instances are not the catalogue's: the same guard here.
    const Result result = finiteOrRefused(description, inputs, calculator.evaluate(inputs));
    writeOutputs(page, calculator.description(), result);
    showNotices(page, result);
    return result;
}

void runLink(QWidget *page, const Calculator &calculator, const std::string &key)
{
    const CalculatorDescription &description = calculator.description();
    // Only a field the user edited drives its partner. Focus passing through
    // the partner after its echo (8° written as 0.139626 rad) must not echo
    // back and rewrite what the user typed (7.99998°).
    QLineEdit *source = nullptr;
    for (const FieldDescription &field : description.fields)
        if (field.key == key)
            source = qobject_cast<QLineEdit *>(fieldWidget(page, field));
    if (source && !source->isModified())
        return;
    writeInputs(page, description, calculator.linkEdited(readInputs(page, description), key));
    if (source)
        source->setModified(false); // handled: a later focus change is no edit
}
