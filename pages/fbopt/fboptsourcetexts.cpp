// The Chinese texts and rich-text runs of the fbopt form (fboptform.cpp) as
// source texts of the translation catalogue; the page writes them in the
// window's language with applySourceTexts (pages/common/formtexts.h). A text
// changed in the form needs its run here (the language test names it).
#include <QtGlobal>

namespace {
[[maybe_unused]] const char *const kSourceTexts[] = {
    QT_TRANSLATE_NOOP("fbopt", "计算"),
    QT_TRANSLATE_NOOP("fbopt", "掺杂浓度"),
    QT_TRANSLATE_NOOP("fbopt", "光纤参数--掺杂浓度"),
    QT_TRANSLATE_NOOP("fbopt", "输入项"),
    QT_TRANSLATE_NOOP("fbopt", "纤芯半径a[μm]"),
    QT_TRANSLATE_NOOP("fbopt", "内包层半径b[μm]"),
    QT_TRANSLATE_NOOP("fbopt", "小信号吸收系数α@976nm[dB/m]"),
    QT_TRANSLATE_NOOP("fbopt", "吸收截面σ"),
    QT_TRANSLATE_NOOP("fbopt", "输出项"),
    QT_TRANSLATE_NOOP("fbopt", "增益光纤掺杂浓度N[/m"),
    QT_TRANSLATE_NOOP("fbopt", "本征损耗"),
    QT_TRANSLATE_NOOP("fbopt", "光纤参数--本征损耗"),
    QT_TRANSLATE_NOOP("fbopt", "输入激光功率P"),
    QT_TRANSLATE_NOOP("fbopt", "输出激光功率P"),
    QT_TRANSLATE_NOOP("fbopt", "光纤长度L[m]"),
    QT_TRANSLATE_NOOP("fbopt", "总损耗α"),
    QT_TRANSLATE_NOOP("fbopt", "平均损耗α"),
    QT_TRANSLATE_NOOP("fbopt", "填充因子"),
    QT_TRANSLATE_NOOP("fbopt", "光纤参数--填充因子"),
    QT_TRANSLATE_NOOP("fbopt", "填充因子γ"),
    QT_TRANSLATE_NOOP("fbopt", "光纤端面反射率"),
    QT_TRANSLATE_NOOP("fbopt", "光纤参数--端面反射率"),
    QT_TRANSLATE_NOOP("fbopt", "中心波长λ[nm]"),
    QT_TRANSLATE_NOOP("fbopt", "纤芯折射率n1"),
    QT_TRANSLATE_NOOP("fbopt", "包层折射率n2"),
    QT_TRANSLATE_NOOP("fbopt", "数值孔径NA"),
    QT_TRANSLATE_NOOP("fbopt", "端面角度θ[°]"),
    QT_TRANSLATE_NOOP("fbopt", "模式选择"),
    QT_TRANSLATE_NOOP("fbopt", "模式LP"),
    QT_TRANSLATE_NOOP("fbopt", "等效折射率neff"),
    QT_TRANSLATE_NOOP("fbopt", "光纤端面振幅反馈系数r(θ)"),
    QT_TRANSLATE_NOOP("fbopt", "光纤端面反射率R(θ)"),
};
} // namespace
