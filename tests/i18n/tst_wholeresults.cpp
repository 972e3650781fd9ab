// Every result field shows its whole text: each page and tab of the window,
// in Chinese and in English, every read-only line edit given the longest
// texts the number formats write; the text, in the font the field then
// shows it in, fits the field's room by font metrics. A text too wide
// would scroll and show a part that reads as another number.
#include "../shell/shelltest.h"

#include "designcontroller.h"
#include "exactmodestab.h"
#include "fbamp.h"
#include "fbampform.h"
#include "fbmainwindow.h"
#include "fiberdock.h"
#include "pageregistry.h"
#include "sweeprunner.h"
#include "sweepwindow.h"
#include "tabfields.h"
#include "textfit.h"
#include "textformat.h"
#include "uilanguageswitch.h"
#include "wholetext.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>

namespace {

// The longest texts of the formats ('g6' and '%.2e' of extreme exponents,
// the fixed-point results of their widest values), and a long negative
// fixed-point result.
QStringList extremeTexts()
{
    using velmora::calc::formatNumber;
    return {QStringLiteral("-1.23456e-300"),
            QStringLiteral("1.23456e+300"),
            QStringLiteral("-8.88888e+300"),
            QString::fromStdString(formatNumber(-1.23456789e-300, 'g', 6)),
            QString::fromStdString(formatNumber(-123456.789, 'f', 3)),
            QStringLiteral("-1.23e-300")};
}

QString nameOf(const QWidget *w)
{
    QStringList parts;
    for (const QWidget *p = w; p && !p->isWindow(); p = p->parentWidget())
        if (!p->objectName().isEmpty())
            parts.prepend(p->objectName());
    return parts.join(QLatin1Char('/'));
}

} // namespace

class TestWholeResults : public QObject
{
    Q_OBJECT

private:
    // Every result field of every tab of every page, each extreme text: what
    // does not fit, one line each. Returns the number of fields checked.
    int cutResults(FBMainWindow &window, QStringList *cut)
    {
        int checked = 0;
        for (const PageEntry &entry : pageRegistry()) {
            window.findChild<QAction *>(QString::fromLatin1(entry.actionName))->trigger();
            QWidget *page = window.currentPageWidget();
            auto *tabs = page->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
            for (int t = 0; t < (tabs ? tabs->count() : 1); ++t) {
                if (tabs)
                    tabs->setCurrentIndex(t);
                QApplication::processEvents();
                // The tab's result fields: its calculators' outputs and any
                // other read-only line edit.
                QSet<QLineEdit *> results;
                for (const velmora::calc::Calculator *c : tabCalculators(page, t))
                    for (const velmora::calc::FieldDescription &f : c->description().fields)
                        if (f.role == velmora::calc::FieldRole::Output && !f.objectName.empty())
                            if (auto *field = page->findChild<QLineEdit *>(
                                    QString::fromStdString(f.objectName)))
                                results << field;
                for (QLineEdit *field : page->findChildren<QLineEdit *>())
                    if (field->isReadOnly())
                        results << field;
                for (QLineEdit *field : results) {
                    if (!field->isVisible())
                        continue;
                    ++checked;
                    const QString before = field->text();
                    field->clear();
                    const QFont own = field->font();
                    for (const QString &text : extremeTexts()) {
                        field->setText(text);
                        if (!showsWholeText(field))
                            *cut << QStringLiteral("%1 tab %2: %3 \"%4\" needs %5 px of %6")
                                        .arg(QString::fromStdString(entry.folder))
                                        .arg(t)
                                        .arg(nameOf(field), text)
                                        .arg(field->fontMetrics().horizontalAdvance(text))
                                        .arg(textRoom(field));
                        // Set smaller: the text is also the tool tip.
                        if (field->font() != own && field->toolTip() != text)
                            *cut << QStringLiteral("%1: no tool tip").arg(nameOf(field));
                    }
                    field->setText(before);
                }
            }
        }
        return checked;
    }

private slots:
    void cleanup() { applyUiLanguage(UiLanguage::Chinese); }

    void everyResultShowsItsWholeTextInChinese()
    {
        FBMainWindow window;
        window.show();
        QStringList cut;
        const int checked = cutResults(window, &cut);
        QVERIFY2(checked >= 50, qPrintable(QString::number(checked)));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void everyResultShowsItsWholeTextInEnglish()
    {
        FBMainWindow window;
        window.show();
        QVERIFY(applyUiLanguage(UiLanguage::English));
        QStringList cut;
        const int checked = cutResults(window, &cut);
        QVERIFY2(checked >= 50, qPrintable(QString::number(checked)));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // The current-fiber dock in English: every value whole (the Yb
    // concentration has ten digits and an exponent), every caption and
    // button whole.
    void theFiberDockShowsEverythingWholeInEnglish()
    {
        FBMainWindow window;
        window.show();
        QVERIFY(applyUiLanguage(UiLanguage::English));
        window.designs()->showFiberDock();
        FiberDock *dock = window.designs()->fiberDock();
        QApplication::processEvents();
        QStringList cut;
        for (QLineEdit *edit : dock->findChildren<QLineEdit *>())
            if (!showsWholeText(edit))
                cut << edit->objectName() + QStringLiteral(": ") + edit->text();
        for (QWidget *w : dock->findChildren<QWidget *>())
            if (w->isVisible() && textOverflow(w) > 1)
                cut << w->objectName() + QStringLiteral(" text by %1 px").arg(textOverflow(w));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        QVERIFY(dock->findChild<QLineEdit *>(QStringLiteral("fiberYb"))
                    ->text()
                    .contains(QStringLiteral("e+25")));
    }

    // Pictures of the amplifier page, the exact-mode tab in both languages,
    // the fiber dock and a sweep with its exported files:
    // VELMORA_SCREENSHOTS=<folder> writes them.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("set VELMORA_SCREENSHOTS to a folder to write the pictures");
        FBMainWindow window;
        window.resize(1500, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *amp = qobject_cast<fbamp *>(window.showPage("fbamp"));
        amp->form().presetCombo->setCurrentIndex(1);
        amp->applyPreset(1);
        QSignalSpy done(amp, &fbamp::calculationFinished);
        amp->calresFbamp();
        QVERIFY(done.wait(120000));
        QVERIFY(window.grab().save(folder + QStringLiteral("/amp-zh.png")));
        amp->form().inputs.at("length_m")->setText(QStringLiteral("4"));
        QVERIFY(window.grab().save(folder + QStringLiteral("/amp-zh-stale.png")));
        amp->form().inputs.at("length_m")->setText(QStringLiteral("3"));

        QWidget *modes = window.showPage("fbmode");
        auto *tabs = modes->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        tabs->setCurrentIndex(3);
        auto *exact = qobject_cast<ExactModesTab *>(tabs->widget(3));
        exact->findChild<QLineEdit *>(QStringLiteral("m_exactALineEdit"))
            ->setText(QStringLiteral("50"));
        auto *na = exact->findChild<QLineEdit *>(QStringLiteral("m_exactNALineEdit"));
        na->setText(QStringLiteral("0.22"));
        emit na->editingFinished(); // n1 follows, as when the field is left
        QSignalSpy exactDone(exact, &ExactModesTab::calculationFinished);
        exact->findChild<QPushButton *>(QStringLiteral("m_exactCalculateButton"))->click();
        QVERIFY(exactDone.wait(300000));
        QVERIFY(window.grab().save(folder + QStringLiteral("/exact-zh.png")));
        QVERIFY(applyUiLanguage(UiLanguage::English));
        QApplication::processEvents();
        QVERIFY(window.grab().save(folder + QStringLiteral("/exact-en.png")));
        exact->findChild<QLineEdit *>(QStringLiteral("m_exactALineEdit"))
            ->setText(QStringLiteral("40"));
        QVERIFY(window.grab().save(folder + QStringLiteral("/exact-en-stale.png")));
        window.designs()->showFiberDock();
        QApplication::processEvents();
        QVERIFY(
            window.designs()->fiberDock()->grab().save(folder + QStringLiteral("/dock-en.png")));
        window.showPage("fbamp");
        QApplication::processEvents();
        QVERIFY(window.grab().save(folder + QStringLiteral("/amp-en.png")));
        QVERIFY(applyUiLanguage(UiLanguage::Chinese));
        QApplication::processEvents();
        QVERIFY(
            window.designs()->fiberDock()->grab().save(folder + QStringLiteral("/dock-zh.png")));

        window.showSweepWindow();
        SweepWindow *sweep = window.lastSweepWindow();
        auto *preset = sweep->findChild<QComboBox *>(QStringLiteral("presetCombo"));
        const int last = preset->count() - 1; // the amplifier preset
        preset->setCurrentIndex(last);
        QMetaObject::invokeMethod(preset, "activated", Q_ARG(int, last));
        QSignalSpy swept(sweep->runner(), &SweepRunner::finished);
        sweep->startSweep();
        QVERIFY(swept.wait(300000));
        sweep->show();
        QApplication::processEvents();
        QVERIFY(sweep->grab().save(folder + QStringLiteral("/sweep-amp.png")));
        QString error;
        for (const char *name : {"/sweep-amp.csv", "/sweep-amp.xlsx"})
            QVERIFY2(sweep->saveTable(folder + QLatin1String(name), &error), qPrintable(error));
        for (const char *name : {"/sweep-amp-plot.png", "/sweep-amp-plot.svg"})
            QVERIFY2(sweep->savePlot(folder + QLatin1String(name), &error), qPrintable(error));
    }

    // A short text after a long one is shown in the field's own font again.
    void aFittingTextGetsTheFieldsOwnFontBack()
    {
        FBMainWindow window;
        window.show();
        QWidget *page = window.showPage("fbamp");
        auto *left = page->findChild<QLineEdit *>(QStringLiteral("m_PumpLeftlineEdit"));
        QVERIFY(left);
        QApplication::processEvents();
        const QFont own = left->font();
        left->setText(QStringLiteral("-2.27544e-210"));
        QVERIFY(showsWholeText(left));
        left->setText(QStringLiteral("0.1"));
        QCOMPARE(left->font(), own);
        QVERIFY(left->toolTip().isEmpty());
    }
};

VELMORA_SHELL_TEST_MAIN(TestWholeResults)
#include "tst_wholeresults.moc"
