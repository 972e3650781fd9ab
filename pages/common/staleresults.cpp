#include "staleresults.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

const char *const kResultInputProperty = "velmoraResultInput";

namespace {

// Stale results stay readable, clearly set back.
constexpr double kStaleOpacity = 0.4;

} // namespace

StaleResults::StaleResults(QObject *parent, QLabel *note) : QObject(parent), m_note(note)
{
    m_note->setObjectName(m_note->objectName().isEmpty() ? QStringLiteral("staleResultsNote")
                                                         : m_note->objectName());
    m_note->setStyleSheet(QStringLiteral("color: rgb(170, 80, 0);"));
    m_note->setWordWrap(true);
    m_note->hide();
    retranslate();
}

void StaleResults::watchInput(QWidget *input)
{
    m_inputs.emplace_back(input);
    if (auto *edit = qobject_cast<QLineEdit *>(input))
        connect(edit, &QLineEdit::textChanged, this, &StaleResults::check);
    else if (auto *combo = qobject_cast<QComboBox *>(input))
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &StaleResults::check);
    else if (auto *button = qobject_cast<QAbstractButton *>(input))
        connect(button, &QAbstractButton::toggled, this, &StaleResults::check);
    else if (auto *spin = qobject_cast<QSpinBox *>(input))
        connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, &StaleResults::check);
    else if (auto *table = qobject_cast<QTableWidget *>(input))
        connect(table, &QTableWidget::itemChanged, this, &StaleResults::check);
}

void StaleResults::addResult(QWidget *result)
{
    m_results.emplace_back(result);
}

QVariant StaleResults::valueOf(const QWidget *input) const
{
    if (auto *edit = qobject_cast<const QLineEdit *>(input))
        return edit->text();
    if (auto *combo = qobject_cast<const QComboBox *>(input))
        return combo->currentIndex(); // its text follows the language
    if (auto *button = qobject_cast<const QAbstractButton *>(input))
        return button->isChecked();
    if (auto *spin = qobject_cast<const QSpinBox *>(input))
        return spin->value();
    if (auto *table = qobject_cast<const QTableWidget *>(input)) {
        QStringList texts; // a table of inputs: its last column
        for (int r = 0; r < table->rowCount(); ++r) {
            const QTableWidgetItem *item = table->item(r, table->columnCount() - 1);
            texts << (item ? item->text() : QString());
        }
        return texts;
    }
    return {};
}

void StaleResults::calculationStarted()
{
    m_previous = m_kept;
    m_kept.clear();
    for (const QPointer<QWidget> &input : m_inputs)
        if (input)
            m_kept[input] = valueOf(input);
}

void StaleResults::resultsShown()
{
    m_haveResults = true;
    check();
}

void StaleResults::calculationCancelled()
{
    m_kept = m_previous;
    check();
}

void StaleResults::resultsCleared()
{
    m_haveResults = false;
    check();
}

void StaleResults::check()
{
    bool changed = false;
    for (const QPointer<QWidget> &input : m_inputs) {
        if (!input)
            continue;
        const auto kept = m_kept.find(input);
        const bool differs =
            m_haveResults && kept != m_kept.end() && kept->second != valueOf(input);
        input->setProperty(kResultInputProperty, differs ? kept->second : QVariant());
        changed = changed || differs;
    }
    setStale(changed);
}

void StaleResults::setStale(bool stale)
{
    if (stale == m_stale)
        return;
    m_stale = stale;
    for (const QPointer<QWidget> &result : m_results) {
        if (!result)
            continue;
        if (stale) {
            auto *effect = new QGraphicsOpacityEffect(result);
            effect->setOpacity(kStaleOpacity);
            result->setGraphicsEffect(effect);
        } else {
            result->setGraphicsEffect(nullptr);
        }
    }
    m_note->setVisible(stale);
    emit staleChanged(stale);
}

void StaleResults::retranslate()
{
    m_note->setText(tr("输入已修改：显示的结果属于上一次计算的输入，请重新计算"));
}
