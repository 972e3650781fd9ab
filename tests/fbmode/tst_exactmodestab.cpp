// The "精确模式特性" tab as a user drives it (offscreen): Calculate on the
// worker thread, the sortable table with units in its headers, Ctrl+C as
// tab-separated rows, the map of the selected row, refusals and cancel.

#include "exactmodestab.h"
#include "fbmode.h"
#include "fbmodeform.h"

#include "../foundation/noticecatcher.h"

#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <qcustomplot.h>

class TestExactModesTab : public QObject
{
    Q_OBJECT

private:
    // A generous bound for a worker on a loaded machine; nothing is asserted
    // about the time taken.
    static constexpr int kWaitMs = 120000;

    static QLineEdit *field(QWidget *tab, const char *name)
    {
        return tab->findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    static bool runAndWait(ExactModesTab *tab)
    {
        QSignalSpy finished(tab, &ExactModesTab::calculationFinished);
        tab->findChild<QPushButton *>(QStringLiteral("m_exactCalculateButton"))->click();
        return finished.count() > 0 || finished.wait(kWaitMs);
    }

private slots:
    void isTheFourthTabOfTheFiberModePage()
    {
        fbmode page;
        QCOMPARE(page.ui->tabWidget->count(), 4);
        QCOMPARE(page.ui->tabWidget->tabText(3), QStringLiteral("精确模式特性"));
        QVERIFY(qobject_cast<ExactModesTab *>(page.ui->tabWidget->widget(3)));
    }

    void defaultFiberFillsOneSortableRowPerModeAndDrawsTheSelectedMode()
    {
        ExactModesTab tab;
        QVERIFY(runAndWait(&tab));
        QCOMPARE(field(&tab, "m_exactVLineEdit")->text(), QStringLiteral("6.8654"));
        QCOMPARE(field(&tab, "m_exactCountLineEdit")->text(), QStringLiteral("7"));
        auto *table = tab.findChild<QTableWidget *>(QStringLiteral("m_exactTable"));
        QCOMPARE(table->rowCount(), 7);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("LP01"));
        QCOMPARE(table->horizontalHeaderItem(5)->text(), QStringLiteral("传播常数β [1/m]"));
        // Sorting by U (numbers, not texts): ascending U is descending neff.
        table->sortItems(6, Qt::AscendingOrder);
        QStringList order;
        for (int r = 0; r < table->rowCount(); ++r)
            order << table->item(r, 0)->text();
        QCOMPARE(order, (QStringList{"LP01", "LP11", "LP21", "LP02", "LP31", "LP12", "LP41"}));
        // Selecting a row draws it; the title names the mode.
        table->selectRow(3);
        QCOMPARE(tab.findChild<QLabel *>(QStringLiteral("exactMapTitle"))->text().left(4),
                 QStringLiteral("LP02"));
        auto *plot = tab.findChild<QCustomPlot *>(QStringLiteral("exactMapPlot"));
        auto *map = qobject_cast<QCPColorMap *>(plot->plottable(0));
        QVERIFY(map && map->visible());
        QCOMPARE(map->data()->keySize(), 501);
        // Ctrl+C: the header and the selected row, tab-separated.
        table->setFocus();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1].split('\t').first(), QStringLiteral("LP02"));
        QCOMPARE(lines[0].split('\t').size(), table->columnCount());
    }

    void vectorModesAreListedUnderTheirLpMode()
    {
        ExactModesTab tab;
        field(&tab, "m_exactALineEdit")->setText(QStringLiteral("10"));
        tab.findChild<QCheckBox *>(QStringLiteral("m_exactVectorCheckBox"))->setChecked(true);
        QVERIFY(runAndWait(&tab));
        auto *table = tab.findChild<QTableWidget *>(QStringLiteral("m_exactTable"));
        QStringList names;
        for (int r = 0; r < table->rowCount(); ++r)
            names << table->item(r, 0)->text();
        // Each LP row is followed by its vector modes (in descending neff).
        QCOMPARE(names.mid(0, 3), (QStringList{"LP01", "HE11", "LP11"}));
        QStringList lp11 = names.mid(3);
        lp11.sort();
        QCOMPARE(lp11, (QStringList{"HE21", "TE01", "TM01"}));
        // A vector row draws its own exact field: TE01 is a ring, dark at the
        // centre, where LP11 has two lobes and LP01 its peak.
        table->selectRow(names.indexOf("TE01"));
        auto *title = tab.findChild<QLabel *>(QStringLiteral("exactMapTitle"));
        QVERIFY(title->text().startsWith(QStringLiteral("TE01 光强 |Eₜ|²")));
        auto *plot = tab.findChild<QCustomPlot *>(QStringLiteral("exactMapPlot"));
        QCPColorMapData *data = qobject_cast<QCPColorMap *>(plot->plottable(0))->data();
        QVERIFY(data->cell(250, 250) < 1e-3);
        QVERIFY(data->cell(250, 250 + 60) > 0.1);
        QCOMPARE(data->cell(250, 250 + 60), data->cell(250 + 60, 250));
    }

    void refusesWithANoticeNamingTheProblem()
    {
        ExactModesTab tab;
        field(&tab, "m_exactN1LineEdit")->setText(QStringLiteral("1.44"));
        QCOMPARE(captureNotice([&] { tab.calculate(); }),
                 QStringLiteral("提示|纤芯折射率应大于包层折射率"));
        QVERIFY(!tab.isRunning());
        field(&tab, "m_exactN1LineEdit")->setText(QStringLiteral("1.4512"));
        field(&tab, "m_exactALineEdit")->setText(QStringLiteral("400"));
        QCOMPARE(captureNotice([&] { tab.calculate(); }),
                 QStringLiteral("提示|归一化频率V不超过100"));
    }

    void cancelEndsALongCalculationAndKeepsTheShownTable()
    {
        ExactModesTab tab;
        QVERIFY(runAndWait(&tab));
        field(&tab, "m_exactALineEdit")->setText(QStringLiteral("100"));
        field(&tab, "m_exactNALineEdit")->setText(QStringLiteral("0.17"));
        tab.findChild<QLineEdit *>(QStringLiteral("m_exactNALineEdit"))->editingFinished();
        QSignalSpy finished(&tab, &ExactModesTab::calculationFinished);
        tab.calculate();
        QVERIFY(tab.isRunning());
        tab.cancel();
        QVERIFY(finished.count() > 0 || finished.wait(kWaitMs));
        QVERIFY(!tab.isRunning());
        QCOMPARE(tab.findChild<QTableWidget *>(QStringLiteral("m_exactTable"))->rowCount(), 7);
    }

    // The README's picture: VELMORA_SCREENSHOTS=<folder> writes it.
    // 清空 and 恢复默认参数: no row, map or result of the last solve stays.
    // Results belong to their inputs: another core radius after the
    // calculation greys V, the count, the table and the map with a note;
    // the next calculation makes them current again.
    void anEditedInputMarksTheResultsUntilTheNextCalculation()
    {
        ExactModesTab tab;
        tab.show();
        QVERIFY(runAndWait(&tab));
        auto *note = tab.findChild<QLabel *>(QStringLiteral("exactStaleNote"));
        QVERIFY(!note->isVisible());
        field(&tab, "m_exactALineEdit")->setText(QStringLiteral("12")); // was 20
        QVERIFY(note->isVisible());
        QVERIFY(field(&tab, "m_exactVLineEdit")->graphicsEffect());
        QVERIFY(tab.findChild<QTableWidget *>(QStringLiteral("m_exactTable"))->graphicsEffect());
        QCOMPARE(field(&tab, "m_exactALineEdit")->property("velmoraResultInput").toString(),
                 QStringLiteral("20"));
        tab.findChild<QCheckBox *>(QStringLiteral("m_exactVectorCheckBox"))->toggle();
        QVERIFY(runAndWait(&tab));
        QVERIFY(!note->isVisible());
        QVERIFY(!field(&tab, "m_exactVLineEdit")->graphicsEffect());
        QVERIFY(!field(&tab, "m_exactALineEdit")->property("velmoraResultInput").isValid());
    }

    void clearResultsEmptiesTheTableAndTheMap()
    {
        ExactModesTab tab;
        QVERIFY(runAndWait(&tab));
        auto *table = tab.findChild<QTableWidget *>(QStringLiteral("m_exactTable"));
        QVERIFY(table->rowCount() > 0);
        tab.clearResults();
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(field(&tab, "m_exactVLineEdit")->text().isEmpty());
    }

    void screenshotForTheReadme()
    {
        const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("set VELMORA_SCREENSHOTS to a folder to write the README picture");
        fbmode page;
        page.ui->tabWidget->setCurrentIndex(3);
        auto *tab = qobject_cast<ExactModesTab *>(page.ui->tabWidget->widget(3));
        tab->findChild<QCheckBox *>(QStringLiteral("m_exactMaterialCheckBox"))->setChecked(true);
        tab->findChild<QCheckBox *>(QStringLiteral("m_exactVectorCheckBox"))->setChecked(true);
        page.resize(1280, 760);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(runAndWait(tab));
        auto *table = tab->findChild<QTableWidget *>(QStringLiteral("m_exactTable"));
        const QList<QTableWidgetItem *> te01 = table->findItems("TE01", Qt::MatchExactly);
        QCOMPARE(te01.size(), 1);
        table->selectRow(te01.front()->row());
        table->scrollToItem(te01.front(), QAbstractItemView::PositionAtCenter);
        QVERIFY(page.ui->tabWidget->grab().save(folder + QStringLiteral("/exact-modes-tab.png")));
    }
};

QTEST_MAIN(TestExactModesTab)
#include "tst_exactmodestab.moc"
