#ifndef PAGECALCHARNESS_H
#define PAGECALCHARNESS_H

// Drives a page and its tab's calculator with the same seeded random input
// texts and reports every difference: each output field's text against the
// calculator's output text, the notices the page shows against the
// calculator's notices, and, for linked fields, the texts the page rewrites
// after an edit against Calculator::linkEdited().
//
// A page for another tab plugs in with one call per tab:
//   QStringList d = comparePageWithCalculator(page, calculator, "m_btn_Cal4", 40, seed);
//   QVERIFY2(d.isEmpty(), qPrintable(d.join('\n')));
// The input texts mix numbers inside the field's accepted range with what a
// user can still leave in a field: nothing, zero, letters, blanks around a
// number, values far outside the range.

#include "calculator.h"
#include "finiteguard.h"
#include "inputreader.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <functional>

namespace pagecalc {

using namespace velmora::calc;

// Runs `action` and returns the text of every notice box it opens, in order,
// closing each one (a slot may show several).
inline QStringList collectNotices(const std::function<void()> &action)
{
    QStringList texts;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&texts] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            texts << box->text();
            box->accept();
        }
    });
    closer.start();
    action();
    closer.stop();
    return texts;
}

// A text a user could leave in the field described by `field`.
inline std::string randomText(const FieldDescription &field, QRandomGenerator &rng)
{
    const int kind = rng.bounded(20);
    if (kind == 0)
        return "";
    if (kind == 1)
        return "0";
    if (kind == 2)
        return "abc";
    double lo = std::isfinite(field.min) ? field.min : 0.0;
    double hi = std::isfinite(field.max) ? field.max : 1e3;
    if (kind == 3) // far outside the accepted range on either side
        return QString::number(rng.bounded(2) ? hi * 1e3 + 1 : lo / 1e3, 'g', 6).toStdString();
    double value;
    if (lo > 0 && hi / lo > 1e3) // spans decades: uniform in the logarithm
        value = lo * std::pow(hi / lo, rng.generateDouble());
    else
        value = lo + (hi - lo) * rng.generateDouble();
    const QString number = QString::number(value, 'g', 1 + rng.bounded(6));
    return (kind == 4 ? QStringLiteral(" %1 ").arg(number) : number).toStdString();
}

inline QLineEdit *fieldEdit(QWidget *page, const FieldDescription &field)
{
    return page->findChild<QLineEdit *>(QString::fromStdString(field.objectName));
}

// Sets the input fields to random texts and returns those texts by key. A
// number held by another widget than a line edit (a combo box index, a table
// row) is left as the page has it.
inline Inputs typeRandomInputs(QWidget *page, const CalculatorDescription &description,
                               QRandomGenerator &rng)
{
    Inputs typed;
    for (const FieldDescription &field : description.fields)
        if (field.role != FieldRole::Output && field.kind == ValueKind::Number &&
            fieldEdit(page, field)) {
            typed[field.key] = randomText(field, rng);
            fieldEdit(page, field)->setText(QString::fromStdString(typed[field.key]));
        }
    return typed;
}

// A number the page writes into a field of its own (not, say, the offset of
// a curve's peak that only sets a plot axis).
inline bool isShownOutput(const FieldDescription &field)
{
    return field.role == FieldRole::Output && field.kind == ValueKind::Number &&
           !field.objectName.empty();
}

inline QString joinNotices(const Result &result)
{
    QStringList texts;
    for (const Notice &notice : result.notices)
        texts << QString::fromStdString(notice.text.zh);
    return texts.join(QLatin1Char('|'));
}

inline QStringList comparePageWithCalculator(QWidget *page, const Calculator &calculator,
                                             const char *buttonName, int cases, quint32 seed)
{
    const CalculatorDescription &description = calculator.description();
    QStringList differences;
    auto *button = page->findChild<QAbstractButton *>(QLatin1String(buttonName));
    if (!button)
        return {QStringLiteral("no button %1").arg(QLatin1String(buttonName))};
    for (const FieldDescription &field : description.fields)
        if (!field.objectName.empty() && field.kind == ValueKind::Number &&
            !page->findChild<QWidget *>(QString::fromStdString(field.objectName)))
            differences
                << QStringLiteral("no field %1").arg(QString::fromStdString(field.objectName));
    if (!differences.isEmpty())
        return differences;

    QRandomGenerator rng(seed);
    const QString untouched = QStringLiteral("<untouched>");
    for (int c = 0; c < cases; ++c) {
        const Inputs typed = typeRandomInputs(page, description, rng);
        for (const FieldDescription &field : description.fields)
            if (isShownOutput(field))
                fieldEdit(page, field)->setText(untouched);

        const QString shown = collectNotices([button] { button->click(); }).join(QLatin1Char('|'));
        // A page may refuse an empty required input before it evaluates
        // (outputs untouched); otherwise it shows what the calculator gives.
        if (shown == QString::fromStdString(kEmptyInputNotice.zh) &&
            emptyInputRefusal(description, typed))
            continue;
        // The page puts its result through the finite-output guard, as the
        // catalogue does.
        const Result expected = finiteOrRefused(description, typed, calculator.evaluate(typed));

        QString where;
        for (const auto &[key, text] : typed)
            where += QStringLiteral(" %1='%2'")
                         .arg(QString::fromStdString(key), QString::fromStdString(text));
        if (shown != joinNotices(expected))
            differences << QStringLiteral("case %1%2: notice page '%3' calculator '%4'")
                               .arg(c)
                               .arg(where, shown, joinNotices(expected));
        for (const FieldDescription &field : description.fields) {
            if (!isShownOutput(field))
                continue;
            const auto it = expected.outputs.find(field.key);
            const QString want =
                it == expected.outputs.end() ? untouched : QString::fromStdString(it->second.text);
            const QString got = fieldEdit(page, field)->text();
            if (got != want)
                differences << QStringLiteral("case %1%2: %3 page '%4' calculator '%5'")
                                   .arg(c)
                                   .arg(where, QString::fromStdString(field.key), got, want);
        }
    }
    return differences;
}

// For each case: random inputs, then "editing finished" on one linked field
// (chosen at random); every input field must then read as linkEdited() says.
inline QStringList comparePageLinks(QWidget *page, const Calculator &calculator, int cases,
                                    quint32 seed)
{
    const CalculatorDescription &description = calculator.description();
    std::vector<const FieldDescription *> linked;
    for (const FieldDescription &field : description.fields)
        if (field.role == FieldRole::Linked)
            linked.push_back(&field);
    if (linked.empty())
        return {
            QStringLiteral("%1 has no linked fields").arg(QString::fromStdString(description.id))};

    QStringList differences;
    QRandomGenerator rng(seed);
    for (int c = 0; c < cases; ++c) {
        const Inputs typed = typeRandomInputs(page, description, rng);
        const FieldDescription &edited = *linked[rng.bounded(int(linked.size()))];
        // As typed by the user: only an edited field drives its partner. A
        // link may refuse with a notice (an NA above what the tab accepts).
        fieldEdit(page, edited)->setModified(true);
        collectNotices([&] { emit fieldEdit(page, edited)->editingFinished(); });
        const Inputs expected = calculator.linkEdited(typed, edited.key);
        for (const auto &[key, text] : expected) {
            if (description.field(key)->kind != ValueKind::Number)
                continue; // a mode box or radio button: no text field to compare
            const QString got = fieldEdit(page, *description.field(key))->text();
            if (got != QString::fromStdString(text))
                differences << QStringLiteral("case %1 edited %2: %3 page '%4' calculator '%5'")
                                   .arg(c)
                                   .arg(QString::fromStdString(edited.key),
                                        QString::fromStdString(key), got,
                                        QString::fromStdString(text));
        }
    }
    return differences;
}

} // namespace pagecalc

#endif // PAGECALCHARNESS_H
