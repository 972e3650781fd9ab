#include "bscoptlaw.h"

#include "geometricoptics.h"
#include "pageconventions.h"
#include "ui_bscoptlaw.h"

#include <QDoubleValidator>

using namespace geometricoptics;

bscoptlaw::bscoptlaw(QWidget *parent) : QWidget(parent), ui(new Ui::bscoptlaw)
{
    ui->setupUi(this);

    QDoubleValidator *validator = createInputValidator(this);
    ui->m_RfrlineEdit_1->setValidator(validator);
    ui->m_RfrlineEdit_2->setValidator(validator);
    ui->m_ThetalineEdit_3->setValidator(validator);
    // The radian field stays unvalidated so that it can be emptied and then
    // refilled from the degree field.

    for (QLineEdit *output : {ui->m_RadlineEdit_8, ui->m_RadlineEdit_9, ui->m_RadlineEdit_10,
                              ui->m_ThetalineEdit_4, ui->m_ThetalineEdit_6, ui->m_ThetalineEdit_5})
        setupOutputField(output);

    connect(ui->pushButton, SIGNAL(clicked()), this, SLOT(calresBscopt()));
    connect(ui->m_RadianlineEdit, SIGNAL(editingFinished()), this, SLOT(changeAng()));
    connect(ui->m_ThetalineEdit_3, SIGNAL(editingFinished()), this, SLOT(changeRad()));
}

bscoptlaw::~bscoptlaw()
{
    delete ui;
}

void bscoptlaw::calresBscopt()
{
    const double n1 = readField(ui->m_RfrlineEdit_1);
    const double n2 = readField(ui->m_RfrlineEdit_2);
    const double theta1 = readField(ui->m_RadianlineEdit); // rad
    const Interface angles = solveInterface(n1, n2, theta1);

    ui->m_ThetalineEdit_6->setText(formatNumber(angles.brewster, 'g', 4));
    ui->m_RadlineEdit_9->setText(formatNumber(radiansToDegrees(angles.brewster), 'g', 6));

    const auto writeRefraction = [&] {
        ui->m_ThetalineEdit_4->setText(formatNumber(angles.refraction, 'f', 4));
        ui->m_RadlineEdit_8->setText(formatNumber(radiansToDegrees(angles.refraction), 'f', 4));
    };

    if (angles.hasCritical) {
        ui->m_ThetalineEdit_5->setText(formatNumber(angles.critical, 'f', 4));
        ui->m_RadlineEdit_10->setText(formatNumber(radiansToDegrees(angles.critical), 'f', 4));
        if (angles.totalReflection) {
            ui->m_ThetalineEdit_4->setText(QString());
            ui->m_RadlineEdit_8->setText(QString());
            showNotice(this, QStringLiteral("此时为全反射"));
        } else {
            writeRefraction();
        }
    } else {
        writeRefraction();
        ui->m_ThetalineEdit_5->setText(QString());
        ui->m_RadlineEdit_10->setText(QString());
        showNotice(this, QStringLiteral("n1>n2时才能计算全反射角"));
    }
}

// Radians edited: the degree field follows. An emptied radian field is first
// refilled from the degree field.
void bscoptlaw::changeAng()
{
    double radians = readField(ui->m_RadianlineEdit);
    const double degrees = readField(ui->m_ThetalineEdit_3);
    if (ui->m_RadianlineEdit->text().isEmpty()) {
        radians = degreesToRadians(degrees);
        ui->m_RadianlineEdit->setText(formatNumber(radians, 'g', 6));
    }
    ui->m_ThetalineEdit_3->setText(formatNumber(radiansToDegrees(radians), 'g', 6));
}

// Degrees edited: the radian field follows. The validator keeps the degree
// field from emitting editingFinished() while empty, so the refill is only a
// safeguard.
void bscoptlaw::changeRad()
{
    const double radians = readField(ui->m_RadianlineEdit);
    double degrees = readField(ui->m_ThetalineEdit_3);
    if (ui->m_ThetalineEdit_3->text().isEmpty()) {
        degrees = radiansTimes180OverPi(radians);
        ui->m_ThetalineEdit_3->setText(formatNumber(degrees, 'g', 6));
    }
    ui->m_RadianlineEdit->setText(formatNumber(degreesToRadians(degrees), 'g', 6));
}
