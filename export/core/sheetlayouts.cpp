#include "sheetlayouts.h"

#include "fbamp/calc/amplifierfields.h"
#include "fbmode/calc/exactmodecolumns.h"
#include "fbmode/calc/exactmodescalculator.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QWidget>

#include <deque>

const char *const kInputSectionCaption = "输入项";
const char *const kOutputSectionCaption = "输出项";
const char *const kTransmissionFiberText = "传输光纤";
const char *const kGainFiberText = "增益光纤";
const char *const kCheckedText = "是";
const char *const kUncheckedText = "否";

namespace {

constexpr CellSource kNone = CellSource::None;
constexpr CellSource kEdit = CellSource::LineEdit;
constexpr CellSource kCombo = CellSource::ComboText;
constexpr CellSource kCheck = CellSource::CheckState;

LayoutRow inputs(int row)
{
    return {row, kInputSectionCaption, nullptr, kNone};
}
LayoutRow outputs(int row)
{
    return {row, kOutputSectionCaption, nullptr, kNone};
}

// The fiber-amplifier page: rows generated from its calculator's field
// descriptions (inputs, then the result fields), captioned with their units.
SheetLayout amplifierLayout()
{
    static const std::vector<velmora::calc::FieldSpec> fields = velmora::calc::amplifierFields();
    static std::deque<std::string> captions; // stable addresses for the rows' captions
    SheetLayout layout{"fbamp", 0, "光纤放大器", {}, {}};
    int row = 1;
    for (velmora::calc::FieldRole role :
         {velmora::calc::FieldRole::Input, velmora::calc::FieldRole::Output}) {
        layout.rows.push_back(role == velmora::calc::FieldRole::Input ? inputs(row++)
                                                                      : outputs(row++));
        for (const velmora::calc::FieldSpec &f : fields) {
            if (f.role != role || f.objectName.empty())
                continue;
            captions.push_back(f.caption.zh + (f.unit.empty() ? "" : "[" + f.unit + "]"));
            const CellSource source = f.kind == velmora::calc::ValueKind::Choice ? kCombo : kEdit;
            layout.rows.push_back({row++, captions.back().c_str(), f.objectName.c_str(), source});
        }
    }
    return layout;
}

// The fiber-mode page's "精确模式特性": its calculator's inputs (check boxes
// as 是/否) and its two result fields, then the mode table below its header
// row (the mode name, then every column with its unit, as the page shows it).
SheetLayout exactModesLayout()
{
    using namespace velmora::calc;
    static const ExactModesCalculator calculator;
    static std::deque<std::string> texts; // stable addresses for captions and headers
    SheetLayout layout{"fbmode", 3, "精确模式特性", {}, {}};
    int row = 1;
    for (const bool inputRows : {true, false}) {
        layout.rows.push_back(inputRows ? inputs(row++) : outputs(row++));
        for (const FieldSpec &f : calculator.spec().fields) {
            if ((f.role == FieldRole::Output) == inputRows || f.kind == ValueKind::Curve)
                continue;
            texts.push_back(f.caption.zh + (f.unit.empty() ? "" : "[" + f.unit + "]"));
            const CellSource source = f.kind == ValueKind::Choice ? kCheck : kEdit;
            layout.rows.push_back({row++, texts.back().c_str(), f.objectName.c_str(), source});
        }
    }
    layout.table.headerRow = row;
    layout.table.headers.push_back("模式");
    for (const ExactModeColumn &column : exactModeColumns()) {
        texts.push_back(exactModeHeader(column));
        layout.table.headers.push_back(texts.back().c_str());
    }
    layout.table.widget = "m_exactTable";
    layout.table.firstRow = row + 1;
    return layout;
}

// Lengths are captioned in the unit the page's fields hold them in (μm for
// core and cladding radii), and radii are called radii: a sheet must not claim
// metres or diameters for numbers that are micrometre radii.
std::vector<SheetLayout> buildLayouts()
{
    std::vector<SheetLayout> all;

    all.push_back({"bscoptlaw",
                   0,
                   "反射折射",
                   {inputs(1),
                    {2, "折射率N1", "m_RfrlineEdit_1", kEdit},
                    {3, "折射率N2", "m_RfrlineEdit_2", kEdit},
                    {4, "入射角θ1[rad]", "m_RadianlineEdit", kEdit},
                    outputs(5),
                    {6, "折射角θ2[rad]", "m_ThetalineEdit_4", kEdit},
                    {7, "布儒斯特角θb[rad]", "m_ThetalineEdit_6", kEdit},
                    {8, "全反射临界角θc[rad]", "m_ThetalineEdit_5", kEdit}},
                   {}});

    all.push_back({"nolinear",
                   0,
                   "受激布里渊散射",
                   {inputs(1),
                    {2, "光纤长度L[m]", "m_LlineEdit", kEdit},
                    {3, "偏振因子K", "m_KLineEdit", kEdit},
                    {4, "纤芯折射率n", "m_NLineEdit", kEdit},
                    {5, "放大器增益倍数G", "m_GLineEdit", kEdit},
                    {6, "模场半径reff[m]", "m_REffLineEdit", kEdit},
                    {7, "声子寿命Tb", "m_TbLineEdit", kEdit},
                    {8, "泵浦光波长λp[nm]", "m_LamdaPlineEdit_3", kEdit},
                    {9, "石英中声速va", "m_VaLineEdit", kEdit},
                    {10, "石英密度ρ", "m_RouLineEdit", kEdit},
                    {11, "布里渊频移Δb[Hz]", "m_DeltaBlineEdit_2", kEdit},
                    {12, "石英的电致伸缩常数γe", "m_GammaELineEdit", kEdit},
                    outputs(13),
                    {14, "布里渊峰值增益gb[m/W]", "m_GBlineEdit", kEdit},
                    {15, "放大器SBS阈值Pth[W]", "m_SBSLineEdit", kEdit},
                    {16, "布里渊频移后波长λs[nm]", "m_LambdaBlineEdit_2", kEdit}},
                   {}});

    all.push_back({"nolinear",
                   1,
                   "受激拉曼散射",
                   {inputs(1),
                    {2, "光纤长度L[m]", "m_LlineEdit_2", kEdit},
                    {3, "高反光栅反射率R1", "m_R1LineEdit", kEdit},
                    {4, "拉曼增益系数gR[m/W]", "m_GRLineEdit", kEdit},
                    {5, "放大器增益倍数G", "m_GLineEdit_2", kEdit},
                    {6, "低反光栅反射率R2", "m_R2LineEdit", kEdit},
                    {7, "泵浦光损耗系数αp[/m]", "m_Alpha_pLineEdit", kEdit},
                    {8, "拉曼泵浦光损耗系数αs[/m]", "m_Alpha_sLineEdit", kEdit},
                    {9, "输出端拉曼光与信号光比例β", "m_BetaLineEdit", kEdit},
                    {10, "模场半径reff[m]", "m_REffLineEdit_2", kEdit},
                    {11, "泵浦光波长λp[nm]", "m_LamdaPlineEdit_4", kEdit},
                    {12, "拉曼频移Δr[Hz]", "m_DeltaRlineEdit_2", kEdit},
                    outputs(13),
                    {14, "传能光纤SRS阈值Pth_d[W]", "m_SRSdLineEdit", kEdit},
                    {15, "放大器输入SRS阈值Pth_a[W]", "m_SRSaLineEdit", kEdit},
                    {16, "振荡器SRS阈值Pth_o[W]", "m_SRSoLineEdit", kEdit},
                    {17, "拉曼频移后波长λs[nm]", "m_LambdaRlineEdit_2", kEdit}},
                   {}});

    all.push_back({"nolinear",
                   2,
                   "非线性相移",
                   {inputs(1),
                    {2, "激光波长λ[nm]", "m_lamdaLineEdit", kEdit},
                    {3, "光纤长度L[m]", "m_LLineEdit", kEdit},
                    {4, "光纤增益系数g[1/m]", "m_gLineEdit", kEdit},
                    {5, "纤芯半径a[μm]", "m_aLineEdit", kEdit},
                    {6, "光纤损耗系数α[1/m]", "m_alphaLineEdit", kEdit},
                    {7, "非线性折射率n2", "m_n2lineEdit", kEdit},
                    {8, "脉冲峰值功率Ppeak[W]", "m_PpeaklineEdit", kEdit},
                    {9, "类型", "radioButton", CellSource::FiberType},
                    outputs(10),
                    {11, "纤芯面积A[m2]", "m_AlineEdit", kEdit},
                    {12, "非线性参量γ", "m_rLineEdit", kEdit},
                    {13, "光纤有效长度Leff[m]", "m_LefflineEdit", kEdit},
                    {14, "非线性相移ψ", "m_failineEdit", kEdit}},
                   {}});

    all.push_back({"nolinear",
                   3,
                   "四波混频",
                   {inputs(1),
                    {2, "激光波长λ1[nm]", "m_lamda1LineEdit", kEdit},
                    {3, "激光波长λ2[nm]", "m_lamda2LineEdit", kEdit},
                    {4, "激光波长λ3[nm]", "m_lamda3LineEdit", kEdit},
                    {5, "折射率n1", "m_n1lineEdit", kEdit},
                    {6, "折射率n2", "m_n2lineEdit_2", kEdit},
                    {7, "折射率n3", "m_n3lineEdit", kEdit},
                    outputs(8),
                    {9, "相位匹配因子Δk", "m_deltaKlineEdit", kEdit}},
                   {}});

    all.push_back({"fbopt",
                   0,
                   "掺杂浓度",
                   {inputs(1),
                    {2, "纤芯半径a[μm]", "m_alineEdit_2", kEdit},
                    {3, "小信号吸收系数α@976nm[dB/m]", "m_alphalineEdit", kEdit},
                    {4, "内包层半径b[μm]", "m_blineEdit_2", kEdit},
                    {5, "吸收截面σabs@976nm[m2]", "m_absorb_sectionlineEdit", kEdit},
                    outputs(6),
                    {7, "增益光纤掺杂浓度N[/m3]", "m_NlabelLineEdit", kEdit}},
                   {}});

    // The fiber length of this tab is an input of the calculation but has
    // never been part of the loss sheet.
    all.push_back({"fbopt",
                   1,
                   "本征损耗",
                   {inputs(1),
                    {2, "输入激光功率Pin[W]", "m_P_in_lineEdit", kEdit},
                    {3, "输出激光功率Pout[W]", "m_P_out_lineEdit", kEdit},
                    outputs(4),
                    {5, "总损耗αtotal[dB]", "m_Alpha_totallineEdit", kEdit},
                    {6, "平均损耗αave[dB/m]", "m_Alpha_averagelineEdit", kEdit}},
                   {}});

    all.push_back({"fbopt",
                   2,
                   "填充因子",
                   {inputs(1),
                    {2, "纤芯半径a[μm]", "m_alineEdit", kEdit},
                    {3, "内包层半径b[μm]", "m_blineEdit", kEdit},
                    outputs(4),
                    {5, "填充因子γ", "m_GammalabelLineEdit", kEdit}},
                   {}});

    all.push_back({"fbopt",
                   3,
                   "光纤端面反射率",
                   {inputs(1),
                    {2, "纤芯半径a[μm]", "m_A_lineEdit", kEdit},
                    {3, "中心波长λ[nm]", "m_LambdalineEdit", kEdit},
                    {4, "纤芯折射率n1", "m_N1lineEdit", kEdit},
                    {5, "包层折射率n2", "m_N2lineEdit", kEdit},
                    {6, "端面角度θ[°]", "m_thetalineEdit", kEdit},
                    {7, "数值孔径NA", "m_NALineEdit", kEdit},
                    {8, "模式", "mdcomboBox", kCombo},
                    outputs(9),
                    {10, "光纤端面振幅反馈系数r(θ)", "m_rlineEdit", kEdit},
                    {11, "光纤端面反射率R(θ)", "m_RlineEdit", kEdit},
                    {12, "等效折射率neff", "m_nefflineEdit", kEdit}},
                   {}});

    all.push_back({"fbmode",
                   0,
                   "模式分布",
                   {inputs(1),
                    {2, "纤芯半径a[μm]", "m_ALineEdit_2", kEdit},
                    {3, "激光波长λ[nm]", "m_lambdaLineEdit_2", kEdit},
                    {4, "数值孔径NA", "m_NALineEdit_2", kEdit},
                    {5, "纤芯折射率n1", "m_N1LineEdit_2", kEdit},
                    {6, "包层折射率n2", "m_N2LineEdit_2", kEdit},
                    outputs(7),
                    {8, "归一化截止频率V", "m_VLineEdit_2", kEdit},
                    {9, "传导模数量N", "m_NnumLineEdit_2", kEdit}},
                   {10, {"m", "n", "β", "neff"}, "tableWidget", 11}});

    // The modal weights are not exported; the remark in row 2 says so.
    all.push_back({"fbmode",
                   1,
                   "光束质量因子",
                   {inputs(1),
                    {2, "输入模式功率比例（未保存）", nullptr, kNone},
                    {3, "x方向光束质量M2X", "m_m2xLineEdit_2", kEdit},
                    {4, "y方向光束质量M2y", "m_m2yLineEdit_2", kEdit}},
                   {}});

    all.push_back({"fbmode",
                   2,
                   "弯曲损耗",
                   {inputs(1),
                    {2, "纤芯半径a[μm]", "m_AlineEdit_2", kEdit},
                    {3, "弯曲半径R[m]", "m_RlineEdit_2", kEdit},
                    {4, "激光波长λ[nm]", "m_LambdalineEdit_2", kEdit},
                    {5, "数值孔径NA", "m_NALineEdit_3", kEdit},
                    {6, "纤芯折射率n1", "m_N1lineEdit_2", kEdit},
                    {7, "包层折射率n2", "m_N2lineEdit_2", kEdit},
                    {8, "模式LP", "mdcomboBox_2", kCombo},
                    outputs(9),
                    {10, "传播常数β[1/m]", "m_BetalineEdit_2", kEdit},
                    {11, "弯曲损耗系数α[1/m]", "m_AlphalineEdit_2", kEdit}},
                   {}});

    all.push_back({"LaserPluse",
                   0,
                   "高斯脉冲",
                   {inputs(1),
                    {2, "脉冲宽度τ[s]", "m_TaolineEdit", kEdit},
                    {3, "脉冲重复频率f[Hz]", "m_FlineEdit", kEdit},
                    {4, "脉冲平均功率Pave[W]", "m_P_avelineEdit", kEdit},
                    outputs(5),
                    {6, "脉冲能量E[J]", "m_ElineEdit", kEdit},
                    {7, "峰值功率Ppeak[W]", "m_P_peaklineEdit", kEdit}},
                   {}});

    // Row 3 carries the spectral width in Hz without a caption of its own.
    all.push_back({"Laserbsc",
                   0,
                   "频率与相干性",
                   {inputs(1),
                    {2, "激光波长λ[nm]", "m_LasLamlineEdit", kEdit},
                    {3, nullptr, "m_delta_niulineEdit", kEdit},
                    outputs(4),
                    {5, "激光频率ν[Hz]", "m_niulineEdit", kEdit},
                    {6, "相干时间τc[s]", "m_tao_clineEdit", kEdit},
                    {7, "波长间隔Δλ[nm]", "m_delta_lambdalineEdit", kEdit},
                    {8, "相干长度LC[m]", "m_L_clineEdit", kEdit}},
                   {}});

    all.push_back({"LaserTrait",
                   0,
                   "纵模间隔",
                   {inputs(1),
                    {2, "介质折射率n", "m_RefnlineEdit", kEdit},
                    {3, "腔长L[m]", "m_L_lineEdit", kEdit},
                    outputs(4),
                    {5, "纵模间隔Δν[Hz]", "m_Delta_niulineEdit", kEdit}},
                   {}});

    all.push_back({"LaserTrait",
                   1,
                   "光光效率",
                   {inputs(1),
                    {2, "输入泵浦功率Ppump[W]", "m_P_pumplineEdit", kEdit},
                    {3, "残余泵浦功率Pres[W]", "m_P_residuallineEdit", kEdit},
                    {4, "输出激光功率Pout[W]", "m_P_outlineEdit", kEdit},
                    {5, "输入激光功率Pin[W]", "m_P_inlineEdit", kEdit},
                    outputs(6),
                    {7, "激光器效率ηo", "m_efficiency_olineEdit", kEdit},
                    {8, "放大器效率ηa", "m_efficiency_alineEdit", kEdit}},
                   {}});

    all.push_back({"LaserTrait",
                   2,
                   "量子亏损",
                   {inputs(1),
                    {2, "泵浦光波长λ1[nm]", "m_lambda_1lineEdit", kEdit},
                    {3, "信号光波长λ2[nm]", "m_lambda_2lineEdit", kEdit},
                    outputs(4),
                    {5, "量子亏损QD", "m_QDlineEdit", kEdit},
                    {6, "斯托克斯效率QR", "m_QRlineEdit", kEdit}},
                   {}});

    all.push_back({"threashold",
                   0,
                   "均匀双包层光纤",
                   {inputs(1),
                    {2, "纤芯半径a[μm]", "m_alineEdit_6", kEdit},
                    {3, "信号光波长[nm]", "m_alphalineEdit_5", kEdit},
                    {4, "泵浦波长[nm]", "m_alphalineEdit_6", kEdit},
                    {5, "泵浦包层半径b[μm]", "m_blineEdit_9", kEdit},
                    {6, "掺杂区域半径[μm]", "m_blineEdit_10", kEdit},
                    {7, "数值孔径", "m_blineEdit_12", kEdit},
                    {8, "初始信号光功率P[W]", "m_pinitlineEdit_2", kEdit},
                    {9, "纤芯折射率", "m_blineEdit_11", kEdit},
                    {10, "初始高阶模比例", "m_blineEdit_13", kEdit},
                    {11, "相对强度噪声", "m_blineEdit_14", kEdit},
                    {12, "对流系数", "m_blineEdit_15", kEdit},
                    {13, "热光系数", "m_blineEdit_16", kEdit},
                    {14, "热导率", "m_blineEdit_17", kEdit},
                    {15, "密度与热容乘积", "m_blineEdit_18", kEdit},
                    outputs(16),
                    {17, "非线性耦合系数极大值", "m_blineEdit_19", kEdit},
                    {18, "模式不稳定阈值功率", "m_blineEdit_20", kEdit}},
                   {}});

    all.push_back(exactModesLayout());
    all.push_back(amplifierLayout());
    return all;
}

QString fieldText(const QWidget *page, const LayoutRow &row, QStringList *missing)
{
    const QString name = QString::fromLatin1(row.widget);
    auto noteMissing = [&](const QString &what) {
        if (missing)
            missing->append(what);
        return QString();
    };
    switch (row.source) {
    case CellSource::None: return QString();
    case CellSource::LineEdit:
        if (const auto *edit = page->findChild<QLineEdit *>(name))
            return edit->text();
        return noteMissing(name);
    case CellSource::ComboText:
        // The item at the current index; no selection (index -1) is empty.
        if (const auto *combo = page->findChild<QComboBox *>(name))
            return combo->itemText(combo->currentIndex());
        return noteMissing(name);
    case CellSource::CheckState:
        if (const auto *button = page->findChild<QAbstractButton *>(name))
            return QString::fromUtf8(button->isChecked() ? kCheckedText : kUncheckedText);
        return noteMissing(name);
    case CellSource::FiberType: {
        const auto *transmission = page->findChild<QRadioButton *>(QStringLiteral("radioButton"));
        const auto *gain = page->findChild<QRadioButton *>(QStringLiteral("radioButton_2"));
        if (!transmission || !gain)
            return noteMissing(QStringLiteral("radioButton/radioButton_2"));
        if (transmission->isChecked())
            return QString::fromUtf8(kTransmissionFiberText);
        if (gain->isChecked())
            return QString::fromUtf8(kGainFiberText);
        return QString();
    }
    }
    return QString();
}

} // namespace

const std::vector<SheetLayout> &sheetLayouts()
{
    static const std::vector<SheetLayout> layouts = buildLayouts();
    return layouts;
}

const SheetLayout *findSheetLayout(const std::string &page, int tab)
{
    for (const SheetLayout &layout : sheetLayouts())
        if (layout.page == page && layout.tab == tab)
            return &layout;
    return nullptr;
}

Sheet fillSheet(const SheetLayout &layout, const QWidget *page, QStringList *missing)
{
    Sheet sheet;
    for (const LayoutRow &row : layout.rows) {
        if (row.caption)
            sheet.setText(row.row, 1, QString::fromUtf8(row.caption));
        if (row.source == CellSource::LineEdit)
            sheet.setValue(row.row, 2, page ? fieldText(page, row, missing) : QString());
        else if (row.source != CellSource::None)
            sheet.setText(row.row, 2, page ? fieldText(page, row, missing) : QString());
    }

    const LayoutTable &table = layout.table;
    if (table.headerRow > 0) {
        for (std::size_t c = 0; c < table.headers.size(); ++c)
            sheet.setText(table.headerRow, static_cast<int>(c) + 1,
                          QString::fromUtf8(table.headers[c]));
        const auto *widget =
            page ? page->findChild<QTableWidget *>(QString::fromLatin1(table.widget)) : nullptr;
        if (!widget) {
            if (missing)
                missing->append(QString::fromLatin1(table.widget));
        } else {
            // Row-major, one sheet row per table row; an empty item slot
            // (never filled) gives an empty cell.
            for (int r = 0; r < widget->rowCount(); ++r)
                for (int c = 0; c < widget->columnCount(); ++c) {
                    const QTableWidgetItem *item = widget->item(r, c);
                    sheet.setValue(table.firstRow + r, c + 1, item ? item->text() : QString());
                }
        }
    }
    return sheet;
}
