// The spreadsheet of every page tab checked against hand-written expected
// rows: a distinct value is typed into each exported field, and each value
// must come back in its row next to its caption, in CSV and in XLSX. The
// expectations are written out here, independent of the export code, so a
// swapped, renamed or lost row fails.

#include "fbmainwindow.h"
#include "modesolver.h"
#include "readback.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

namespace {

struct ExpectedRow {
    int row;
    const char *caption; // column 1 ("" for a row without caption)
    const char *widget;  // the field whose text sits in column 2; nullptr: no column 2
};

struct ExpectedSheet {
    const char *pageSlot; // the main-window slot that shows the page
    int tab;
    const char *tabText;
    std::vector<ExpectedRow> rows;
};

// clang-format off
const std::vector<ExpectedSheet> kExpected = {
    {"fbmodetab", 3, "精确模式特性", {{1, "输入项", nullptr},
      {2, "纤芯半径a[μm]", "m_exactALineEdit"},
      {3, "激光波长λ[nm]", "m_exactLambdaLineEdit"},
      {4, "纤芯折射率n1", "m_exactN1LineEdit"},
      {5, "包层折射率n2", "m_exactN2LineEdit"},
      {6, "数值孔径NA", "m_exactNALineEdit"},
      {7, "掺杂半径r_d[μm]", "m_exactDopedLineEdit"},
      {8, "弯曲半径R[m]", "m_exactBendLineEdit"},
      {9, "材料色散(熔融石英)", "m_exactMaterialCheckBox"},
      {10, "矢量模式", "m_exactVectorCheckBox"},
      {11, "输出项", nullptr},
      {12, "归一化频率V", "m_exactVLineEdit"},
      {13, "LP导模数量", "m_exactCountLineEdit"}}},
    {"bsclawtab", 0, "反射折射", {{1, "输入项", nullptr},
      {2, "折射率N1", "m_RfrlineEdit_1"},
      {3, "折射率N2", "m_RfrlineEdit_2"},
      {4, "入射角θ1[rad]", "m_RadianlineEdit"},
      {5, "输出项", nullptr},
      {6, "折射角θ2[rad]", "m_ThetalineEdit_4"},
      {7, "布儒斯特角θb[rad]", "m_ThetalineEdit_6"},
      {8, "全反射临界角θc[rad]", "m_ThetalineEdit_5"}}},
    {"nolineartab", 0, "受激布里渊散射", {{1, "输入项", nullptr},
      {2, "光纤长度L[m]", "m_LlineEdit"},
      {3, "偏振因子K", "m_KLineEdit"},
      {4, "纤芯折射率n", "m_NLineEdit"},
      {5, "放大器增益倍数G", "m_GLineEdit"},
      {6, "模场半径reff[m]", "m_REffLineEdit"},
      {7, "声子寿命Tb", "m_TbLineEdit"},
      {8, "泵浦光波长λp[nm]", "m_LamdaPlineEdit_3"},
      {9, "石英中声速va", "m_VaLineEdit"},
      {10, "石英密度ρ", "m_RouLineEdit"},
      {11, "布里渊频移Δb[Hz]", "m_DeltaBlineEdit_2"},
      {12, "石英的电致伸缩常数γe", "m_GammaELineEdit"},
      {13, "输出项", nullptr},
      {14, "布里渊峰值增益gb[m/W]", "m_GBlineEdit"},
      {15, "放大器SBS阈值Pth[W]", "m_SBSLineEdit"},
      {16, "布里渊频移后波长λs[nm]", "m_LambdaBlineEdit_2"}}},
    {"nolineartab", 1, "受激拉曼散射", {{1, "输入项", nullptr},
      {2, "光纤长度L[m]", "m_LlineEdit_2"},
      {3, "高反光栅反射率R1", "m_R1LineEdit"},
      {4, "拉曼增益系数gR[m/W]", "m_GRLineEdit"},
      {5, "放大器增益倍数G", "m_GLineEdit_2"},
      {6, "低反光栅反射率R2", "m_R2LineEdit"},
      {7, "泵浦光损耗系数αp[/m]", "m_Alpha_pLineEdit"},
      {8, "拉曼泵浦光损耗系数αs[/m]", "m_Alpha_sLineEdit"},
      {9, "输出端拉曼光与信号光比例β", "m_BetaLineEdit"},
      {10, "模场半径reff[m]", "m_REffLineEdit_2"},
      {11, "泵浦光波长λp[nm]", "m_LamdaPlineEdit_4"},
      {12, "拉曼频移Δr[Hz]", "m_DeltaRlineEdit_2"},
      {13, "输出项", nullptr},
      {14, "传能光纤SRS阈值Pth_d[W]", "m_SRSdLineEdit"},
      {15, "放大器输入SRS阈值Pth_a[W]", "m_SRSaLineEdit"},
      {16, "振荡器SRS阈值Pth_o[W]", "m_SRSoLineEdit"},
      {17, "拉曼频移后波长λs[nm]", "m_LambdaRlineEdit_2"}}},
    {"nolineartab", 2, "非线性相移", {{1, "输入项", nullptr},
      {2, "激光波长λ[nm]", "m_lamdaLineEdit"},
      {3, "光纤长度L[m]", "m_LLineEdit"},
      {4, "光纤增益系数g[1/m]", "m_gLineEdit"},
      {5, "纤芯半径a[μm]", "m_aLineEdit"},
      {6, "光纤损耗系数α[1/m]", "m_alphaLineEdit"},
      {7, "非线性折射率n2", "m_n2lineEdit"},
      {8, "脉冲峰值功率Ppeak[W]", "m_PpeaklineEdit"},
      {9, "类型", "radioButton_2"},
      {10, "输出项", nullptr},
      {11, "纤芯面积A[m2]", "m_AlineEdit"},
      {12, "非线性参量γ", "m_rLineEdit"},
      {13, "光纤有效长度Leff[m]", "m_LefflineEdit"},
      {14, "非线性相移ψ", "m_failineEdit"}}},
    {"nolineartab", 3, "四波混频", {{1, "输入项", nullptr},
      {2, "激光波长λ1[nm]", "m_lamda1LineEdit"},
      {3, "激光波长λ2[nm]", "m_lamda2LineEdit"},
      {4, "激光波长λ3[nm]", "m_lamda3LineEdit"},
      {5, "折射率n1", "m_n1lineEdit"},
      {6, "折射率n2", "m_n2lineEdit_2"},
      {7, "折射率n3", "m_n3lineEdit"},
      {8, "输出项", nullptr},
      {9, "相位匹配因子Δk", "m_deltaKlineEdit"}}},
    {"fbbsctab", 0, "掺杂浓度", {{1, "输入项", nullptr},
      {2, "纤芯半径a[μm]", "m_alineEdit_2"},
      {3, "小信号吸收系数α@976nm[dB/m]", "m_alphalineEdit"},
      {4, "内包层半径b[μm]", "m_blineEdit_2"},
      {5, "吸收截面σabs@976nm[m2]", "m_absorb_sectionlineEdit"},
      {6, "输出项", nullptr},
      {7, "增益光纤掺杂浓度N[/m3]", "m_NlabelLineEdit"}}},
    {"fbbsctab", 1, "本征损耗", {{1, "输入项", nullptr},
      {2, "输入激光功率Pin[W]", "m_P_in_lineEdit"},
      {3, "输出激光功率Pout[W]", "m_P_out_lineEdit"},
      {4, "输出项", nullptr},
      {5, "总损耗αtotal[dB]", "m_Alpha_totallineEdit"},
      {6, "平均损耗αave[dB/m]", "m_Alpha_averagelineEdit"}}},
    {"fbbsctab", 2, "填充因子", {{1, "输入项", nullptr},
      {2, "纤芯半径a[μm]", "m_alineEdit"},
      {3, "内包层半径b[μm]", "m_blineEdit"},
      {4, "输出项", nullptr},
      {5, "填充因子γ", "m_GammalabelLineEdit"}}},
    {"fbbsctab", 3, "光纤端面反射率", {{1, "输入项", nullptr},
      {2, "纤芯半径a[μm]", "m_A_lineEdit"},
      {3, "中心波长λ[nm]", "m_LambdalineEdit"},
      {4, "纤芯折射率n1", "m_N1lineEdit"},
      {5, "包层折射率n2", "m_N2lineEdit"},
      {6, "端面角度θ[°]", "m_thetalineEdit"},
      {7, "数值孔径NA", "m_NALineEdit"},
      {8, "模式", "mdcomboBox"},
      {9, "输出项", nullptr},
      {10, "光纤端面振幅反馈系数r(θ)", "m_rlineEdit"},
      {11, "光纤端面反射率R(θ)", "m_RlineEdit"},
      {12, "等效折射率neff", "m_nefflineEdit"}}},
    {"fbmodetab", 0, "模式分布", {{1, "输入项", nullptr},
      {2, "纤芯半径a[μm]", "m_ALineEdit_2"},
      {3, "激光波长λ[nm]", "m_lambdaLineEdit_2"},
      {4, "数值孔径NA", "m_NALineEdit_2"},
      {5, "纤芯折射率n1", "m_N1LineEdit_2"},
      {6, "包层折射率n2", "m_N2LineEdit_2"},
      {7, "输出项", nullptr},
      {8, "归一化截止频率V", "m_VLineEdit_2"},
      {9, "传导模数量N", "m_NnumLineEdit_2"}}},
    {"fbmodetab", 1, "光束质量因子", {{1, "输入项", nullptr},
      {2, "输入模式功率比例（未保存）", nullptr},
      {3, "x方向光束质量M2X", "m_m2xLineEdit_2"},
      {4, "y方向光束质量M2y", "m_m2yLineEdit_2"}}},
    {"fbmodetab", 2, "弯曲损耗", {{1, "输入项", nullptr},
      {2, "纤芯半径a[μm]", "m_AlineEdit_2"},
      {3, "弯曲半径R[m]", "m_RlineEdit_2"},
      {4, "激光波长λ[nm]", "m_LambdalineEdit_2"},
      {5, "数值孔径NA", "m_NALineEdit_3"},
      {6, "纤芯折射率n1", "m_N1lineEdit_2"},
      {7, "包层折射率n2", "m_N2lineEdit_2"},
      {8, "模式LP", "mdcomboBox_2"},
      {9, "输出项", nullptr},
      {10, "传播常数β[1/m]", "m_BetalineEdit_2"},
      {11, "弯曲损耗系数α[1/m]", "m_AlphalineEdit_2"}}},
    {"plstab", 0, "高斯脉冲", {{1, "输入项", nullptr},
      {2, "脉冲宽度τ[s]", "m_TaolineEdit"},
      {3, "脉冲重复频率f[Hz]", "m_FlineEdit"},
      {4, "脉冲平均功率Pave[W]", "m_P_avelineEdit"},
      {5, "输出项", nullptr},
      {6, "脉冲能量E[J]", "m_ElineEdit"},
      {7, "峰值功率Ppeak[W]", "m_P_peaklineEdit"}}},
    {"laserbsctab", 0, "频率与相干性", {{1, "输入项", nullptr},
      {2, "激光波长λ[nm]", "m_LasLamlineEdit"},
      {3, "", "m_delta_niulineEdit"},
      {4, "输出项", nullptr},
      {5, "激光频率ν[Hz]", "m_niulineEdit"},
      {6, "相干时间τc[s]", "m_tao_clineEdit"},
      {7, "波长间隔Δλ[nm]", "m_delta_lambdalineEdit"},
      {8, "相干长度LC[m]", "m_L_clineEdit"}}},
    {"traittab", 0, "纵模间隔", {{1, "输入项", nullptr},
      {2, "介质折射率n", "m_RefnlineEdit"},
      {3, "腔长L[m]", "m_L_lineEdit"},
      {4, "输出项", nullptr},
      {5, "纵模间隔Δν[Hz]", "m_Delta_niulineEdit"}}},
    {"traittab", 1, "光光效率", {{1, "输入项", nullptr},
      {2, "输入泵浦功率Ppump[W]", "m_P_pumplineEdit"},
      {3, "残余泵浦功率Pres[W]", "m_P_residuallineEdit"},
      {4, "输出激光功率Pout[W]", "m_P_outlineEdit"},
      {5, "输入激光功率Pin[W]", "m_P_inlineEdit"},
      {6, "输出项", nullptr},
      {7, "激光器效率ηo", "m_efficiency_olineEdit"},
      {8, "放大器效率ηa", "m_efficiency_alineEdit"}}},
    {"traittab", 2, "量子亏损", {{1, "输入项", nullptr},
      {2, "泵浦光波长λ1[nm]", "m_lambda_1lineEdit"},
      {3, "信号光波长λ2[nm]", "m_lambda_2lineEdit"},
      {4, "输出项", nullptr},
      {5, "量子亏损QD", "m_QDlineEdit"},
      {6, "斯托克斯效率QR", "m_QRlineEdit"}}},
    {"threshtab", 0, "均匀双包层光纤", {{1, "输入项", nullptr},
      {2, "纤芯半径a[μm]", "m_alineEdit_6"},
      {3, "信号光波长[nm]", "m_alphalineEdit_5"},
      {4, "泵浦波长[nm]", "m_alphalineEdit_6"},
      {5, "泵浦包层半径b[μm]", "m_blineEdit_9"},
      {6, "掺杂区域半径[μm]", "m_blineEdit_10"},
      {7, "数值孔径", "m_blineEdit_12"},
      {8, "初始信号光功率P[W]", "m_pinitlineEdit_2"},
      {9, "纤芯折射率", "m_blineEdit_11"},
      {10, "初始高阶模比例", "m_blineEdit_13"},
      {11, "相对强度噪声", "m_blineEdit_14"},
      {12, "对流系数", "m_blineEdit_15"},
      {13, "热光系数", "m_blineEdit_16"},
      {14, "热导率", "m_blineEdit_17"},
      {15, "密度与热容乘积", "m_blineEdit_18"},
      {16, "输出项", nullptr},
      {17, "非线性耦合系数极大值", "m_blineEdit_19"},
      {18, "模式不稳定阈值功率", "m_blineEdit_20"}}},
};
// clang-format on

constexpr double kTwoPi = 6.283185307179586;

// What a spreadsheet shows in the cell: a numeric cell's value through its
// fixed-point number format ("0.00" shows 73.1 as "73.10"), any other cell's
// text as stored.
QString shownInXlsx(const readback::XlsxFile &xlsx, const readback::Cell &cell)
{
    const QString value = xlsx.values.value(cell);
    const QString format = xlsx.formats.value(cell);
    if (xlsx.types.value(cell) != QLatin1String("n") || format.contains(QLatin1Char('E')))
        return value;
    const int point = format.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : format.size() - point - 1;
    return QString::number(value.toDouble(), 'f', decimals);
}

} // namespace

class TestExportSheets : public QObject
{
    Q_OBJECT

    FBMainWindow *window = nullptr;
    QString chosenName;

    QWidget *show(const char *pageSlot, int tab)
    {
        QMetaObject::invokeMethod(window, pageSlot);
        QWidget *page = window->currentPageWidget();
        if (auto *tabs = page->findChild<QTabWidget *>(QStringLiteral("tabWidget")))
            tabs->setCurrentIndex(tab);
        return page;
    }

    void exportTo(const QString &path)
    {
        chosenName = path;
        QMetaObject::invokeMethod(window, "exportData");
    }

    // Puts a value no other row of the sheet has into the field and returns
    // the text column 2 must then show.
    static QString typeDistinctValue(QWidget *page, const ExpectedRow &row)
    {
        const QString name = QString::fromLatin1(row.widget);
        const QString value = QStringLiteral("%1.%2").arg(row.row * 7 + 3).arg(row.row);
        if (auto *edit = page->findChild<QLineEdit *>(name)) {
            edit->setText(value);
            return value;
        }
        if (auto *combo = page->findChild<QComboBox *>(name)) {
            combo->addItem(QStringLiteral("LP%1").arg(row.row));
            combo->setCurrentIndex(combo->count() - 1);
            return combo->currentText();
        }
        if (auto *box = page->findChild<QCheckBox *>(name)) {
            box->setChecked(!box->isChecked());
            return box->isChecked() ? QStringLiteral("是") : QStringLiteral("否");
        }
        if (auto *gain = page->findChild<QRadioButton *>(name)) {
            gain->setChecked(true); // the fiber-type pair: the gain fiber
            return QStringLiteral("增益光纤");
        }
        return QStringLiteral("<no widget %1>").arg(name);
    }

private slots:
    void init()
    {
        window = new FBMainWindow;
        window->setExportDialogs(
            [this](QString *filter) {
                *filter = QStringLiteral("Excel File(*.csv)");
                return chosenName;
            },
            [] { return QString(); });
    }
    void cleanup()
    {
        delete window;
        window = nullptr;
    }

    void everyValueSitsNextToItsCaption_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(kExpected.size()); ++i)
            QTest::newRow(kExpected[i].tabText) << i;
    }

    void everyValueSitsNextToItsCaption()
    {
        QFETCH(int, index);
        const ExpectedSheet &expected = kExpected[index];
        QWidget *page = show(expected.pageSlot, expected.tab);
        QVERIFY(page);
        QStringList values;
        for (const ExpectedRow &row : expected.rows)
            values << (row.widget ? typeDistinctValue(page, row) : QString());

        QTemporaryDir dir;
        exportTo(dir.filePath(QStringLiteral("s.csv")));
        exportTo(dir.filePath(QStringLiteral("s.xlsx")));
        const readback::CsvFile csv = readback::readCsv(dir.filePath(QStringLiteral("s.csv")));
        QVERIFY2(csv.ok, qPrintable(csv.error));
        const readback::XlsxFile xlsx = readback::readXlsx(dir.filePath(QStringLiteral("s.xlsx")));
        QVERIFY2(xlsx.ok, qPrintable(xlsx.error));

        for (int i = 0; i < int(expected.rows.size()); ++i) {
            const ExpectedRow &row = expected.rows[i];
            const QString caption = QString::fromUtf8(row.caption);
            QCOMPARE(csv.text(row.row, 1), caption);
            QCOMPARE(xlsx.values.value({row.row, 1}), caption);
            QCOMPARE(csv.text(row.row, 2), values[i]);
            QCOMPARE(shownInXlsx(xlsx, {row.row, 2}), values[i]);
        }
        // Nothing beyond the last expected row (the mode tables aside).
        if (QByteArray(expected.pageSlot) != "fbmodetab" ||
            (expected.tab != 0 && expected.tab != 3)) {
            QCOMPARE(csv.rows.size(), expected.rows.back().row);
            QCOMPARE(xlsx.rowCount(), expected.rows.back().row);
        }
    }

    // The mode table follows its header in row 10: the default fiber's seven
    // modes in table order with β (6 digits) and neff (8 digits) as listed.
    void modeTableFollowsItsHeader()
    {
        QWidget *page = show("fbmodetab", 0);
        page->findChild<QTableWidget *>(QStringLiteral("tableWidget"))->setRowCount(0);
        QMetaObject::invokeMethod(page, "calresFB5");
        QTemporaryDir dir;
        exportTo(dir.filePath(QStringLiteral("m.csv")));
        const readback::CsvFile csv = readback::readCsv(dir.filePath(QStringLiteral("m.csv")));
        QVERIFY2(csv.ok, qPrintable(csv.error));
        QCOMPARE(csv.rows.value(9), (QStringList{"m", "n", "β", "neff"}));
        const ModeSet modes = solveModes(20e-6, 1080e-9, 1.4512, 1.45);
        const char *labels[7] = {"01", "02", "11", "12", "21", "31", "41"};
        QCOMPARE(csv.rows.size(), 10 + 7);
        for (int k = 0; k < 7; ++k) {
            const int m = labels[k][0] - '0', n = labels[k][1] - '0';
            const double neff = modes.neffLists[m][n - 1];
            QCOMPARE(csv.rows[10 + k],
                     (QStringList{QString::number(m), QString::number(n),
                                  QString::number(neff * kTwoPi / 1080e-9, 'g', 6),
                                  QString::number(neff, 'g', 8)}));
        }
    }

    // The exact-mode table follows its header in row 14: the default fiber's
    // seven LP modes with neff to 12 decimals. LP01's index is the 32-digit
    // mpmath solve of tests/physics/exactmodes_reference.py, rounded.
    void exactModeTableFollowsItsHeader()
    {
        QWidget *page = show("fbmodetab", 3);
        QPushButton *calculate = page->findChild<QPushButton *>("m_exactCalculateButton");
        QSignalSpy finished(page->findChild<QObject *>("tab_4"), SIGNAL(calculationFinished()));
        calculate->click();
        QVERIFY(finished.wait(20000));
        QTemporaryDir dir;
        exportTo(dir.filePath(QStringLiteral("e.csv")));
        const readback::CsvFile csv = readback::readCsv(dir.filePath(QStringLiteral("e.csv")));
        QVERIFY2(csv.ok, qPrintable(csv.error));
        const QStringList header = csv.rows.value(13);
        QCOMPARE(header.mid(0, 4), (QStringList{"模式", "m", "n", "有效折射率neff"}));
        QVERIFY(header.contains(QStringLiteral("有效面积Aeff [μm²]")));
        QCOMPARE(csv.rows.size(), 14 + 7);
        QStringList names;
        for (int k = 0; k < 7; ++k)
            names << csv.rows[14 + k].value(0);
        QCOMPARE(names, (QStringList{"LP01", "LP02", "LP11", "LP12", "LP21", "LP31", "LP41"}));
        QCOMPARE(csv.rows[14].value(3), QStringLiteral("1.451088345701"));
        QCOMPARE(csv.text(13, 2), QStringLiteral("7"));
    }
};

QTEST_MAIN(TestExportSheets)
#include "tst_export_sheets.moc"
