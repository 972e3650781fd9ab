// "恢复默认参数" on every page and inner tab: the fields listed for the tab
// get their default texts, the results of the tab are emptied, and the
// deliberately excluded fields, the other tabs and other pages keep what the
// user typed.
#include "shelltest.h"

#include "fbmainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

namespace {

const QString kTyped = QStringLiteral("7.77");

QLineEdit *field(QWidget *page, const QString &name)
{
    return page ? page->findChild<QLineEdit *>(name) : nullptr;
}

// "name=text" pairs of one table row.
QList<QPair<QString, QString>> pairs(const QStringList &entries)
{
    QList<QPair<QString, QString>> result;
    for (const QString &entry : entries) {
        const int split = entry.indexOf(QLatin1Char('='));
        result.append({entry.left(split), entry.mid(split + 1)});
    }
    return result;
}

// The beam-quality weights m_pMNLineEdit_2 / _3 for M = 0..4 (first digit)
// and N = 1..4, as the tab lays them out.
QStringList beamWeights(const QString &suffix, int firstMode)
{
    QStringList names;
    for (int m = firstMode; m <= 4; ++m)
        for (int n = 1; n <= 4; ++n)
            names << QStringLiteral("m_p%1%2LineEdit%3").arg(m).arg(n).arg(suffix);
    return names;
}

} // namespace

class ShellDefaultsTest : public QObject
{
    Q_OBJECT

    // Shows the page of `action` with inner tab `tab` (if it has tabs).
    QWidget *showPage(FBMainWindow &window, const QByteArray &action, int tab)
    {
        window.findChild<QAction *>(QString::fromLatin1(action))->trigger();
        QWidget *page = window.currentPageWidget();
        if (auto *tabs =
                page ? page->findChild<QTabWidget *>(QStringLiteral("tabWidget")) : nullptr)
            tabs->setCurrentIndex(tab);
        return page;
    }

    void restoreDefaults(FBMainWindow &window)
    {
        window.findChild<QAction *>(QStringLiteral("actionDefaultPar"))->trigger();
    }

private slots:
    void init() { QSettings().clear(); }

    void everyTabGetsItsDefaults_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("defaults");  // name=text, in the listed order
        QTest::addColumn<QStringList>("untouched"); // inputs that keep the typed text
        QTest::addColumn<QStringList>("results");   // emptied by the command

        QTest::newRow("反射折射") << QByteArray("actionBscLaw") << 0
                                  << QStringList{"m_RfrlineEdit_1=1.45", "m_RfrlineEdit_2=1",
                                                 "m_ThetalineEdit_3=30", "m_RadianlineEdit=0.5236"}
                                  << QStringList{}
                                  << QStringList{"m_ThetalineEdit_4", "m_ThetalineEdit_5",
                                                 "m_ThetalineEdit_6", "m_RadlineEdit_8",
                                                 "m_RadlineEdit_9",   "m_RadlineEdit_10"};
        QTest::newRow("受激布里渊散射")
            << QByteArray("actionNonlinear") << 0
            << QStringList{"m_LamdaPlineEdit_3=1064", "m_DeltaBlineEdit_2=1.63e10",
                           "m_LlineEdit=10",          "m_KLineEdit=1.5",
                           "m_GLineEdit=20",          "m_REffLineEdit=5e-6",
                           "m_TbLineEdit=1e-8",       "m_VaLineEdit=5960",
                           "m_RouLineEdit=2210",      "m_GammaELineEdit=0.902"}
            << QStringList{"m_NLineEdit", "m_LlineEdit_2", "m_lamdaLineEdit"}
            << QStringList{"m_GBlineEdit", "m_SBSLineEdit", "m_LambdaBlineEdit_2"};
        QTest::newRow("受激拉曼散射")
            << QByteArray("actionNonlinear") << 1
            << QStringList{"m_LamdaPlineEdit_4=1064", "m_DeltaRlineEdit_2=1.32e13",
                           "m_LlineEdit_2=15",        "m_REffLineEdit_2=5e-6",
                           "m_GLineEdit_2=20",        "m_GRLineEdit=5e-14",
                           "m_Alpha_sLineEdit=0.003", "m_Alpha_pLineEdit=0.005",
                           "m_R1LineEdit=0.99",       "m_R2LineEdit=0.1",
                           "m_BetaLineEdit=0.01"}
            << QStringList{"m_LlineEdit", "m_NLineEdit"}
            << QStringList{"m_SRSdLineEdit", "m_SRSoLineEdit", "m_SRSaLineEdit",
                           "m_LambdaRlineEdit_2"};
        QTest::newRow("非线性相移")
            << QByteArray("actionNonlinear") << 2
            << QStringList{"m_lamdaLineEdit=1064", "m_LLineEdit=5",        "m_gLineEdit=2",
                           "m_aLineEdit=5",        "m_alphaLineEdit=0.02", "m_n2lineEdit=2.7e-20",
                           "m_PpeaklineEdit=1e5"}
            << QStringList{"m_n2lineEdit_2", "m_lamda1LineEdit"}
            << QStringList{"m_AlineEdit", "m_rLineEdit", "m_LefflineEdit", "m_failineEdit"};
        QTest::newRow("四波混频") << QByteArray("actionNonlinear") << 3
                                  << QStringList{"m_lamda1LineEdit=1070", "m_lamda2LineEdit=1080",
                                                 "m_lamda3LineEdit=1090", "m_n1lineEdit=1.45",
                                                 "m_n2lineEdit_2=1.45",   "m_n3lineEdit=1.45"}
                                  << QStringList{"m_n2lineEdit", "m_lamdaLineEdit"}
                                  << QStringList{"m_deltaKlineEdit"};
        QTest::newRow("掺杂浓度") << QByteArray("actionFBbsc") << 0
                                  << QStringList{"m_alineEdit_2=10", "m_blineEdit_2=125",
                                                 "m_alphalineEdit=4",
                                                 "m_absorb_sectionlineEdit=2.42e-24"}
                                  << QStringList{"m_alineEdit", "m_blineEdit"}
                                  << QStringList{"m_NlabelLineEdit"};
        QTest::newRow("本征损耗") << QByteArray("actionFBbsc") << 1
                                  << QStringList{"m_P_in_lineEdit=10", "m_P_out_lineEdit=5",
                                                 "m_L_flineEdit=10"}
                                  << QStringList{"m_alineEdit_2"}
                                  << QStringList{"m_Alpha_totallineEdit",
                                                 "m_Alpha_averagelineEdit"};
        QTest::newRow("填充因子") << QByteArray("actionFBbsc") << 2
                                  << QStringList{"m_alineEdit=10", "m_blineEdit=125"}
                                  << QStringList{"m_alineEdit_2", "m_blineEdit_2", "m_A_lineEdit"}
                                  << QStringList{"m_GammalabelLineEdit"};
        QTest::newRow("光纤端面反射率")
            << QByteArray("actionFBbsc") << 3
            << QStringList{"m_A_lineEdit=10",   "m_LambdalineEdit=1080", "m_N1lineEdit=1.4512",
                           "m_N2lineEdit=1.45", "m_NALineEdit=0.0590",   "m_nefflineEdit=1.45181"}
            << QStringList{"m_thetalineEdit", "m_alineEdit"}
            << QStringList{"m_rlineEdit", "m_RlineEdit"};
        QTest::newRow("模式分布") << QByteArray("actionFBmode") << 0
                                  << QStringList{"m_ALineEdit_2=20",      "m_RlineEdit_2=0.05",
                                                 "m_NALineEdit_2=0.0590", "m_N1LineEdit_2=1.4512",
                                                 "m_N2LineEdit_2=1.45",   "m_lambdaLineEdit_2=1080"}
                                  << QStringList{"m_LambdalineEdit_2", "m_AlineEdit_2",
                                                 "m_N1lineEdit_2", "m_p01LineEdit_2"}
                                  << QStringList{"m_VLineEdit_2", "m_NnumLineEdit_2"};
        QStringList beam;
        for (const QString &name : beamWeights(QStringLiteral("_2"), 0)) {
            const bool one = name == QLatin1String("m_p01LineEdit_2") ||
                             name == QLatin1String("m_p02LineEdit_2") ||
                             name == QLatin1String("m_p11LineEdit_2") ||
                             name == QLatin1String("m_p12LineEdit_2");
            beam << name + (one ? QStringLiteral("=1") : QStringLiteral("=0"));
        }
        QTest::newRow("光束质量因子")
            << QByteArray("actionFBmode") << 1 << beam
            << beamWeights(QStringLiteral("_3"), 1) + QStringList{"m_ALineEdit_2", "m_RlineEdit_2"}
            << QStringList{"m_m2xLineEdit_2", "m_m2yLineEdit_2"};
        QTest::newRow("弯曲损耗") << QByteArray("actionFBmode") << 2
                                  << QStringList{"m_AlineEdit_2=10",      "m_RlineEdit_2=0.05",
                                                 "m_N1lineEdit_2=1.4512", "m_N2lineEdit_2=1.45",
                                                 "m_NALineEdit_3=0.0590", "m_LambdalineEdit_2=1080"}
                                  << QStringList{"m_ALineEdit_2", "m_lambdaLineEdit_2"}
                                  << QStringList{"m_AlphalineEdit_2", "m_BetalineEdit_2"};
        QTest::newRow("精确模式特性")
            << QByteArray("actionFBmode") << 3
            << QStringList{"m_exactALineEdit=20",      "m_exactLambdaLineEdit=1080",
                           "m_exactN1LineEdit=1.4512", "m_exactN2LineEdit=1.45",
                           "m_exactNALineEdit=0.0590", "m_exactDopedLineEdit=20",
                           "m_exactBendLineEdit=0.05"}
            << QStringList{"m_ALineEdit_2", "m_RlineEdit_2"}
            << QStringList{"m_exactVLineEdit", "m_exactCountLineEdit"};
        QTest::newRow("高斯脉冲") << QByteArray("actionPls") << 0
                                  << QStringList{"m_TaolineEdit=1e-7", "m_FlineEdit=1e5",
                                                 "m_P_avelineEdit=20"}
                                  << QStringList{}
                                  << QStringList{"m_ElineEdit", "m_P_peaklineEdit"};
        QTest::newRow("频率与相干性")
            << QByteArray("actionBscLaser") << 0
            << QStringList{"m_LasLamlineEdit=1064", "m_delta_niulineEdit=5e9",
                           "m_delta_lambdalineEdit=0.0189"}
            << QStringList{} << QStringList{"m_niulineEdit", "m_tao_clineEdit", "m_L_clineEdit"};
        QTest::newRow("纵模间隔") << QByteArray("actionLasertrit") << 0
                                  << QStringList{"m_RefnlineEdit=1.45", "m_L_lineEdit=10"}
                                  << QStringList{"m_P_pumplineEdit", "m_LlineEdit"}
                                  << QStringList{"m_Delta_niulineEdit"};
        QTest::newRow("光光效率") << QByteArray("actionLasertrit") << 1
                                  << QStringList{"m_P_pumplineEdit=100", "m_P_residuallineEdit=5",
                                                 "m_P_outlineEdit=75", "m_P_inlineEdit=3"}
                                  << QStringList{"m_RefnlineEdit"}
                                  << QStringList{"m_efficiency_alineEdit",
                                                 "m_efficiency_olineEdit"};
        QTest::newRow("量子亏损") << QByteArray("actionLasertrit") << 2
                                  << QStringList{"m_lambda_1lineEdit=976",
                                                 "m_lambda_2lineEdit=1064"}
                                  << QStringList{"m_NlineEdit"}
                                  << QStringList{"m_QDlineEdit", "m_QRlineEdit"};
        QTest::newRow("小信号增益")
            << QByteArray("actionLasertrit") << 3
            << QStringList{"m_NlineEdit=4.3e25", "m_nlineEdit=0.1", "m_GammalineEdit=0.8",
                           "m_LlineEdit=6"}
            << QStringList{"m_lambda_1lineEdit", "m_QDlineEdit"} << QStringList{};
        QTest::newRow("均匀双包层光纤")
            << QByteArray("actionThreshold") << 0
            << QStringList{"m_alineEdit_6=15",      "m_alphalineEdit_5=1064",
                           "m_alphalineEdit_6=975", "m_blineEdit_9=200",
                           "m_blineEdit_10=15",     "m_blineEdit_12=0.06",
                           "m_pinitlineEdit_2=10",  "m_blineEdit_11=1.45",
                           "m_blineEdit_13=0.01",   "m_blineEdit_14=1e-13",
                           "m_blineEdit_15=1000",   "m_blineEdit_16=1.21e-5",
                           "m_blineEdit_17=1.4",    "m_blineEdit_18=1.67e6"}
            << QStringList{} << QStringList{"m_blineEdit_19", "m_blineEdit_20"};
    }

    void everyTabGetsItsDefaults()
    {
        QFETCH(QByteArray, action);
        QFETCH(int, tab);
        QFETCH(QStringList, defaults);
        QFETCH(QStringList, untouched);
        QFETCH(QStringList, results);

        FBMainWindow window;
        QWidget *page = showPage(window, action, tab);
        QVERIFY(page);
        QCOMPARE(window.currentInnerTab(), tab);

        const auto expected = pairs(defaults);
        QStringList all = untouched + results;
        for (const auto &entry : expected)
            all << entry.first;
        for (const QString &name : all) {
            QLineEdit *edit = field(page, name);
            QVERIFY2(edit, qPrintable(QStringLiteral("no field %1 on the page").arg(name)));
            edit->setText(kTyped);
        }

        // Setting the texts must not run the linked-field slots.
        int edited = 0;
        for (QLineEdit *edit : page->findChildren<QLineEdit *>())
            connect(edit, &QLineEdit::editingFinished, this, [&edited] { ++edited; });

        restoreDefaults(window);

        for (const auto &entry : expected)
            QCOMPARE(field(page, entry.first)->text(), entry.second);
        for (const QString &name : untouched)
            QVERIFY2(field(page, name)->text() == kTyped, qPrintable(name));
        for (const QString &name : results)
            QVERIFY2(field(page, name)->text().isEmpty(), qPrintable(name));
        QCOMPARE(edited, 0);
        QCOMPARE(window.currentInnerTab(), tab);
    }

    // On a page just created the command changes nothing but the few fields
    // whose default differs from the text the page starts with: the restored
    // texts and the pages' own start texts must agree everywhere else.
    void freshPagesChangeOnlyTheListedFields_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("changed"); // name=new text

        const QList<QPair<QByteArray, int>> tabs = {{"actionBscLaw", 1},    {"actionNonlinear", 4},
                                                    {"actionFBbsc", 4},     {"actionFBmode", 4},
                                                    {"actionPls", 1},       {"actionBscLaser", 1},
                                                    {"actionLasertrit", 4}, {"actionThreshold", 1}};
        for (const auto &page : tabs)
            for (int tab = 0; tab < page.second; ++tab) {
                QStringList changed;
                if (page.first == "actionFBbsc" && tab == 3)
                    changed << QStringLiteral("m_nefflineEdit=1.45181");
                if (page.first == "actionFBmode" && tab == 1)
                    changed << QStringLiteral("m_p11LineEdit_2=1")
                            << QStringLiteral("m_p12LineEdit_2=1");
                QTest::newRow(QByteArray(page.first + ' ' + QByteArray::number(tab)).constData())
                    << page.first << tab << changed;
            }
    }

    void freshPagesChangeOnlyTheListedFields()
    {
        QFETCH(QByteArray, action);
        QFETCH(int, tab);
        QFETCH(QStringList, changed);

        FBMainWindow window;
        QWidget *page = showPage(window, action, tab);
        QVERIFY(page);
        QMap<QString, QString> before;
        for (QLineEdit *edit : page->findChildren<QLineEdit *>())
            if (!edit->objectName().isEmpty())
                before.insert(edit->objectName(), edit->text());
        QVERIFY(!before.isEmpty());

        restoreDefaults(window);

        const auto expected = pairs(changed);
        for (const auto &entry : expected) {
            QVERIFY2(before.contains(entry.first), qPrintable(entry.first));
            QVERIFY2(before.value(entry.first) != entry.second, qPrintable(entry.first));
        }
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            QString want = it.value();
            for (const auto &entry : expected)
                if (entry.first == it.key())
                    want = entry.second;
            QLineEdit *edit = field(page, it.key());
            QVERIFY2(edit->text() == want, qPrintable(QStringLiteral("%1: \"%2\", expected \"%3\"")
                                                          .arg(it.key(), edit->text(), want)));
        }
    }

    // "清空" empties exactly the result fields of the tab shown: every other
    // field of the page, results of the other tabs included, keeps its text.
    void clearEmptiesExactlyTheTabResults_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("results");

        QTest::newRow("反射折射") << QByteArray("actionBscLaw") << 0
                                  << QStringList{"m_ThetalineEdit_4", "m_ThetalineEdit_5",
                                                 "m_ThetalineEdit_6", "m_RadlineEdit_8",
                                                 "m_RadlineEdit_9",   "m_RadlineEdit_10"};
        QTest::newRow("受激布里渊散射")
            << QByteArray("actionNonlinear") << 0
            << QStringList{"m_GBlineEdit", "m_SBSLineEdit", "m_LambdaBlineEdit_2"};
        QTest::newRow("受激拉曼散射") << QByteArray("actionNonlinear") << 1
                                      << QStringList{"m_SRSdLineEdit", "m_SRSoLineEdit",
                                                     "m_SRSaLineEdit", "m_LambdaRlineEdit_2"};
        QTest::newRow("非线性相移")
            << QByteArray("actionNonlinear") << 2
            << QStringList{"m_AlineEdit", "m_rLineEdit", "m_LefflineEdit", "m_failineEdit"};
        QTest::newRow("四波混频") << QByteArray("actionNonlinear") << 3
                                  << QStringList{"m_deltaKlineEdit"};
        QTest::newRow("掺杂浓度") << QByteArray("actionFBbsc") << 0
                                  << QStringList{"m_NlabelLineEdit"};
        QTest::newRow("本征损耗") << QByteArray("actionFBbsc") << 1
                                  << QStringList{"m_Alpha_totallineEdit",
                                                 "m_Alpha_averagelineEdit"};
        QTest::newRow("填充因子") << QByteArray("actionFBbsc") << 2
                                  << QStringList{"m_GammalabelLineEdit"};
        QTest::newRow("光纤端面反射率")
            << QByteArray("actionFBbsc") << 3 << QStringList{"m_rlineEdit", "m_RlineEdit"};
        QTest::newRow("模式分布") << QByteArray("actionFBmode") << 0
                                  << QStringList{"m_VLineEdit_2", "m_NnumLineEdit_2"};
        QTest::newRow("光束质量因子")
            << QByteArray("actionFBmode") << 1 << QStringList{"m_m2xLineEdit_2", "m_m2yLineEdit_2"};
        QTest::newRow("弯曲损耗") << QByteArray("actionFBmode") << 2
                                  << QStringList{"m_AlphalineEdit_2", "m_BetalineEdit_2"};
        QTest::newRow("精确模式特性") << QByteArray("actionFBmode") << 3
                                      << QStringList{"m_exactVLineEdit", "m_exactCountLineEdit"};
        QTest::newRow("高斯脉冲") << QByteArray("actionPls") << 0
                                  << QStringList{"m_ElineEdit", "m_P_peaklineEdit"};
        QTest::newRow("频率与相干性")
            << QByteArray("actionBscLaser") << 0
            << QStringList{"m_niulineEdit", "m_tao_clineEdit", "m_L_clineEdit"};
        QTest::newRow("纵模间隔") << QByteArray("actionLasertrit") << 0
                                  << QStringList{"m_Delta_niulineEdit"};
        QTest::newRow("光光效率") << QByteArray("actionLasertrit") << 1
                                  << QStringList{"m_efficiency_alineEdit",
                                                 "m_efficiency_olineEdit"};
        QTest::newRow("量子亏损") << QByteArray("actionLasertrit") << 2
                                  << QStringList{"m_QDlineEdit", "m_QRlineEdit"};
        QTest::newRow("小信号增益") << QByteArray("actionLasertrit") << 3 << QStringList{};
        QTest::newRow("均匀双包层光纤") << QByteArray("actionThreshold") << 0
                                        << QStringList{"m_blineEdit_19", "m_blineEdit_20"};
    }

    void clearEmptiesExactlyTheTabResults()
    {
        QFETCH(QByteArray, action);
        QFETCH(int, tab);
        QFETCH(QStringList, results);

        FBMainWindow window;
        QWidget *page = showPage(window, action, tab);
        QVERIFY(page);
        const QList<QLineEdit *> edits = page->findChildren<QLineEdit *>();
        for (QLineEdit *edit : edits)
            edit->setText(kTyped);
        for (const QString &name : results)
            QVERIFY2(field(page, name), qPrintable(name));
        // The table is keyed by the tab shown: the row's name is its tab text.
        auto *tabs = page->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        QVERIFY(tabs);
        QCOMPARE(tabs->tabText(tab), QString::fromUtf8(QTest::currentDataTag()));

        window.findChild<QAction *>(QStringLiteral("actionClear"))->trigger();

        for (QLineEdit *edit : edits) {
            const bool result = results.contains(edit->objectName());
            QVERIFY2(edit->text() == (result ? QString() : kTyped),
                     qPrintable(edit->objectName() + QStringLiteral(": ") + edit->text()));
        }
        QCOMPARE(window.currentInnerTab(), tab);
    }

    // The edge cases a user meets most often, spelled out one by one.
    // The calculation reads the radian field: restoring 30° must restore the
    // radian angle with it, or the page would compute with the old angle.
    void refractionRestoresTheRadianFieldWithTheDegrees()
    {
        FBMainWindow window;
        QWidget *page = showPage(window, "actionBscLaw", 0);
        field(page, QStringLiteral("m_ThetalineEdit_3"))->setText(QStringLiteral("45"));
        field(page, QStringLiteral("m_RadianlineEdit"))->setText(QStringLiteral("0.9"));
        field(page, QStringLiteral("m_RadlineEdit_8"))->setText(QStringLiteral("12.3"));
        restoreDefaults(window);
        QCOMPARE(field(page, QStringLiteral("m_ThetalineEdit_3"))->text(), QStringLiteral("30"));
        QCOMPARE(field(page, QStringLiteral("m_RadianlineEdit"))->text(), QStringLiteral("0.5236"));
        QVERIFY(field(page, QStringLiteral("m_RadlineEdit_8"))->text().isEmpty());
    }

    void beamQualityLeavesTheOWeights()
    {
        FBMainWindow window;
        QWidget *page = showPage(window, "actionFBmode", 1);
        for (const QString &name :
             beamWeights(QStringLiteral("_2"), 0) + beamWeights(QStringLiteral("_3"), 1))
            field(page, name)->setText(QStringLiteral("5"));
        restoreDefaults(window);
        const QStringList lp0 = {"1", "1", "0", "0"};
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(field(page, QStringLiteral("m_p0%1LineEdit_2").arg(n))->text(), lp0[n - 1]);
            QCOMPARE(field(page, QStringLiteral("m_p1%1LineEdit_2").arg(n))->text(), lp0[n - 1]);
        }
        for (const QString &name : beamWeights(QStringLiteral("_3"), 1))
            QCOMPARE(field(page, name)->text(), QStringLiteral("5"));
    }

    void modeDistributionAlsoResetsTheBendRadius()
    {
        FBMainWindow window;
        QWidget *page = showPage(window, "actionFBmode", 0);
        field(page, QStringLiteral("m_RlineEdit_2"))->setText(QStringLiteral("0.3"));
        field(page, QStringLiteral("m_LambdalineEdit_2"))->setText(QStringLiteral("1550"));
        restoreDefaults(window);
        QCOMPARE(field(page, QStringLiteral("m_RlineEdit_2"))->text(), QStringLiteral("0.05"));
        QCOMPARE(field(page, QStringLiteral("m_LambdalineEdit_2"))->text(), QStringLiteral("1550"));
    }

    void exactModesUntickTheirOptions()
    {
        FBMainWindow window;
        QWidget *page = showPage(window, "actionFBmode", 3);
        for (const char *name : {"m_exactMaterialCheckBox", "m_exactVectorCheckBox"})
            page->findChild<QCheckBox *>(QLatin1String(name))->setChecked(true);
        restoreDefaults(window);
        for (const char *name : {"m_exactMaterialCheckBox", "m_exactVectorCheckBox"})
            QVERIFY2(!page->findChild<QCheckBox *>(QLatin1String(name))->isChecked(), name);
    }

    void endFaceKeepsTheAngleAndSetsTheIndex()
    {
        FBMainWindow window;
        QWidget *page = showPage(window, "actionFBbsc", 3);
        field(page, QStringLiteral("m_thetalineEdit"))->setText(QStringLiteral("8"));
        field(page, QStringLiteral("m_nefflineEdit"))->clear();
        restoreDefaults(window);
        QCOMPARE(field(page, QStringLiteral("m_thetalineEdit"))->text(), QStringLiteral("8"));
        QCOMPARE(field(page, QStringLiteral("m_nefflineEdit"))->text(), QStringLiteral("1.45181"));
    }

    void hiddenPagesAreLeftAlone()
    {
        FBMainWindow window;
        QWidget *pulse = showPage(window, "actionPls", 0);
        field(pulse, QStringLiteral("m_TaolineEdit"))->setText(QStringLiteral("3e-9"));
        QWidget *cw = showPage(window, "actionBscLaser", 0);
        field(cw, QStringLiteral("m_LasLamlineEdit"))->setText(QStringLiteral("1550"));
        restoreDefaults(window);
        QCOMPARE(field(cw, QStringLiteral("m_LasLamlineEdit"))->text(), QStringLiteral("1064"));
        QCOMPARE(field(pulse, QStringLiteral("m_TaolineEdit"))->text(), QStringLiteral("3e-9"));
    }
};

VELMORA_SHELL_TEST_MAIN(ShellDefaultsTest)
#include "tst_shelldefaults.moc"
