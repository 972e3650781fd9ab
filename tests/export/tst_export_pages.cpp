// The export commands of the main window on the real pages: every page tab
// exported to CSV and XLSX and read back, the gain table, failures and
// cancels, and the picture export with its messages and files.

#include "exportformats.h"
#include "fbmainwindow.h"
#include "fbmode.h"
#include "lasertrait.h"
#include "plotpicture.h"
#include "readback.h"
#include "sheetlayouts.h"
#include "sheetwriters.h"

#include <qcustomplot.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>

#include <sys/resource.h>
#include <unistd.h>
#include <csignal>
#include <map>
#include <string>

namespace {

// Closes every message box that appears while it lives and records
// "title|text" of each.
class MessageCatcher : public QObject
{
public:
    MessageCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                captured << box->windowTitle() + QLatin1Char('|') + box->text();
                icons << box->icon();
                box->accept();
            }
        });
        m_timer.start(5);
    }
    QStringList captured;
    QList<QMessageBox::Icon> icons;

private:
    QTimer m_timer;
};

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The text the layout row should put in column 2, read straight from the page.
QString expectedValue(const QWidget *page, const LayoutRow &row)
{
    switch (row.source) {
    case CellSource::None: return QString();
    case CellSource::LineEdit:
        return page->findChild<QLineEdit *>(QString::fromLatin1(row.widget))->text();
    case CellSource::ComboText:
        return page->findChild<QComboBox *>(QString::fromLatin1(row.widget))->currentText();
    case CellSource::CheckState:
        return page->findChild<QAbstractButton *>(QString::fromLatin1(row.widget))->isChecked()
                   ? QStringLiteral("是")
                   : QStringLiteral("否");
    case CellSource::FiberType:
        if (page->findChild<QRadioButton *>(QStringLiteral("radioButton"))->isChecked())
            return QStringLiteral("传输光纤");
        if (page->findChild<QRadioButton *>(QStringLiteral("radioButton_2"))->isChecked())
            return QStringLiteral("增益光纤");
        return QString();
    }
    return QString();
}

// Lets writes in this process fail once a file would grow beyond `bytes`
// (EFBIG, SIGXFSZ ignored), the way a full disk fails them.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TestExportPages : public QObject
{
    Q_OBJECT

private:
    FBMainWindow *window = nullptr;
    QString chosenName;
    QString chosenFilter;
    QString chosenDirectory;

    QWidget *show(const char *page, int tab = 0)
    {
        static const std::map<std::string, const char *> pageSlots = {
            {"bscoptlaw", "bsclawtab"}, {"nolinear", "nolineartab"}, {"fbopt", "fbbsctab"},
            {"fbmode", "fbmodetab"},    {"LaserPluse", "plstab"},    {"Laserbsc", "laserbsctab"},
            {"LaserTrait", "traittab"}, {"threashold", "threshtab"}, {"fbamp", "amptab"}};
        QMetaObject::invokeMethod(window, pageSlots.at(page));
        QWidget *widget = window->currentPageWidget();
        if (auto *tabs = widget->findChild<QTabWidget *>(QStringLiteral("tabWidget")))
            tabs->setCurrentIndex(tab);
        return widget;
    }

    QStringList exportData(const QString &name,
                           const QString &filter = QString::fromLatin1(kCsvFilter))
    {
        chosenName = name;
        chosenFilter = filter;
        window->statusBar()->clearMessage();
        MessageCatcher catcher;
        QMetaObject::invokeMethod(window, "exportData");
        QCoreApplication::processEvents();
        return catcher.captured;
    }

    QStringList exportPic(const QString &directory)
    {
        chosenDirectory = directory;
        MessageCatcher catcher;
        QMetaObject::invokeMethod(window, "exportPic");
        QCoreApplication::processEvents();
        lastIcons = catcher.icons;
        return catcher.captured;
    }
    QList<QMessageBox::Icon> lastIcons; // of the boxes exportPic() closed

    // Compares a written sheet (CSV and XLSX) with the layout and the page.
    void compareWithLayout(const SheetLayout &layout, const QWidget *page, const QString &csvPath,
                           const QString &xlsxPath)
    {
        const readback::CsvFile csv = readback::readCsv(csvPath);
        QVERIFY2(csv.ok, qPrintable(csv.error));
        QVERIFY(csv.hasBom);
        QVERIFY(csv.crlfOnly);
        const readback::XlsxFile xlsx = readback::readXlsx(xlsxPath);
        QVERIFY2(xlsx.ok, qPrintable(xlsx.error));
        QCOMPARE(xlsx.sheetCount, 1);

        int lastRow = 0;
        for (const LayoutRow &row : layout.rows) {
            const QString caption = QString::fromUtf8(row.caption ? row.caption : "");
            const QString value = expectedValue(page, row);
            QCOMPARE(csv.text(row.row, 1), caption);
            QCOMPARE(csv.text(row.row, 2), value);
            QCOMPARE(xlsx.values.value({row.row, 1}), caption);
            // A field's number is a numeric cell (its value read back as a
            // number); captions, labels, "inf" and empty fields are not.
            double number = 0;
            QByteArray format;
            if (row.source == CellSource::LineEdit &&
                XlsxWriter::numericCell(value, &number, &format)) {
                QCOMPARE(xlsx.types.value({row.row, 2}), QStringLiteral("n"));
                const double stored = xlsx.values.value({row.row, 2}).toDouble();
                QVERIFY2(std::fabs(stored - number) <= 1e-15 * std::fabs(number),
                         qPrintable(value));
                QCOMPARE(xlsx.formats.value({row.row, 2}), QString::fromLatin1(format));
            } else {
                QCOMPARE(xlsx.values.value({row.row, 2}), value);
                if (!value.isEmpty())
                    QCOMPARE(xlsx.types.value({row.row, 2}), QStringLiteral("s"));
            }
            lastRow = row.row;
        }
        if (layout.table.headerRow == 0) {
            QCOMPARE(csv.rows.size(), lastRow);
            QCOMPARE(xlsx.rowCount(), lastRow);
        }
    }

private slots:
    void init()
    {
        window = new FBMainWindow;
        window->setExportDialogs(
            [this](QString *filter) {
                *filter = chosenFilter;
                return chosenName;
            },
            [this] { return chosenDirectory; });
    }
    void cleanup()
    {
        delete window;
        window = nullptr;
    }

    // ---- spreadsheets --------------------------------------------------------
    void everyPageTabRoundTripsThroughCsvAndXlsx()
    {
        QTemporaryDir dir;
        for (const SheetLayout &layout : sheetLayouts()) {
            const QByteArray label = QByteArray(layout.page) + "/" + layout.tabText;
            QWidget *page = show(layout.page, layout.tab);
            QStringList missing;
            fillSheet(layout, page, &missing);
            QVERIFY2(missing.isEmpty(), qPrintable(label + ": " + missing.join(',').toUtf8()));
            // A value in exponent notation on the first input, nothing in the
            // last result: both must come back exactly.
            QLineEdit *first = nullptr, *last = nullptr;
            for (const LayoutRow &row : layout.rows)
                if (row.source == CellSource::LineEdit) {
                    auto *edit = page->findChild<QLineEdit *>(QString::fromLatin1(row.widget));
                    if (!first)
                        first = edit;
                    last = edit;
                }
            first->setText(QStringLiteral("1e-7"));
            last->clear();

            const QString base = dir.filePath(
                QStringLiteral("p%1t%2").arg(QString::fromLatin1(layout.page)).arg(layout.tab));
            QVERIFY2(exportData(base + ".csv").isEmpty(), label.constData());
            QVERIFY2(exportData(base + ".xlsx").isEmpty(), label.constData());
            QVERIFY(readAll(base + ".xlsx").startsWith("PK"));
            compareWithLayout(layout, page, base + ".csv", base + ".xlsx");
            if (QTest::currentTestFailed())
                qWarning("failed on %s", label.constData());
        }
    }

    void continuousLaserLeavesRowThreeCaptionEmpty()
    {
        QTemporaryDir dir;
        QWidget *page = show("Laserbsc");
        page->findChild<QLineEdit *>(QStringLiteral("m_delta_niulineEdit"))
            ->setText(QStringLiteral("5e9"));
        QVERIFY(exportData(dir.filePath("c.csv")).isEmpty());
        QVERIFY(exportData(dir.filePath("c.xlsx")).isEmpty());
        const readback::CsvFile csv = readback::readCsv(dir.filePath("c.csv"));
        QCOMPARE(csv.text(3, 1), QString());
        QCOMPARE(csv.text(3, 2), QStringLiteral("5e9"));
        const readback::XlsxFile xlsx = readback::readXlsx(dir.filePath("c.xlsx"));
        QVERIFY(!xlsx.values.contains({3, 1}));
        QCOMPARE(xlsx.types.value({3, 2}), QStringLiteral("n")); // the number 5e9
        QCOMPARE(xlsx.values.value({3, 2}).toDouble(), 5e9);
        QCOMPARE(xlsx.formats.value({3, 2}), QStringLiteral("0E+00"));
    }

    void brillouinDensityAndShiftRows()
    {
        QTemporaryDir dir;
        QWidget *page = show("nolinear", 0);
        page->findChild<QLineEdit *>(QStringLiteral("m_RouLineEdit"))
            ->setText(QStringLiteral("2210"));
        page->findChild<QLineEdit *>(QStringLiteral("m_DeltaBlineEdit_2"))
            ->setText(QStringLiteral("1.63e10"));
        QVERIFY(exportData(dir.filePath("b.csv")).isEmpty());
        const readback::CsvFile csv = readback::readCsv(dir.filePath("b.csv"));
        QCOMPARE(csv.text(10, 1), QStringLiteral("石英密度ρ"));
        QCOMPARE(csv.text(10, 2), QStringLiteral("2210"));
        QCOMPARE(csv.text(11, 2), QStringLiteral("1.63e10"));
        QCOMPARE(csv.text(13, 1), QStringLiteral("输出项"));
    }

    void nonlinearPhaseTabWritesTheFiberType()
    {
        QTemporaryDir dir;
        QWidget *page = show("nolinear", 2);
        page->findChild<QRadioButton *>(QStringLiteral("radioButton_2"))->setChecked(true);
        QVERIFY(exportData(dir.filePath("g.xlsx")).isEmpty());
        readback::XlsxFile xlsx = readback::readXlsx(dir.filePath("g.xlsx"));
        QCOMPARE(xlsx.values.value({9, 1}), QStringLiteral("类型"));
        QCOMPARE(xlsx.values.value({9, 2}), QStringLiteral("增益光纤"));
        page->findChild<QRadioButton *>(QStringLiteral("radioButton"))->setChecked(true);
        QVERIFY(exportData(dir.filePath("t.csv")).isEmpty());
        QCOMPARE(readback::readCsv(dir.filePath("t.csv")).text(9, 2), QStringLiteral("传输光纤"));
    }

    void fiberModeSheetGrowsWithTheModeTable()
    {
        QTemporaryDir dir;
        QWidget *page = show("fbmode", 0);
        auto *table = page->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        table->setRowCount(0);
        QVERIFY(exportData(dir.filePath("empty.csv")).isEmpty());
        readback::CsvFile csv = readback::readCsv(dir.filePath("empty.csv"));
        QCOMPARE(csv.rows.size(), 10);
        QCOMPARE(csv.rows[9], (QStringList{"m", "n", "β", "neff"}));

        page->findChild<QLineEdit *>(QStringLiteral("m_ALineEdit_2"))
            ->setText(QStringLiteral("10"));
        {
            MessageCatcher catcher;
            QMetaObject::invokeMethod(page, "calresFB5");
            QVERIFY(catcher.captured.isEmpty());
        }
        QVERIFY(table->rowCount() >= 2);
        QVERIFY(exportData(dir.filePath("modes.csv")).isEmpty());
        QVERIFY(exportData(dir.filePath("modes.xlsx")).isEmpty());
        csv = readback::readCsv(dir.filePath("modes.csv"));
        const readback::XlsxFile xlsx = readback::readXlsx(dir.filePath("modes.xlsx"));
        QCOMPARE(csv.rows.size(), 10 + table->rowCount());
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c) {
                const QString text = table->item(r, c) ? table->item(r, c)->text() : QString();
                QCOMPARE(csv.text(11 + r, 1 + c), text);
                // m, n, β and n_eff are numbers: compared as numbers.
                QCOMPARE(xlsx.types.value({11 + r, 1 + c}), QStringLiteral("n"));
                QCOMPARE(xlsx.values.value({11 + r, 1 + c}).toDouble(), text.toDouble());
            }
        QCOMPARE(csv.text(9, 2),
                 page->findChild<QLineEdit *>(QStringLiteral("m_NnumLineEdit_2"))->text());
    }

    void exportingTwiceReplacesTheFile()
    {
        QTemporaryDir dir;
        QWidget *page = show("LaserPluse");
        auto *width = page->findChild<QLineEdit *>(QStringLiteral("m_TaolineEdit"));
        for (const char *name : {"twice.csv", "twice.xlsx"}) {
            width->setText(QStringLiteral("1e-9"));
            QVERIFY(exportData(dir.filePath(name)).isEmpty());
            width->setText(QStringLiteral("2e-9"));
            QVERIFY(exportData(dir.filePath(name)).isEmpty());
        }
        QCOMPARE(readback::readCsv(dir.filePath("twice.csv")).text(2, 2), QStringLiteral("2e-9"));
        QCOMPARE(readback::readXlsx(dir.filePath("twice.xlsx")).values.value({2, 2}).toDouble(),
                 2e-9);
        QCOMPARE(filesIn(dir.path()), (QStringList{"twice.csv", "twice.xlsx"}));
    }

    void nameWithoutEndingTakesTheChosenFilter()
    {
        QTemporaryDir dir;
        show("bscoptlaw");
        QVERIFY(exportData(dir.filePath("book"), QString::fromLatin1(kXlsxFilter)).isEmpty());
        QVERIFY(readAll(dir.filePath("book.xlsx")).startsWith("PK"));
        QVERIFY(exportData(dir.filePath("plain"), QString::fromLatin1(kCsvFilter)).isEmpty());
        QVERIFY(readAll(dir.filePath("plain.csv")).startsWith("\xEF\xBB\xBF"));
        // The name's ending wins over the filter: a ".csv" name holds text.
        QVERIFY(exportData(dir.filePath("named.csv"), QString::fromLatin1(kXlsxFilter)).isEmpty());
        QVERIFY(readAll(dir.filePath("named.csv")).startsWith("\xEF\xBB\xBF"));
        QCOMPARE(filesIn(dir.path()), (QStringList{"book.xlsx", "named.csv", "plain.csv"}));
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("数据已导出到 %1").arg(dir.filePath("named.csv")));
    }

    void cancelledSaveDialogWritesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        show("bscoptlaw");
        QVERIFY(exportData(QString()).isEmpty());
        QVERIFY(filesIn(dir.path()).isEmpty());
        QCOMPARE(window->statusBar()->currentMessage(), QString());
        QVERIFY(QDir::setCurrent(QCoreApplication::applicationDirPath()));
    }

    void unwritableFolderGivesAWarningNamingFileAndReason()
    {
        // Permission bits do not stop root; /proc refuses new files to anyone.
        QTemporaryDir dir;
        QString folder = QStringLiteral("/proc");
        if (::geteuid() != 0) {
            folder = dir.path();
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        show("LaserPluse");
        for (const QString &name : {QStringLiteral("/pulse.csv"), QStringLiteral("/pulse.xlsx")}) {
            const QStringList messages = exportData(folder + name);
            QCOMPARE(messages.size(), 1);
            const QString head =
                QStringLiteral("提示|数据导出失败，无法写入文件\n") + folder + name + "\n原因：";
            QVERIFY2(messages[0].startsWith(head) && messages[0].size() > head.size(),
                     qPrintable(messages[0]));
            QCOMPARE(window->statusBar()->currentMessage(), QString());
            QVERIFY(!QFile::exists(folder + name));
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void failedWriteKeepsTheExistingFile()
    {
        QTemporaryDir dir;
        show("LaserPluse");
        for (const char *name : {"kept.csv", "kept.xlsx"}) {
            const QString path = dir.filePath(name);
            QVERIFY(exportData(path).isEmpty());
            const QByteArray before = readAll(path);
            QStringList messages;
            {
                // Writes fail once a file would pass 100 bytes, as on a full disk.
                FileSizeLimit limit(100);
                messages = exportData(path);
            }
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].contains(path), qPrintable(messages[0]));
            QCOMPARE(readAll(path), before);
        }
        QCOMPARE(filesIn(dir.path()), (QStringList{"kept.csv", "kept.xlsx"}));
    }

    void gainTabWritesTheGainTableNotAWorkbook()
    {
        QTemporaryDir dir;
        show("LaserTrait", 3);
        QVERIFY(exportData(dir.filePath("gain.csv")).isEmpty());
        const QList<QByteArray> lines = readAll(dir.filePath("gain.csv")).split('\n');
        QVERIFY(lines.size() > 10);
        QVERIFY(lines.last().isEmpty()); // every line ends in "\n"
        for (int i = 0; i + 1 < lines.size(); ++i) {
            const QList<QByteArray> numbers = lines[i].split(',');
            QCOMPARE(numbers.size(), 3);
            for (const QByteArray &number : numbers) {
                bool ok = false;
                number.toDouble(&ok);
                QVERIFY2(ok, lines[i].constData());
            }
        }
        auto *trait = qobject_cast<LaserTrait *>(window->currentPageWidget());
        QVERIFY(trait->gainComputed()); // the export calculated first

        // A workbook name still gets the text table, under a ".csv" name.
        QVERIFY(exportData(dir.filePath("gain2.xlsx")).isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("gain2.xlsx")));
        QCOMPARE(readAll(dir.filePath("gain2.csv")), readAll(dir.filePath("gain.csv")));
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("数据已导出到 %1").arg(dir.filePath("gain2.csv")));
    }

    // ---- pictures ------------------------------------------------------------
    void picturesAreRefusedBeforeCalculateAndOnTabsWithoutPlots()
    {
        QTemporaryDir dir;
        const QString calculateFirst = QStringLiteral("提示|请先点击计算按钮再保存图片");
        const QString noDataOnTab = QStringLiteral("提示|当前选项卡中无图片数据导出");
        const QString noPicture = QStringLiteral("提示|当前选项卡无图片导出.\n");
        struct Case {
            const char *page;
            int tab;
            QString message;
        };
        const Case cases[] = {
            {"fbmode", 0, calculateFirst},     {"fbmode", 1, calculateFirst},
            {"fbmode", 2, noDataOnTab},        {"LaserTrait", 0, noDataOnTab},
            {"LaserTrait", 1, noDataOnTab},    {"LaserTrait", 2, noDataOnTab},
            {"LaserTrait", 3, calculateFirst}, {"threashold", 0, calculateFirst},
            {"bscoptlaw", 0, noPicture},       {"nolinear", 1, noPicture},
            {"fbopt", 3, noPicture},           {"LaserPluse", 0, noPicture},
            {"Laserbsc", 0, noPicture},
        };
        for (const Case &c : cases) {
            show(c.page, c.tab);
            QCOMPARE(exportPic(dir.path()), QStringList{c.message});
        }
        QVERIFY(filesIn(dir.path()).isEmpty());
    }

    void cancelledDirectoryDialogSavesNothing()
    {
        show("fbmode", 0);
        QVERIFY(exportPic(QString()).isEmpty());
    }

    void lp01AndLp11GiveNineModeMaps()
    {
        QTemporaryDir dir;
        QWidget *page = show("fbmode", 0);
        page->findChild<QLineEdit *>(QStringLiteral("m_ALineEdit_2"))
            ->setText(QStringLiteral("10"));
        QMetaObject::invokeMethod(page, "calresFB5");
        QCOMPARE(page->findChild<QLineEdit *>(QStringLiteral("m_NnumLineEdit_2"))->text(),
                 QStringLiteral("2"));
        auto *modes = qobject_cast<fbmode *>(page);
        const QImage selected = modes->modeMapPlot()->toPixmap(400, 335).toImage();

        QCOMPARE(exportPic(dir.path() + QLatin1Char('/')),
                 QStringList{QStringLiteral("提示|图片保存在指定目录下")});
        // Saved pictures are news, not a warning.
        QCOMPARE(lastIcons, QList<QMessageBox::Icon>{QMessageBox::Information});
        // The export drew LP11 last; the page shows the selected LP01 again.
        QCOMPARE(modes->modeMapPlot()->toPixmap(400, 335).toImage(), selected);
        const QStringList expected = {"LP01A.jpg",   "LP01I.jpg",   "LP01P.jpg",
                                      "LP11_EA.jpg", "LP11_EI.jpg", "LP11_EP.jpg",
                                      "LP11_OA.jpg", "LP11_OI.jpg", "LP11_OP.jpg"};
        QCOMPARE(filesIn(dir.path()), expected);
        for (const QString &name : expected) {
            QImageReader reader(dir.filePath(name));
            reader.setDecideFormatFromContent(true);
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            QCOMPARE(reader.size(), QSize(400, 335));
        }

        // The same export without the trailing "/" names the same files, and
        // none of them is written through a doubled separator.
        const PictureExportResult again =
            exportPictures(page, 0, pictureDirPrefix(dir.path() + "/"), window);
        QCOMPARE(again.status, PictureExportResult::Saved);
        QCOMPARE(again.written.size(), 9);
        for (const QString &path : again.written)
            QVERIFY2(!path.contains(QStringLiteral("//")), qPrintable(path));
        QCOMPARE(filesIn(dir.path()), expected);
    }

    void modeMapsAreThoseOfTheLastListAndLeaveThePagePlot()
    {
        // Calculated at a = 10 μm (LP01, LP11), then a = 40 μm typed without
        // calculating: the pictures are the listed modes of the 10 μm fiber,
        // drawn as the page draws them, and the page keeps showing its mode.
        QTemporaryDir dir;
        QWidget *page = show("fbmode", 0);
        auto *modes = qobject_cast<fbmode *>(page);
        QLineEdit *a = page->findChild<QLineEdit *>(QStringLiteral("m_ALineEdit_2"));
        a->setText(QStringLiteral("10"));
        QMetaObject::invokeMethod(page, "calresFB5");
        const QString shown = dir.filePath(QStringLiteral("shown.jpg"));
        QVERIFY(savePlotJpeg(modes->modeMapPlot(), shown, 400, 335)); // LP01 intensity
        a->setText(QStringLiteral("40"));

        const PictureExportResult result =
            exportPictures(page, 0, dir.path() + QLatin1Char('/'), window);
        QCOMPARE(result.status, PictureExportResult::Saved);
        QCOMPARE(result.written.size(), 9);
        QCOMPARE(readAll(dir.filePath(QStringLiteral("LP01I.jpg"))), readAll(shown));
        const QString again = dir.filePath(QStringLiteral("again.jpg"));
        QVERIFY(savePlotJpeg(modes->modeMapPlot(), again, 400, 335));
        QCOMPARE(readAll(again), readAll(shown));
    }

    void modeMapLoopCanBeCancelledFromItsProgressDialog()
    {
        QTemporaryDir dir;
        QWidget *page = show("fbmode", 0);
        page->findChild<QLineEdit *>(QStringLiteral("m_ALineEdit_2"))
            ->setText(QStringLiteral("40"));
        QMetaObject::invokeMethod(page, "calresFB5");
        auto *modes = qobject_cast<fbmode *>(page);
        const int total = modeMapFileCount(modes->lastModeCounts());
        QVERIFY(total > 100);

        // Press "取消" as soon as the progress dialog shows; until then the
        // loop must keep the event loop running, or this timer never fires.
        bool cancelled = false;
        QTimer canceller;
        connect(&canceller, &QTimer::timeout, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *progress = qobject_cast<QProgressDialog *>(w))
                    if (progress->isVisible() && !cancelled) {
                        QCOMPARE(progress->labelText(), QStringLiteral("正在保存模式分布图…"));
                        progress->cancel();
                        cancelled = true;
                    }
        });
        canceller.start(20);
        const QStringList messages = exportPic(dir.path());
        canceller.stop();
        QVERIFY(cancelled);
        const int saved = filesIn(dir.path()).size();
        QVERIFY(saved < total);
        QCOMPARE(messages,
                 QStringList{QStringLiteral("提示|图片导出已取消，已保存%1张图片").arg(saved)});
    }

    void modeMapsIntoAMissingFolderAreReportedAsFailed()
    {
        QTemporaryDir dir;
        QWidget *page = show("fbmode", 0);
        page->findChild<QLineEdit *>(QStringLiteral("m_ALineEdit_2"))
            ->setText(QStringLiteral("10"));
        QMetaObject::invokeMethod(page, "calresFB5");
        const QStringList messages = exportPic(dir.filePath("missing"));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(QStringLiteral("提示|以下图片未能保存：\nLP01I.jpg：")),
                 qPrintable(messages[0]));
        QCOMPARE(messages[0].count(QStringLiteral(".jpg：")), 9);
        QVERIFY(filesIn(dir.path()).isEmpty());
    }

    void mixtureMapIsSavedAfterTheBeamQualityCalculation()
    {
        QTemporaryDir dir;
        QWidget *page = show("fbmode", 1);
        {
            MessageCatcher catcher;
            QMetaObject::invokeMethod(page, "calresFB6");
            QVERIFY(catcher.captured.isEmpty());
        }
        QCOMPARE(exportPic(dir.path()), QStringList{QStringLiteral("提示|图片保存在指定目录下")});
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("模式功率比例图.jpg")});
        QImageReader reader(dir.filePath(QStringLiteral("模式功率比例图.jpg")));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(478, 400));
    }

    void gainPictureIsSavedOnceTheGainIsComputed()
    {
        QTemporaryDir dir;
        QWidget *page = show("LaserTrait", 3);
        QVERIFY(qobject_cast<LaserTrait *>(page)->calculateGain());
        QCOMPARE(exportPic(dir.path()), QStringList{QStringLiteral("提示|图片保存在指定目录下")});
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("小信号增益.jpg")});
        QImageReader reader(dir.filePath(QStringLiteral("小信号增益.jpg")));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(600, 300));
    }

    void instabilityCurvesAreSavedAfterACalculation()
    {
        QTemporaryDir dir;
        QWidget *page = show("threashold");
        {
            MessageCatcher catcher; // the model may end at a notice; the flag is set anyway
            QVERIFY(QMetaObject::invokeMethod(page, "calresThreashold"));
        }
        QCOMPARE(exportPic(dir.path()), QStringList{QStringLiteral("提示|图片保存在指定目录下")});
        QCOMPARE(filesIn(dir.path()), (QStringList{QStringLiteral("模式不稳定阈值.jpg"),
                                                   QStringLiteral("非线性耦合系数.jpg")}));
        for (const QString &name : filesIn(dir.path())) {
            QImageReader reader(dir.filePath(name));
            reader.setDecideFormatFromContent(true);
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            QCOMPARE(reader.size(), QSize(500, 300));
        }
    }

    void instabilitySheetCarriesBothCurves()
    {
        QTemporaryDir dir;
        QWidget *page = show("threashold");
        {
            MessageCatcher catcher;
            QVERIFY(QMetaObject::invokeMethod(page, "calresThreashold"));
        }
        const QString path = dir.filePath(QStringLiteral("mi.xlsx"));
        QVERIFY(exportData(path).isEmpty());
        const readback::XlsxFile x = readback::readXlsx(path);
        QVERIFY2(x.ok, qPrintable(x.error));
        QCOMPARE(x.values.value({1, 4}), QStringLiteral("频移[kHz]"));
        QCOMPARE(x.values.value({1, 5}), QStringLiteral("耦合系数χ[W^-1]"));
        QCOMPARE(x.values.value({1, 7}), QStringLiteral("信号光功率[W]"));
        QCOMPARE(x.values.value({1, 8}), QStringLiteral("高阶模占功比"));
        // The default scan: 101 offsets from -5 kHz; powers from 50 W up to P_th.
        QCOMPARE(x.values.value({2, 4}).toDouble(), -5.0);
        QVERIFY(x.values.contains({102, 4}) && !x.values.contains({103, 4}));
        QCOMPARE(x.types.value({2, 5}), QStringLiteral("n"));
        QCOMPARE(x.values.value({2, 7}).toDouble(), 50.0);
        const QString threshold =
            page->findChild<QLineEdit *>(QStringLiteral("m_blineEdit_20"))->text();
        QCOMPARE(x.values.value({2 + threshold.toInt() - 50, 7}).toDouble(), threshold.toDouble());
    }
};

QTEST_MAIN(TestExportPages)
#include "tst_export_pages.moc"
