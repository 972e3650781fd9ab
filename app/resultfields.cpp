#include "resultfields.h"

#include "fbmainwindow.h"

#include "fbamp/calc/amplifierfields.h"

std::vector<const char *> resultFieldNames(int pageIndex, int innerTab)
{
    switch (pageIndex) {
    case FBMainWindow::BscoptlawPage:
        return {"m_ThetalineEdit_4", "m_ThetalineEdit_5", "m_ThetalineEdit_6",
                "m_RadlineEdit_8",   "m_RadlineEdit_9",   "m_RadlineEdit_10"};
    case FBMainWindow::NolinearPage:
        switch (innerTab) {
        case 0: return {"m_GBlineEdit", "m_SBSLineEdit", "m_LambdaBlineEdit_2"};
        case 1:
            return {"m_SRSdLineEdit", "m_SRSoLineEdit", "m_SRSaLineEdit", "m_LambdaRlineEdit_2"};
        case 2: return {"m_AlineEdit", "m_rLineEdit", "m_LefflineEdit", "m_failineEdit"};
        case 3: return {"m_deltaKlineEdit"};
        }
        break;
    case FBMainWindow::FboptPage:
        switch (innerTab) {
        case 0: return {"m_NlabelLineEdit"};
        case 1: return {"m_Alpha_totallineEdit", "m_Alpha_averagelineEdit"};
        case 2: return {"m_GammalabelLineEdit"};
        case 3: return {"m_rlineEdit", "m_RlineEdit"};
        }
        break;
    case FBMainWindow::FbmodePage:
        switch (innerTab) {
        case 0: return {"m_VLineEdit_2", "m_NnumLineEdit_2"};
        case 1: return {"m_m2xLineEdit_2", "m_m2yLineEdit_2"};
        case 2: return {"m_AlphalineEdit_2", "m_BetalineEdit_2"};
        case 3: return {"m_exactVLineEdit", "m_exactCountLineEdit"}; // 精确模式特性
        }
        break;
    case FBMainWindow::LaserPlusePage: return {"m_ElineEdit", "m_P_peaklineEdit"};
    case FBMainWindow::LaserbscPage: return {"m_niulineEdit", "m_tao_clineEdit", "m_L_clineEdit"};
    case FBMainWindow::LaserTraitPage:
        switch (innerTab) {
        case 0: return {"m_Delta_niulineEdit"};
        case 1: return {"m_efficiency_alineEdit", "m_efficiency_olineEdit"};
        case 2: return {"m_QDlineEdit", "m_QRlineEdit"};
        case 3: return {}; // the gain tab has a plot, no result fields
        }
        break;
    case FBMainWindow::ThreasholdPage: return {"m_blineEdit_19", "m_blineEdit_20"};
    case FBMainWindow::FbampPage: {
        // The amplifier page's result fields come from its calculator's description.
        static const std::vector<velmora::calc::FieldSpec> fields =
            velmora::calc::amplifierFields();
        std::vector<const char *> names;
        for (const velmora::calc::FieldSpec &f : fields)
            if (f.role == velmora::calc::FieldRole::Output && !f.objectName.empty())
                names.push_back(f.objectName.c_str());
        return names;
    }
    }
    return {};
}
