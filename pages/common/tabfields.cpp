#include "tabfields.h"

#include "catalogue.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSet>
#include <QTabWidget>
#include <QWidget>

#include <string>

using velmora::calc::Calculator;
using velmora::calc::FieldDescription;
using velmora::calc::FieldRole;

namespace {

QLineEdit *lineEdit(QWidget *page, const std::string &objectName)
{
    if (objectName.empty())
        return nullptr;
    return page->findChild<QLineEdit *>(QString::fromStdString(objectName));
}

// The text 恢复默认参数 writes into the field; null when it writes nothing.
const std::string *restoredText(const FieldDescription &field)
{
    if (field.keptByRestore)
        return nullptr;
    if (!field.restoreText.empty())
        return &field.restoreText;
    return field.role == FieldRole::Output ? nullptr : &field.defaultText;
}

} // namespace

std::vector<const Calculator *> pageCalculators(const QWidget *page)
{
    std::vector<const Calculator *> found;
    if (!page)
        return found;
    const std::string folder = page->metaObject()->className();
    for (const auto &calculator : velmora::calc::catalogue().all())
        if (calculator->description().page == folder)
            found.push_back(calculator.get());
    return found;
}

std::vector<const Calculator *> tabCalculators(const QWidget *page, int tab)
{
    std::vector<const Calculator *> found;
    for (const Calculator *calculator : pageCalculators(page))
        if (calculator->description().tab == tab)
            found.push_back(calculator);
    return found;
}

int shownTab(const QWidget *page)
{
    const auto *tabs = page ? page->findChild<QTabWidget *>(QStringLiteral("tabWidget")) : nullptr;
    return tabs ? tabs->currentIndex() : 0;
}

void clearTabResults(QWidget *page, int tab)
{
    for (const Calculator *calculator : tabCalculators(page, tab))
        for (const FieldDescription &field : calculator->description().fields)
            if (field.role == FieldRole::Output && !field.keptByClear)
                if (QLineEdit *edit = lineEdit(page, field.objectName))
                    edit->clear();
}

void restoreTabDefaults(QWidget *page, int tab)
{
    QSet<QWidget *> written; // tabs of one page share fields: the first wins
    auto write = [&](const FieldDescription &field) {
        const std::string *text = restoredText(field);
        if (!text || field.objectName.empty())
            return;
        const QString name = QString::fromStdString(field.objectName);
        if (auto *edit = page->findChild<QLineEdit *>(name); edit && !written.contains(edit)) {
            edit->setText(QString::fromStdString(*text));
            written.insert(edit);
        } else if (auto *box = page->findChild<QCheckBox *>(name); box && !written.contains(box)) {
            // A check box choice is "1" or "0". Combo boxes and radio buttons
            // keep the user's choice, as they always have.
            box->setChecked(*text == "1");
            written.insert(box);
        }
    };
    const std::vector<const Calculator *> calculators = tabCalculators(page, tab);
    for (const Calculator *calculator : calculators)
        for (const FieldDescription &field : calculator->description().fields)
            write(field);
    for (const Calculator *calculator : calculators)
        for (const std::string &name : calculator->description().restoresAlso)
            for (const Calculator *other : pageCalculators(page))
                for (const FieldDescription &field : other->description().fields)
                    if (field.objectName == name)
                        write(field);
}
