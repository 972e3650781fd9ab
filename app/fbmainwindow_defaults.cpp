// Restoring the default parameters of the page shown.
#include "fbmainwindow.h"

#include "calcbinding.h"
#include "catalogue.h"
#include "fbamp.h"

#include <QLineEdit>

#include <vector>

namespace {

struct DefaultText {
    const char *field; // object name of the QLineEdit
    const char *text;
};

// One row per page and inner tab. kAnyTab marks pages with a single tab.
constexpr int kAnyTab = -1;
constexpr int kExactModesTab = 3; // the fiber-mode page's 精确模式特性

struct DefaultSet {
    int page;
    int tab;
    std::vector<DefaultText> fields; // set in this order
};

// The texts are those the pages start with, apart from a few deliberate
// differences: the radian field of the refraction tab and the end-face
// angle are left alone, the effective index of the end-face tab gets a
// usable value, the mode-distribution tab also resets the bend radius of the
// bend-loss tab, and the beam-quality tab starts from an LP01+LP02+LP11+LP12
// mixture while the sixteen O-mode weights keep what the user typed.
const DefaultSet kDefaultSets[] = {
    {FBMainWindow::BscoptlawPage,
     kAnyTab,
     {{"m_RfrlineEdit_1", "1.45"}, {"m_RfrlineEdit_2", "1"}, {"m_ThetalineEdit_3", "30"}}},

    // 受激布里渊散射 (m_NLineEdit is not reset)
    {FBMainWindow::NolinearPage,
     0,
     {{"m_LamdaPlineEdit_3", "1064"},
      {"m_DeltaBlineEdit_2", "1.63e10"},
      {"m_LlineEdit", "10"},
      {"m_KLineEdit", "1.5"},
      {"m_GLineEdit", "20"},
      {"m_REffLineEdit", "5e-6"},
      {"m_TbLineEdit", "1e-8"},
      {"m_VaLineEdit", "5960"},
      {"m_RouLineEdit", "2210"},
      {"m_GammaELineEdit", "0.902"}}},
    // 受激拉曼散射
    {FBMainWindow::NolinearPage,
     1,
     {{"m_LamdaPlineEdit_4", "1064"},
      {"m_DeltaRlineEdit_2", "1.32e13"},
      {"m_LlineEdit_2", "15"},
      {"m_REffLineEdit_2", "5e-6"},
      {"m_GLineEdit_2", "20"},
      {"m_GRLineEdit", "5e-14"},
      {"m_Alpha_sLineEdit", "0.003"},
      {"m_Alpha_pLineEdit", "0.005"},
      {"m_R1LineEdit", "0.99"},
      {"m_R2LineEdit", "0.1"},
      {"m_BetaLineEdit", "0.01"}}},
    // 非线性相移
    {FBMainWindow::NolinearPage,
     2,
     {{"m_lamdaLineEdit", "1064"},
      {"m_LLineEdit", "5"},
      {"m_gLineEdit", "2"},
      {"m_aLineEdit", "5"},
      {"m_alphaLineEdit", "0.02"},
      {"m_n2lineEdit", "2.7e-20"},
      {"m_PpeaklineEdit", "1e5"}}},
    // 四波混频
    {FBMainWindow::NolinearPage,
     3,
     {{"m_lamda1LineEdit", "1070"},
      {"m_lamda2LineEdit", "1080"},
      {"m_lamda3LineEdit", "1090"},
      {"m_n1lineEdit", "1.45"},
      {"m_n2lineEdit_2", "1.45"},
      {"m_n3lineEdit", "1.45"}}},

    // 掺杂浓度
    {FBMainWindow::FboptPage,
     0,
     {{"m_alineEdit_2", "10"},
      {"m_blineEdit_2", "125"},
      {"m_alphalineEdit", "4"},
      {"m_absorb_sectionlineEdit", "2.42e-24"}}},
    // 本征损耗
    {FBMainWindow::FboptPage,
     1,
     {{"m_P_in_lineEdit", "10"}, {"m_P_out_lineEdit", "5"}, {"m_L_flineEdit", "10"}}},
    // 填充因子
    {FBMainWindow::FboptPage, 2, {{"m_alineEdit", "10"}, {"m_blineEdit", "125"}}},
    // 光纤端面反射率 (m_thetalineEdit is not reset)
    {FBMainWindow::FboptPage,
     3,
     {{"m_A_lineEdit", "10"},
      {"m_LambdalineEdit", "1080"},
      {"m_N1lineEdit", "1.4512"},
      {"m_N2lineEdit", "1.45"},
      {"m_NALineEdit", "0.0590"},
      {"m_nefflineEdit", "1.45181"}}},

    // 模式分布, plus the bend radius of the bend-loss tab
    {FBMainWindow::FbmodePage,
     0,
     {{"m_ALineEdit_2", "20"},
      {"m_RlineEdit_2", "0.05"},
      {"m_NALineEdit_2", "0.0590"},
      {"m_N1LineEdit_2", "1.4512"},
      {"m_N2LineEdit_2", "1.45"},
      {"m_lambdaLineEdit_2", "1080"}}},
    // 光束质量因子: the LP weights only
    {FBMainWindow::FbmodePage,
     1,
     {{"m_p01LineEdit_2", "1"}, {"m_p02LineEdit_2", "1"}, {"m_p03LineEdit_2", "0"},
      {"m_p04LineEdit_2", "0"}, {"m_p11LineEdit_2", "1"}, {"m_p12LineEdit_2", "1"},
      {"m_p13LineEdit_2", "0"}, {"m_p14LineEdit_2", "0"}, {"m_p21LineEdit_2", "0"},
      {"m_p22LineEdit_2", "0"}, {"m_p23LineEdit_2", "0"}, {"m_p24LineEdit_2", "0"},
      {"m_p31LineEdit_2", "0"}, {"m_p32LineEdit_2", "0"}, {"m_p33LineEdit_2", "0"},
      {"m_p34LineEdit_2", "0"}, {"m_p41LineEdit_2", "0"}, {"m_p42LineEdit_2", "0"},
      {"m_p43LineEdit_2", "0"}, {"m_p44LineEdit_2", "0"}}},
    // 弯曲损耗
    {FBMainWindow::FbmodePage,
     2,
     {{"m_AlineEdit_2", "10"},
      {"m_RlineEdit_2", "0.05"},
      {"m_N1lineEdit_2", "1.4512"},
      {"m_N2lineEdit_2", "1.45"},
      {"m_NALineEdit_3", "0.0590"},
      {"m_LambdalineEdit_2", "1080"}}},

    {FBMainWindow::LaserPlusePage,
     kAnyTab,
     {{"m_TaolineEdit", "1e-7"}, {"m_FlineEdit", "1e5"}, {"m_P_avelineEdit", "20"}}},

    {FBMainWindow::LaserbscPage,
     kAnyTab,
     {{"m_LasLamlineEdit", "1064"},
      {"m_delta_niulineEdit", "5e9"},
      {"m_delta_lambdalineEdit", "0.0189"}}},

    // 纵模间隔
    {FBMainWindow::LaserTraitPage, 0, {{"m_RefnlineEdit", "1.45"}, {"m_L_lineEdit", "10"}}},
    // 光光效率
    {FBMainWindow::LaserTraitPage,
     1,
     {{"m_P_pumplineEdit", "100"},
      {"m_P_residuallineEdit", "5"},
      {"m_P_outlineEdit", "75"},
      {"m_P_inlineEdit", "3"}}},
    // 量子亏损
    {FBMainWindow::LaserTraitPage,
     2,
     {{"m_lambda_1lineEdit", "976"}, {"m_lambda_2lineEdit", "1064"}}},
    // 小信号增益 (the fiber radio buttons keep their state)
    {FBMainWindow::LaserTraitPage,
     3,
     {{"m_NlineEdit", "4.3e25"},
      {"m_nlineEdit", "0.1"},
      {"m_GammalineEdit", "0.8"},
      {"m_LlineEdit", "6"}}},

    {FBMainWindow::ThreasholdPage,
     kAnyTab,
     {{"m_alineEdit_6", "15"},
      {"m_alphalineEdit_5", "1064"},
      {"m_alphalineEdit_6", "975"},
      {"m_blineEdit_9", "200"},
      {"m_blineEdit_10", "15"},
      {"m_blineEdit_12", "0.06"},
      {"m_pinitlineEdit_2", "10"},
      {"m_blineEdit_11", "1.45"},
      {"m_blineEdit_13", "0.01"},
      {"m_blineEdit_14", "1e-13"},
      {"m_blineEdit_15", "1000"},
      {"m_blineEdit_16", "1.21e-5"},
      {"m_blineEdit_17", "1.4"},
      {"m_blineEdit_18", "1.67e6"}}},
};

} // namespace

// Empties the results, then writes the default texts of the page and inner
// tab shown. setText() emits no editingFinished(), so linked fields are not
// recomputed, and nothing is validated: the texts are taken as they are.
void FBMainWindow::defaultPar()
{
    clear();
    QWidget *page = currentPageWidget();
    if (!page)
        return;
    if (currentPage == FbampPage) { // the page knows its defaults (its calculator's fields)
        fbampPage->restoreDefaults();
        return;
    }
    const int tab = currentInnerTab();
    if (currentPage == FbmodePage && tab == kExactModesTab) {
        // 精确模式特性 knows its defaults: its calculator's fields, the two
        // check boxes (unticked) included.
        const velmora::calc::CalculatorSpec &spec =
            velmora::calc::catalogue().find("modes.exact")->spec();
        writeInputs(page, spec, velmora::calc::withDefaults(spec, {}));
        return;
    }
    for (const DefaultSet &set : kDefaultSets) {
        if (set.page != currentPage || (set.tab != kAnyTab && set.tab != tab))
            continue;
        for (const DefaultText &entry : set.fields)
            if (auto *field = page->findChild<QLineEdit *>(QString::fromLatin1(entry.field)))
                field->setText(QString::fromUtf8(entry.text));
        return;
    }
}
