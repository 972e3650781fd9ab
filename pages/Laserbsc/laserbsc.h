#ifndef LASERBSC_H
#define LASERBSC_H

#include <QWidget>

namespace Ui {
class Laserbsc;
}

// Continuous-wave laser page: optical frequency, coherence time and
// coherence length from the wavelength and the spectral width. The width is
// entered either in Hz or in nm; each of the two fields rewrites the other
// when edited, and the calculation always reads the Hz field.
class Laserbsc : public QWidget
{
    Q_OBJECT

public:
    explicit Laserbsc(QWidget *parent = nullptr);
    ~Laserbsc() override;

    // The form; the main window reaches the fields by object name (clear,
    // default parameters, export).
    Ui::Laserbsc *form() const { return ui; }

protected:
    // QEvent::LanguageChange: the captions anew, inputs and results kept.
    void changeEvent(QEvent *event) override;

private slots:
    void calresLaserbsc1();
    void changeFreq();
    void changeLin();

private:
    Ui::Laserbsc *ui;
};

#endif // LASERBSC_H
