#ifndef LASERPLUSE_H
#define LASERPLUSE_H

#include <QWidget>

namespace Ui {
class LaserPluse;
}

// Pulsed-laser page: pulse energy and peak power from pulse width,
// repetition rate and average power.
class LaserPluse : public QWidget
{
    Q_OBJECT

public:
    explicit LaserPluse(QWidget *parent = nullptr);
    ~LaserPluse() override;

    // The form; the main window reaches the fields by object name (clear,
    // default parameters, export).
    Ui::LaserPluse *form() const { return ui; }

protected:
    // QEvent::LanguageChange: the captions anew, inputs and results kept.
    void changeEvent(QEvent *event) override;

private slots:
    void calresLaserPls();

private:
    Ui::LaserPluse *ui;
};

#endif // LASERPLUSE_H
