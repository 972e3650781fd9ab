// The page-independent export parts: the sheet, its layouts, the CSV and XLSX
// writers (read back by independent readers), atomic replacement and names.

#include "atomicfile.h"
#include "exportnaming.h"
#include "plotpicture.h"
#include "readback.h"
#include "sheet.h"
#include "sheetlayouts.h"
#include "sheetwriters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <qcustomplot.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <set>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Entries of a directory other than the ones expected: a leftover temporary
// file would show up here.
QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Lets writes in this process fail once a file would grow beyond `bytes`,
// the way a full disk fails them: the write returns EFBIG (SIGXFSZ ignored).
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

// A sheet with the awkward texts: Chinese, a number in exponent notation that
// must stay text, an empty cell, separators and quotes inside fields.
Sheet awkwardSheet()
{
    Sheet s;
    s.setText(1, 1, QStringLiteral("输入项"));
    s.setText(2, 1, QStringLiteral("纤芯半径a[μm]"));
    s.setText(2, 2, QStringLiteral("1e-7"));
    s.setText(3, 2, QStringLiteral("5e9"));
    s.setText(4, 1, QStringLiteral("a,b"));
    s.setText(4, 2, QStringLiteral("say \"hi\""));
    s.setText(5, 1, QStringLiteral("two\nlines"));
    s.setText(5, 2, QString());
    s.setText(6, 4, QStringLiteral("neff"));
    return s;
}

// A stand-in page that owns a widget for every object name a layout reads;
// each line edit shows its own name, so a misplaced field is visible.
class FakePage : public QWidget
{
public:
    explicit FakePage(const SheetLayout &layout)
    {
        for (const LayoutRow &row : layout.rows) {
            if (row.source == CellSource::LineEdit) {
                auto *edit = new QLineEdit(QString::fromLatin1(row.widget), this);
                edit->setObjectName(QString::fromLatin1(row.widget));
            } else if (row.source == CellSource::ComboText) {
                auto *combo = new QComboBox(this);
                combo->setObjectName(QString::fromLatin1(row.widget));
                combo->addItems({QStringLiteral("LP01"), QStringLiteral("LP11")});
                combo->setCurrentIndex(1);
            } else if (row.source == CellSource::CheckState) {
                auto *box = new QCheckBox(this);
                box->setObjectName(QString::fromLatin1(row.widget));
            } else if (row.source == CellSource::FiberType) {
                auto *a = new QRadioButton(this);
                a->setObjectName(QStringLiteral("radioButton"));
                a->setAutoExclusive(false);
                auto *b = new QRadioButton(this);
                b->setObjectName(QStringLiteral("radioButton_2"));
                b->setAutoExclusive(false);
            }
        }
        if (layout.table.headerRow > 0) {
            auto *table = new QTableWidget(0, 4, this);
            table->setObjectName(QString::fromLatin1(layout.table.widget));
        }
    }
};

} // namespace

class TestExportCore : public QObject
{
    Q_OBJECT

private slots:
    // ---- sheet -------------------------------------------------------------
    void sheetKeepsCellsRowMajorAndCountsEmptyTexts()
    {
        Sheet s;
        QVERIFY(s.isEmpty());
        QCOMPARE(s.rowCount(), 0);
        QVERIFY(!s.setText(0, 1, QStringLiteral("x")));
        QVERIFY(!s.setText(1, 0, QStringLiteral("x")));
        s.setText(3, 2, QString());
        s.setText(1, 1, QStringLiteral("a"));
        s.setText(1, 1, QStringLiteral("b")); // replaces
        QCOMPARE(s.rowCount(), 3);
        QCOMPARE(s.columnCount(), 2);
        QVERIFY(s.hasCell(3, 2));
        QVERIFY(!s.hasCell(2, 1));
        QCOMPARE(s.text(1, 1), QStringLiteral("b"));
        const std::vector<SheetCell> cells = s.cells();
        QCOMPARE(int(cells.size()), 2);
        QCOMPARE(cells[0].row, 1);
        QCOMPARE(cells[1].row, 3);
    }

    // ---- CSV ---------------------------------------------------------------
    void csvQuotesOnlyWhatNeedsIt()
    {
        QCOMPARE(CsvWriter::quoteField(QStringLiteral("1e-7")), QStringLiteral("1e-7"));
        QCOMPARE(CsvWriter::quoteField(QStringLiteral("a,b")), QStringLiteral("\"a,b\""));
        QCOMPARE(CsvWriter::quoteField(QStringLiteral("x\"y")), QStringLiteral("\"x\"\"y\""));
        QCOMPARE(CsvWriter::quoteField(QStringLiteral("l1\r\nl2")), QStringLiteral("\"l1\r\nl2\""));
        QCOMPARE(CsvWriter::quoteField(QString()), QString());
    }

    void csvBytesHaveBomCrlfAndFullRows()
    {
        Sheet s;
        s.setText(1, 1, QStringLiteral("输入项"));
        s.setText(2, 1, QStringLiteral("λ"));
        s.setText(2, 2, QStringLiteral("1e-7"));
        s.setText(4, 2, QStringLiteral("x"));
        const QByteArray expected = QByteArray("\xEF\xBB\xBF") +
                                    QStringLiteral("输入项,\r\nλ,1e-7\r\n,\r\n,x\r\n").toUtf8();
        QCOMPARE(CsvWriter::encode(s), expected);
        QCOMPARE(CsvWriter::encode(Sheet()), QByteArray("\xEF\xBB\xBF"));
    }

    void numberTableInPlainFormHasNoBomAndLfLines()
    {
        // The gain spectrum's form: 'g' with six digits, the shortest column
        // bounds the rows, no byte-order mark, "\n" line ends.
        const Sheet table = numberTable({{1000, 1064.5, 1100}, {12.3456789, -0.5}, {1e-7, 2}}, 6);
        QCOMPARE(CsvWriter::encode(table, CsvWriter::PlainNumbers),
                 QByteArray("1000,12.3457,1e-07\n1064.5,-0.5,2\n"));
        QCOMPARE(CsvWriter::encode(numberTable({}, 6), CsvWriter::PlainNumbers), QByteArray());
    }

    void csvRoundTripsThroughAnIndependentParser()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.csv"));
        const Sheet s = awkwardSheet();
        QString error;
        QVERIFY2(CsvWriter().write(s, path, &error), qPrintable(error));
        const readback::CsvFile csv = readback::readCsv(path);
        QVERIFY2(csv.ok, qPrintable(csv.error));
        QVERIFY(csv.hasBom);
        QVERIFY(csv.crlfOnly);
        QCOMPARE(csv.rows.size(), s.rowCount());
        for (const QStringList &row : csv.rows)
            QCOMPARE(row.size(), s.columnCount());
        for (int r = 1; r <= s.rowCount(); ++r)
            for (int c = 1; c <= s.columnCount(); ++c)
                QCOMPARE(csv.text(r, c), s.text(r, c));
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("s.csv")});
    }

    void csvFailureMidWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.csv"));
        QVERIFY(writeFile(path, "old contents"));
        Sheet big;
        for (int r = 1; r <= 200; ++r)
            big.setText(r, 1, QStringLiteral("纤芯半径a[μm] row %1").arg(r));
        QString error;
        bool ok = true;
        {
            FileSizeLimit limit(64);
            ok = CsvWriter().write(big, path, &error);
        }
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readAll(path), QByteArray("old contents"));
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("s.csv")});
    }

    void csvIntoMissingFolderFailsWithReason()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!CsvWriter().write(awkwardSheet(), dir.filePath(QStringLiteral("no/such/s.csv")),
                                   &error));
        QVERIFY(!error.isEmpty());
    }

    // ---- XLSX --------------------------------------------------------------
    void xlsxCellsAreStringsOnTheFirstSheet()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.xlsx"));
        const Sheet s = awkwardSheet();
        QString error;
        QVERIFY2(XlsxWriter().write(s, path, &error), qPrintable(error));
        QVERIFY(readAll(path).startsWith("PK")); // a zip container, not text
        const readback::XlsxFile x = readback::readXlsx(path);
        QVERIFY2(x.ok, qPrintable(x.error));
        QCOMPARE(x.sheetCount, 1);
        int nonEmpty = 0;
        for (const SheetCell &cell : s.cells()) {
            const readback::Cell key(cell.row, cell.column);
            if (cell.text.isEmpty()) {
                QVERIFY(!x.values.contains(key));
                continue;
            }
            ++nonEmpty;
            QCOMPARE(x.values.value(key), cell.text);
            QCOMPARE(x.types.value(key), QStringLiteral("s"));
        }
        QCOMPARE(x.values.size(), nonEmpty);
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("s.xlsx")});
    }

    void xlsxValueCellsAreNumbersShowingTheDisplayedDigits()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("n.xlsx"));
        Sheet s;
        s.setValue(1, 2, QStringLiteral("0.7895"));
        s.setValue(2, 2, QStringLiteral("9.904e-11"));
        s.setValue(3, 2, QStringLiteral("-12"));
        s.setValue(4, 2, QStringLiteral("01"));  // a mode label's digits: text
        s.setValue(5, 2, QStringLiteral("inf")); // not a number a sheet can hold
        s.setText(6, 2, QStringLiteral("2000")); // a caption stays text
        QString error;
        QVERIFY2(XlsxWriter().write(s, path, &error), qPrintable(error));
        const readback::XlsxFile x = readback::readXlsx(path);
        QVERIFY2(x.ok, qPrintable(x.error));
        QCOMPARE(x.types.value({1, 2}), QStringLiteral("n"));
        QCOMPARE(x.values.value({1, 2}).toDouble(), 0.7895);
        QCOMPARE(x.formats.value({1, 2}), QStringLiteral("0.0000"));
        QCOMPARE(x.types.value({2, 2}), QStringLiteral("n"));
        QCOMPARE(x.values.value({2, 2}).toDouble(), 9.904e-11);
        QCOMPARE(x.formats.value({2, 2}), QStringLiteral("0.000E+00"));
        QCOMPARE(x.formats.value({3, 2}), QStringLiteral("0"));
        for (int row : {4, 5, 6})
            QCOMPARE(x.types.value({row, 2}), QStringLiteral("s"));
        QCOMPARE(x.values.value({4, 2}), QStringLiteral("01"));
    }

    void xlsxReplacesAndFailureKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.xlsx"));
        QVERIFY(writeFile(path, "previous"));
        QString error;
        QVERIFY2(XlsxWriter().write(awkwardSheet(), path, &error), qPrintable(error));
        QVERIFY(readAll(path).startsWith("PK"));
        const QByteArray good = readAll(path);

        Sheet other;
        other.setText(1, 1, QStringLiteral("changed"));
        bool ok = true;
        {
            FileSizeLimit limit(100);
            ok = XlsxWriter().write(other, path, &error);
        }
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readAll(path), good);
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("s.xlsx")});
    }

    void xlsxIntoMissingFolderFailsWithReason()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!XlsxWriter().write(awkwardSheet(), dir.filePath(QStringLiteral("none/s.xlsx")),
                                    &error));
        QVERIFY(!error.isEmpty());
    }

    // ---- atomic replacement ------------------------------------------------
    void replacerLeavesNothingBehindWithoutCommit()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("t.bin"));
        {
            AtomicFileReplacer r(target);
            QVERIFY(r.prepare());
            QVERIFY(QFileInfo(r.temporaryPath()).absolutePath() ==
                    QFileInfo(target).absolutePath());
            QVERIFY(QFile::exists(r.temporaryPath()));
        }
        QVERIFY(entries(dir.path()).isEmpty());
    }

    void replacerGivesNewFilesTheUmaskPermissions()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("t.bin"));
        const mode_t old = ::umask(022);
        {
            AtomicFileReplacer r(target);
            QVERIFY(r.prepare());
            QVERIFY(writeFile(r.temporaryPath(), "x"));
            QVERIFY(r.commit());
        }
        ::umask(old);
        struct stat st {
        };
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0644);
        QCOMPARE(readAll(target), QByteArray("x"));
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("t.bin")});
    }

    void replacerRefusesEmptyNamesAndDirectories()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!AtomicFileReplacer(QString()).prepare(&error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        QVERIFY(!AtomicFileReplacer(dir.filePath(QStringLiteral("sub"))).prepare(&error));
    }

    // ---- names -------------------------------------------------------------
    void sheetFormatFollowsTheNameThenTheFilter()
    {
        const QString csv = QString::fromLatin1(kCsvFilter),
                      xlsx = QString::fromLatin1(kXlsxFilter);
        QCOMPARE(sheetFileFilters(), QStringLiteral("Excel File(*.csv);;Excel Workbook(*.xlsx)"));
        SheetTarget t = resolveSheetTarget(QStringLiteral("/d/a.csv"), xlsx);
        QCOMPARE(t.path, QStringLiteral("/d/a.csv"));
        QVERIFY(t.format == SheetFormat::Csv);
        t = resolveSheetTarget(QStringLiteral("/d/a.XLSX"), csv);
        QCOMPARE(t.path, QStringLiteral("/d/a.XLSX"));
        QVERIFY(t.format == SheetFormat::Xlsx);
        t = resolveSheetTarget(QStringLiteral("/d/a"), xlsx);
        QCOMPARE(t.path, QStringLiteral("/d/a.xlsx"));
        QVERIFY(t.format == SheetFormat::Xlsx);
        t = resolveSheetTarget(QStringLiteral("/d/a"), csv);
        QCOMPARE(t.path, QStringLiteral("/d/a.csv"));
        t = resolveSheetTarget(QStringLiteral("/d/a.txt"), csv);
        QCOMPARE(t.path, QStringLiteral("/d/a.txt.csv"));
        // Paths stay native: no separator is rewritten.
        QCOMPARE(resolveSheetTarget(QStringLiteral("/d/x y/a"), csv).path,
                 QStringLiteral("/d/x y/a.csv"));
    }

    void picturePrefixGetsExactlyOneSlash()
    {
        QCOMPARE(pictureDirPrefix(QStringLiteral("/tmp/pics")), QStringLiteral("/tmp/pics/"));
        QCOMPARE(pictureDirPrefix(QStringLiteral("/tmp/pics/")), QStringLiteral("/tmp/pics/"));
        QCOMPARE(pictureDirPrefix(QString()), QString());
    }

    void modeMapNamesForLp01AndLp11AreTheNineFiles()
    {
        std::set<QString> names;
        const int counts[] = {1, 1};
        for (int m = 0; m < 2; ++m)
            for (int n = 1; n <= counts[m]; ++n)
                for (int o = 0; o < 2; ++o)
                    for (int q = 0; q < 3; ++q) {
                        const QString name = modeMapFileName(m, n, o, q);
                        if (!name.isEmpty())
                            names.insert(name);
                    }
        const std::set<QString> expected = {"LP01I.jpg",   "LP01A.jpg",   "LP01P.jpg",
                                            "LP11_EI.jpg", "LP11_EA.jpg", "LP11_EP.jpg",
                                            "LP11_OI.jpg", "LP11_OA.jpg", "LP11_OP.jpg"};
        QCOMPARE(names.size(), expected.size());
        QVERIFY(names == expected);
        QCOMPARE(modeMapFileCount({1, 1}), 9);
        QCOMPARE(modeMapFileCount({2, 0, 3}), 2 * 3 + 3 * 6);
        QCOMPARE(modeMapFileName(12, 3, 1, 2), QStringLiteral("LP123_OP.jpg"));
    }

    // ---- layouts -----------------------------------------------------------
    void everyLayoutStartsWithInputsAndHasIncreasingRows()
    {
        std::set<std::pair<std::string, int>> seen;
        for (const SheetLayout &layout : sheetLayouts()) {
            QVERIFY2(seen.insert({layout.page, layout.tab}).second, layout.tabText);
            QCOMPARE(layout.rows.front().row, 1);
            QCOMPARE(QString::fromUtf8(layout.rows.front().caption), QStringLiteral("输入项"));
            for (std::size_t i = 1; i < layout.rows.size(); ++i)
                QCOMPARE(layout.rows[i].row, layout.rows[i - 1].row + 1);
        }
        // 18 tabs of the first eight pages, the fiber-mode page's exact-mode tab,
        // the amplifier page
        QCOMPARE(int(seen.size()), 20);
        QVERIFY(findSheetLayout("LaserTrait", 3) == nullptr);
        QVERIFY(findSheetLayout("bscoptlaw", 1) == nullptr);
    }

    void captionsNameRadiiInMicrometres()
    {
        for (const SheetLayout &layout : sheetLayouts())
            for (const LayoutRow &row : layout.rows) {
                const QString caption = QString::fromUtf8(row.caption ? row.caption : "");
                QVERIFY2(!caption.contains(QStringLiteral("直径")), qPrintable(caption));
                QVERIFY2(!caption.contains(QStringLiteral("归一化频率[Hz]")), qPrintable(caption));
            }
        const SheetLayout *threshold = findSheetLayout("threashold", 0);
        QCOMPARE(QString::fromUtf8(threshold->rows[1].caption), QStringLiteral("纤芯半径a[μm]"));
        QCOMPARE(QString::fromUtf8(threshold->rows[6].caption), QStringLiteral("数值孔径"));
        QCOMPARE(QString::fromUtf8(findSheetLayout("fbopt", 0)->rows[3].caption),
                 QStringLiteral("内包层半径b[μm]"));
        QCOMPARE(QString::fromUtf8(findSheetLayout("nolinear", 2)->rows[4].caption),
                 QStringLiteral("纤芯半径a[μm]"));
    }

    void fillSheetPutsEachFieldBesideItsCaption()
    {
        for (const SheetLayout &layout : sheetLayouts()) {
            FakePage page(layout);
            QStringList missing;
            const Sheet sheet = fillSheet(layout, &page, &missing);
            QVERIFY2(missing.isEmpty(), qPrintable(missing.join(',')));
            for (const LayoutRow &row : layout.rows) {
                QCOMPARE(sheet.text(row.row, 1), QString::fromUtf8(row.caption ? row.caption : ""));
                if (row.source == CellSource::LineEdit)
                    QCOMPARE(sheet.text(row.row, 2), QString::fromLatin1(row.widget));
                else if (row.source == CellSource::ComboText)
                    QCOMPARE(sheet.text(row.row, 2), QStringLiteral("LP11"));
                else if (row.source == CellSource::CheckState)
                    QCOMPARE(sheet.text(row.row, 2), QStringLiteral("否"));
                else if (row.source == CellSource::None)
                    QVERIFY(!sheet.hasCell(row.row, 2));
            }
        }
    }

    void continuousLaserRowThreeHasNoCaptionAndTheHzWidth()
    {
        const SheetLayout &layout = *findSheetLayout("Laserbsc", 0);
        FakePage page(layout);
        page.findChild<QLineEdit *>(QStringLiteral("m_delta_niulineEdit"))
            ->setText(QStringLiteral("5e+09"));
        const Sheet sheet = fillSheet(layout, &page);
        QVERIFY(!sheet.hasCell(3, 1));
        QCOMPARE(sheet.text(3, 2), QStringLiteral("5e+09"));
        QCOMPARE(sheet.rowCount(), 8);
    }

    void brillouinDensityAndShiftSitInRowsTenAndEleven()
    {
        const SheetLayout &layout = *findSheetLayout("nolinear", 0);
        FakePage page(layout);
        const Sheet sheet = fillSheet(layout, &page);
        QCOMPARE(sheet.text(10, 2), QStringLiteral("m_RouLineEdit"));
        QCOMPARE(sheet.text(11, 2), QStringLiteral("m_DeltaBlineEdit_2"));
        QCOMPARE(sheet.text(13, 1), QStringLiteral("输出项"));
    }

    void fiberTypeRowFollowsTheRadioButtons()
    {
        const SheetLayout &layout = *findSheetLayout("nolinear", 2);
        FakePage page(layout);
        auto *transmission = page.findChild<QRadioButton *>(QStringLiteral("radioButton"));
        auto *gain = page.findChild<QRadioButton *>(QStringLiteral("radioButton_2"));
        QCOMPARE(fillSheet(layout, &page).text(9, 2), QString());
        QCOMPARE(fillSheet(layout, &page).text(9, 1), QStringLiteral("类型"));
        gain->setChecked(true);
        QCOMPARE(fillSheet(layout, &page).text(9, 2), QStringLiteral("增益光纤"));
        transmission->setChecked(true); // checked first in the order of the test
        QCOMPARE(fillSheet(layout, &page).text(9, 2), QStringLiteral("传输光纤"));
    }

    void modeTableRowsFollowRowTen()
    {
        const SheetLayout &layout = *findSheetLayout("fbmode", 0);
        FakePage page(layout);
        Sheet sheet = fillSheet(layout, &page);
        QCOMPARE(sheet.rowCount(), 10);
        QCOMPARE(sheet.text(10, 1), QStringLiteral("m"));
        QCOMPARE(sheet.text(10, 3), QStringLiteral("β"));
        QCOMPARE(sheet.text(10, 4), QStringLiteral("neff"));

        auto *table = page.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        table->setRowCount(2);
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 4; ++c)
                if (!(r == 1 && c == 3)) // one slot never filled
                    table->setItem(r, c,
                                   new QTableWidgetItem(QStringLiteral("%1/%2").arg(r).arg(c)));
        sheet = fillSheet(layout, &page);
        QCOMPARE(sheet.rowCount(), 12);
        QCOMPARE(sheet.text(11, 1), QStringLiteral("0/0"));
        QCOMPARE(sheet.text(12, 3), QStringLiteral("1/2"));
        QVERIFY(sheet.hasCell(12, 4));
        QCOMPARE(sheet.text(12, 4), QString());
    }

    void missingWidgetsGiveEmptyCellsAndAreReported()
    {
        const SheetLayout &layout = *findSheetLayout("fbmode", 0);
        QWidget empty;
        QStringList missing;
        const Sheet sheet = fillSheet(layout, &empty, &missing);
        QVERIFY(missing.contains(QStringLiteral("m_ALineEdit_2")));
        QVERIFY(missing.contains(QStringLiteral("tableWidget")));
        QCOMPARE(sheet.text(2, 2), QString());
        QCOMPARE(sheet.text(2, 1), QStringLiteral("纤芯半径a[μm]"));
    }

    // ---- pictures ----------------------------------------------------------
    void plotPicturesAreJpegsOfTheRequestedSize()
    {
        QTemporaryDir dir;
        QCustomPlot plot;
        plot.addGraph()->setData({0, 1, 2}, {1, 0, 1});
        const QString path = dir.filePath(QStringLiteral("p.jpg"));
        QVERIFY(writeFile(path, "old"));
        QString error;
        QVERIFY2(savePlotJpeg(&plot, path, 400, 335, &error), qPrintable(error));
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(400, 335));
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("p.jpg")});
    }

    void plotPictureFailureKeepsTheOldFile()
    {
        QTemporaryDir dir;
        QCustomPlot plot;
        const QString path = dir.filePath(QStringLiteral("p.jpg"));
        QVERIFY(writeFile(path, "old"));
        QString error;
        bool ok = true;
        {
            FileSizeLimit limit(200);
            ok = savePlotJpeg(&plot, path, 400, 335, &error);
        }
        QVERIFY(!ok);
        QCOMPARE(readAll(path), QByteArray("old"));
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("p.jpg")});
        QVERIFY(!savePlotJpeg(nullptr, path, 10, 10, &error));
        QVERIFY(!savePlotJpeg(&plot, dir.filePath(QStringLiteral("none/p.jpg")), 10, 10, &error));
    }
};

QTEST_MAIN(TestExportCore)
#include "tst_export_core.moc"
