// The constants dialog: texts, alignment, colours from the settings, no
// editing, whole-row selection, size limits, one new dialog per use.
#include "shelltest.h"

#include "constant.h"
#include "fbmainwindow.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

struct Row {
    const char *name;
    const char *value;
    const char *unit; // nullptr: no unit item at all
};

// The constants as the dialog lists them: the SI since 20 May 2019 fixes e, k
// and h exactly (c and the standard gravity were exact before); ε0, μ0 and
// the masses are the CODATA 2018 recommended values (Tiesinga et al.,
// Rev. Mod. Phys. 93, 025010 (2021)). The unit of h is J·s (S is siemens).
const Row kRows[] = {
    {"圆周率", "3.141592653589793238", ""},        {"欧拉指数", "2.71828182845905", nullptr},
    {"重力加速度", "9.80665", "m / s^2"},          {"真空中光速", "299792458", "m / s"},
    {"真空介电常数", "8.8541878128E-12", "F / m"}, {"真空磁导率", "1.25663706212E-6", "H / m"},
    {"基本电荷", "1.602176634E-19", "C"},          {"原子质量", "1.66053906660E-27", "kg"},
    {"电子质量", "9.1093837015E-31", "kg"},        {"质子质量", "1.67262192369E-27", "kg"},
    {"中子质量", "1.67492749804E-27", "kg"},       {"玻耳兹曼常数", "1.380649E-23", "J/K"},
    {"普朗克常数", "6.62607015E-34", "J·s"},
};

QColor baseColorOf(const QWidget *widget)
{
    return widget->palette().color(QPalette::Base);
}

} // namespace

class ShellConstantTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }

    void tableHoldsTheThirteenConstants()
    {
        Constant dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("ConstantDialog"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("常用常量表"));
        QTableWidget *table = dialog.tableWidget;
        QCOMPARE(table->rowCount(), 13);
        QCOMPARE(table->columnCount(), 3);
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("名称"));
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("取值"));
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("单位"));
        QVERIFY(table->verticalHeaderItem(0));
        QCOMPARE(table->verticalHeaderItem(0)->text(), QStringLiteral("1"));
        for (int row = 1; row < 13; ++row)
            QVERIFY(!table->verticalHeaderItem(row)); // default numbers 2 .. 13
        QCOMPARE(table->model()->headerData(5, Qt::Vertical).toString(), QStringLiteral("6"));
        QVERIFY(!table->isSortingEnabled());

        for (int row = 0; row < 13; ++row) {
            const Row &expected = kRows[row];
            for (int column = 0; column < 2; ++column) {
                QTableWidgetItem *item = table->item(row, column);
                QVERIFY(item);
                QCOMPARE(item->text(),
                         QString::fromUtf8(column == 0 ? expected.name : expected.value));
                QCOMPARE(item->textAlignment(), int(Qt::AlignCenter));
            }
            QTableWidgetItem *unit = table->item(row, 2);
            if (!expected.unit) {
                QVERIFY2(!unit, qPrintable(QStringLiteral("row %1").arg(row)));
                continue;
            }
            QVERIFY(unit);
            QCOMPARE(unit->text(), QString::fromUtf8(expected.unit));
            if (row == 0)
                QCOMPARE(unit->textAlignment(), QTableWidgetItem().textAlignment());
            else
                QCOMPARE(unit->textAlignment(), int(Qt::AlignCenter));
        }
    }

    void coloursWithAnEmptyStore()
    {
        FBMainWindow window;
        Constant dialog(&window);
        QCOMPARE(windowColorOf(&dialog), QColor(152, 204, 222));
        QCOMPARE(baseColorOf(dialog.tableWidget), QColor(206, 224, 255));
        QCOMPARE(windowColorOf(&window), QColor(85, 170, 255));
    }

    void coloursFollowTheStoredSettings()
    {
        {
            QSettings settings;
            settings.setValue(QStringLiteral("red/window"), 11);
            settings.setValue(QStringLiteral("green/window"), 22);
            settings.setValue(QStringLiteral("blue/window"), 33);
            settings.setValue(QStringLiteral("red/textview"), 44);
            settings.setValue(QStringLiteral("green/textview"), 55);
            settings.setValue(QStringLiteral("blue/textview"), 66);
        }
        Constant dialog;
        QCOMPARE(windowColorOf(&dialog), QColor(11, 22, 33));
        QCOMPARE(baseColorOf(dialog.tableWidget), QColor(44, 55, 66));
        // The table's palette still carries the window colour.
        QCOMPARE(windowColorOf(dialog.tableWidget), QColor(11, 22, 33));
    }

    void defaultSettingsRecolourOnlyTheNextDialog()
    {
        {
            QSettings settings;
            settings.setValue(QStringLiteral("red/textview"), 1);
            settings.setValue(QStringLiteral("green/textview"), 2);
            settings.setValue(QStringLiteral("blue/textview"), 3);
        }
        FBMainWindow window;
        window.findChild<QAction *>(QStringLiteral("actionConstant"))->trigger();
        Constant *before = window.lastConstantDialog();
        QVERIFY(before);
        QCOMPARE(baseColorOf(before->tableWidget), QColor(1, 2, 3));

        window.findChild<QAction *>(QStringLiteral("actionDefaultSettings"))->trigger();
        QCOMPARE(baseColorOf(before->tableWidget), QColor(1, 2, 3));

        window.findChild<QAction *>(QStringLiteral("actionConstant"))->trigger();
        Constant *after = window.lastConstantDialog();
        QVERIFY(after && after != before);
        QCOMPARE(baseColorOf(after->tableWidget), QColor(206, 224, 255));
        QCOMPARE(windowColorOf(after), QColor(85, 170, 255));
    }

    void cellsCannotBeEditedAndRowsAreSelectedWhole()
    {
        Constant dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTableWidget *table = dialog.tableWidget;
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(table->columnWidth(2), 160);

        const QRect cell = table->visualItemRect(table->item(3, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(table->selectedItems().size(), 3);
        for (QTableWidgetItem *item : table->selectedItems())
            QCOMPARE(item->row(), 3);

        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(table->findChildren<QLineEdit *>().isEmpty());
        QCOMPARE(table->item(3, 1)->text(), QStringLiteral("299792458"));
        QTest::keyClicks(table, QStringLiteral("42"));
        QCOMPARE(table->item(3, 1)->text(), QStringLiteral("299792458"));
    }

    void sizeIsLimited()
    {
        Constant dialog;
        QCOMPARE(dialog.minimumSize(), QSize(400, 300));
        QCOMPARE(dialog.maximumSize(), QSize(500, 450));
        dialog.resize(1000, 1000);
        QCOMPARE(dialog.size(), QSize(500, 450));
        dialog.resize(10, 10);
        QCOMPARE(dialog.size(), QSize(400, 300));
    }

    void opensLargeEnoughToShowEveryValue()
    {
        Constant dialog;
        QCOMPARE(dialog.size(), QSize(500, 450));
        QTableWidget *table = dialog.tableWidget;
        const QFontMetrics metrics(table->font());
        for (int row = 0; row < 13; ++row)
            for (int column = 0; column < 2; ++column) {
                const QString text = table->item(row, column)->text();
                QVERIFY2(table->columnWidth(column) >= metrics.horizontalAdvance(text),
                         qPrintable(text));
            }
    }

    void okHidesTheDialog()
    {
        Constant dialog;
        dialog.show();
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void everyUseOpensANewNonModalDialog()
    {
        FBMainWindow window;
        QAction *show = window.findChild<QAction *>(QStringLiteral("actionConstant"));
        show->trigger();
        Constant *first = window.lastConstantDialog();
        show->trigger();
        Constant *second = window.lastConstantDialog();
        QVERIFY(first && second && first != second);
        QVERIFY(first->isVisible() && second->isVisible());
        QVERIFY(!second->isModal());
        QCOMPARE(second->parentWidget(), static_cast<QWidget *>(&window));
        QCOMPARE(window.findChildren<Constant *>().size(), 2);
    }
};

VELMORA_SHELL_TEST_MAIN(ShellConstantTest)
#include "tst_shellconstant.moc"
