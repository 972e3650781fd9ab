#include "fiberdock.h"

#include "catalogue.h"
#include "childsignals.h"
#include "designfile.h"
#include "wholetext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

using velmora::designs::FiberDesign;

namespace {

struct FiberField {
    const char *objectName;
    const char *caption;
    double FiberDesign::*member;
};

// The dock's rows, in the order engineers quote a fiber.
const FiberField kFields[] = {
    {"fiberCoreRadius", QT_TRANSLATE_NOOP("FiberDock", "纤芯半径 [μm]"),
     &FiberDesign::coreRadiusUm},
    {"fiberCladdingRadius", QT_TRANSLATE_NOOP("FiberDock", "泵浦包层半径 [μm]"),
     &FiberDesign::claddingRadiusUm},
    {"fiberDopedRadius", QT_TRANSLATE_NOOP("FiberDock", "掺杂区半径 [μm]"),
     &FiberDesign::dopedRadiusUm},
    {"fiberNa", QT_TRANSLATE_NOOP("FiberDock", "纤芯数值孔径 NA"), &FiberDesign::na},
    {"fiberN2", QT_TRANSLATE_NOOP("FiberDock", "包层折射率 n2"), &FiberDesign::n2},
    {"fiberLength", QT_TRANSLATE_NOOP("FiberDock", "光纤长度 [m]"), &FiberDesign::lengthM},
    {"fiberSignal", QT_TRANSLATE_NOOP("FiberDock", "信号波长 [nm]"), &FiberDesign::signalNm},
    {"fiberPump", QT_TRANSLATE_NOOP("FiberDock", "泵浦波长 [nm]"), &FiberDesign::pumpNm},
    {"fiberYb", QT_TRANSLATE_NOOP("FiberDock", "Yb 掺杂浓度 [m⁻³]"), &FiberDesign::ybConcentration},
    {"fiberLoss", QT_TRANSLATE_NOOP("FiberDock", "背景损耗 [dB/m]"),
     &FiberDesign::backgroundLossDbPerM},
};

const char *const kUserFibersKey = "designs/userFibers";

// The one generic fiber whose name carries words; shown translated.
const char *const kTranslatedFiberNames[] = {QT_TRANSLATE_NOOP("FiberLibrary", "6/125 (纤芯泵浦)")};

} // namespace

QString shownFiberName(const std::string &name)
{
    return QCoreApplication::translate("FiberLibrary", name.c_str());
}

FiberDock::FiberDock(QWidget *parent) : QDockWidget(parent)
{
    setObjectName(QStringLiteral("fiberDock"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetFloatable |
                QDockWidget::DockWidgetMovable);
    setFloating(true);
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    auto *form = new QFormLayout;
    m_types = new QComboBox(body);
    m_types->setObjectName(QStringLiteral("fiberTypeCombo"));
    m_types->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_typesLabel = new QLabel(body);
    form->addRow(m_typesLabel, m_types);
    m_name = new QLineEdit(body);
    m_name->setObjectName(QStringLiteral("fiberName"));
    m_nameLabel = new QLabel(body);
    form->addRow(m_nameLabel, m_name);
    for (const FiberField &f : kFields) {
        auto *edit = new QLineEdit(body);
        edit->setObjectName(QString::fromLatin1(f.objectName));
        auto *label = new QLabel(body);
        m_captions.push_back(label);
        form->addRow(label, edit);
        connect(edit, &QLineEdit::editingFinished, this,
                [this] { emit fiberEdited(fiberInFields()); });
        m_values.push_back(edit);
    }
    connect(m_name, &QLineEdit::editingFinished, this,
            [this] { emit fiberEdited(fiberInFields()); });
    layout->addLayout(form);

    auto *use = m_useButton = new QPushButton(body);
    use->setObjectName(QStringLiteral("useFiberButton"));
    auto *save = m_saveButton = new QPushButton(body);
    save->setObjectName(QStringLiteral("saveFiberButton"));
    auto *remove = m_removeButton = new QPushButton(body);
    remove->setObjectName(QStringLiteral("removeFiberButton"));
    layout->addWidget(use);
    auto *mine = new QHBoxLayout;
    mine->addWidget(save);
    mine->addWidget(remove);
    layout->addLayout(mine);
    setWidget(body);

    connect(use, &QPushButton::clicked, this, &FiberDock::useRequested);
    connect(save, &QPushButton::clicked, this, &FiberDock::saveAsUserFiber);
    connect(remove, &QPushButton::clicked, this, &FiberDock::removeUserFiber);
    connect(m_types, QOverload<int>::of(&QComboBox::activated), this, &FiberDock::typeChosen);
    retranslate();
}

FiberDock::~FiberDock()
{
    disconnectChildrenFrom(this); // before ~QWidget moves the focus
}

void FiberDock::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDockWidget::changeEvent(event);
}

void FiberDock::retranslate()
{
    const QScopeGuard fit([this] { fitToTexts(); });
    setWindowTitle(tr("当前光纤"));
    m_typesLabel->setText(tr("光纤类型"));
    m_nameLabel->setText(tr("名称"));
    for (std::size_t i = 0; i < m_captions.size(); ++i)
        m_captions[i]->setText(tr(kFields[i].caption));
    m_useButton->setText(tr("使用当前光纤（填入本页）"));
    m_saveButton->setText(tr("保存为我的光纤"));
    m_removeButton->setText(tr("删除我的光纤"));
    refreshTypes();
    // The name shown follows the language unless the user has typed another.
    if (m_name->text() == m_nameShown)
        m_name->setText(m_nameShown = shownFiberName(m_nameSource));
}

void FiberDock::refreshTypes()
{
    m_types->clear();
    m_types->addItem(tr("（选择以载入）"));
    for (const FiberDesign &f : velmora::designs::genericFibers())
        m_types->addItem(shownFiberName(f.name), QStringLiteral("generic"));
    for (const FiberDesign &f : userFibers())
        m_types->addItem(tr("我的：") + QString::fromStdString(f.name), QStringLiteral("user"));
}

void FiberDock::showFiber(const FiberDesign &fiber)
{
    m_nameSource = fiber.name;
    m_name->setText(m_nameShown = shownFiberName(fiber.name));
    for (std::size_t i = 0; i < m_values.size(); ++i)
        m_values[i]->setText(QString::number(fiber.*kFields[i].member, 'g', 10));
    fitToTexts();
}

// Every value whole (ten digits and an exponent) and every caption and
// button whole in either language: the fields ask for room for the longest
// number, and a floating dock grows to what its texts need.
void FiberDock::fitToTexts()
{
    for (QLineEdit *edit : m_values) {
        const int frame = edit->width() - textRoom(edit);
        edit->setMinimumWidth(
            edit->fontMetrics().horizontalAdvance(QStringLiteral("-8.888888888e+25")) + frame);
    }
    widget()->adjustSize();
    if (isFloating())
        resize(size().expandedTo(sizeHint()));
}

FiberDesign FiberDock::fiberInFields() const
{
    FiberDesign f;
    // A translated name stands for the name it was shown for.
    const QString typed = m_name->text().trimmed();
    f.name = typed == m_nameShown.trimmed() ? m_nameSource : typed.toStdString();
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        bool ok = false;
        const double v = m_values[i]->text().trimmed().toDouble(&ok);
        // Not a number: NaN, which the range check refuses by name.
        f.*kFields[i].member = ok ? v : std::numeric_limits<double>::quiet_NaN();
    }
    return f;
}

void FiberDock::typeChosen(int index)
{
    const int generic = int(velmora::designs::genericFibers().size());
    if (index >= 1 && index <= generic)
        emit fiberEdited(velmora::designs::genericFibers()[std::size_t(index - 1)]);
    else if (index > generic) {
        const auto mine = userFibers();
        const std::size_t i = std::size_t(index - 1 - generic);
        if (i < mine.size())
            emit fiberEdited(mine[i]);
    }
    m_types->setCurrentIndex(0);
}

std::vector<FiberDesign> FiberDock::userFibers()
{
    std::vector<FiberDesign> fibers;
    for (const QString &text :
         QSettings().value(QString::fromLatin1(kUserFibersKey)).toStringList()) {
        const auto r = velmora::designs::readDesign(text.toStdString(), velmora::calc::catalogue());
        if (r.ok) // a damaged entry is left out, never half-read
            fibers.push_back(r.design.fiber);
    }
    return fibers;
}

void FiberDock::storeUserFibers(const std::vector<FiberDesign> &fibers)
{
    QStringList texts;
    for (const FiberDesign &f : fibers) {
        velmora::designs::Design d;
        d.fiber = f;
        texts << QString::fromStdString(velmora::designs::writeDesign(d));
    }
    QSettings().setValue(QString::fromLatin1(kUserFibersKey), texts);
}

void FiberDock::saveAsUserFiber()
{
    const FiberDesign f = fiberInFields();
    if (velmora::designs::checkFiber(f))
        return emit fiberEdited(f); // the controller names the bad value
    auto mine = userFibers();
    mine.erase(std::remove_if(mine.begin(), mine.end(),
                              [&](const FiberDesign &m) { return m.name == f.name; }),
               mine.end());
    mine.push_back(f);
    storeUserFibers(mine);
    refreshTypes();
}

void FiberDock::removeUserFiber()
{
    const std::string name = m_name->text().trimmed().toStdString();
    auto mine = userFibers();
    mine.erase(std::remove_if(mine.begin(), mine.end(),
                              [&](const FiberDesign &m) { return m.name == name; }),
               mine.end());
    storeUserFibers(mine);
    refreshTypes();
}
