// The fiber-mode page against its calculators with the same seeded random
// inputs (valid and refused): the mode list, the beam quality, the bend loss
// and the n1/NA links of both fiber tabs.
#include "calc/fiberinputs.h"
#include "catalogue.h"
#include "fbmode.h"
#include "pagecalcharness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace pagecalc;

namespace {
constexpr int kCases = 40;
constexpr quint32 kSeed = 20261208;

const Calculator &calculator(const char *id)
{
    return *catalogue().find(id);
}

QString joinTexts(const QStringList &texts)
{
    return texts.join(QLatin1Char('|'));
}
} // namespace

class TestFbmodeCalc : public QObject
{
    Q_OBJECT

private slots:
    void modeListMatchesCalculator()
    {
        fbmode page;
        const Calculator &solve = calculator("modes.solve");
        QStringList d = comparePageWithCalculator(&page, solve, "pushButton_12", kCases, kSeed);
        d += comparePageLinks(&page, solve, kCases, kSeed + 1);
        QVERIFY2(d.isEmpty(), qPrintable(d.join(QLatin1Char('\n'))));
    }

    // On realistic step-index fibers (which the range-wide random texts above
    // rarely are) the table holds exactly the calculator's list, and the NA
    // field its NA rule.
    void modeTableAndNaMatchCalculator()
    {
        fbmode page;
        const Calculator &solve = calculator("modes.solve");
        QRandomGenerator rng(kSeed + 2);
        auto *table = page.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        int listed = 0;
        for (int c = 0; c < kCases; ++c) {
            const double n2 = 1.44 + 0.02 * rng.generateDouble();
            const double na = 0.03 + 0.17 * rng.generateDouble();
            // The typed NA either agrees with n1 and n2 or is replaced.
            const double typedNa = rng.bounded(2) ? na + 0.004 : na + 0.05;
            const Inputs typed = {
                {"n1", QString::asprintf("%f", std::sqrt(na * na + n2 * n2)).toStdString()},
                {"n2", QString::number(n2, 'g', 6).toStdString()},
                {"na", QString::number(typedNa, 'g', 4).toStdString()},
                {"a_um", QString::number(2 + 30 * rng.generateDouble(), 'g', 4).toStdString()},
                {"lambda_nm",
                 QString::number(600 + 1400 * rng.generateDouble(), 'g', 5).toStdString()}};
            for (const auto &[key, text] : typed)
                page.findChild<QLineEdit *>(
                        QString::fromStdString(solve.description().field(key)->objectName))
                    ->setText(QString::fromStdString(text));
            collectNotices([&] { page.findChild<QPushButton *>("pushButton_12")->click(); });
            const Result r = solve.evaluate(typed);
            QVERIFY(!r.refused);
            QStringList columns[4];
            for (int row = 0; row < table->rowCount(); ++row)
                for (int col = 0; col < 4; ++col)
                    columns[col] << table->item(row, col)->text();
            // Orders as integers, β with 6 and neff with 8 significant digits.
            const char *keys[4] = {"m", "n", "beta", "neff"};
            const int digits[4] = {6, 6, 6, 8};
            for (int col = 0; col < 4; ++col) {
                QStringList want;
                for (double v : r.outputs.at(keys[col]).data)
                    want << QString::number(v, 'g', digits[col]);
                QCOMPARE(columns[col], want);
            }
            QCOMPARE(page.findChild<QLineEdit *>(QStringLiteral("m_NALineEdit_2"))->text(),
                     QString::fromStdString(r.outputs.at("na").text));
            listed += table->rowCount() > 0;
        }
        QCOMPARE(listed, kCases); // LP01 is guided at every V
    }

    void beamQualityMatchesCalculator()
    {
        fbmode page;
        const QStringList d = comparePageWithCalculator(&page, calculator("modes.beam_quality"),
                                                        "pushButton_13", kCases, kSeed + 3);
        QVERIFY2(d.isEmpty(), qPrintable(d.join(QLatin1Char('\n'))));
    }

    // The bend tab shows its calculator's texts and notices, except that a
    // fiber without guided mode empties the list and the results silently.
    void bendLossMatchesCalculator()
    {
        fbmode page;
        const Calculator &bend = calculator("modes.bend_loss");
        QRandomGenerator rng(kSeed + 4);
        auto *beta = page.findChild<QLineEdit *>(QStringLiteral("m_BetalineEdit_2"));
        auto *alpha = page.findChild<QLineEdit *>(QStringLiteral("m_AlphalineEdit_2"));
        auto *modes = page.findChild<QComboBox *>(QStringLiteral("mdcomboBox_2"));
        const QString untouched = QStringLiteral("<untouched>");
        QSet<QString> seen;
        for (int c = 0; c < kCases; ++c) {
            const Inputs typed = typeRandomInputs(&page, bend.description(), rng);
            beta->setText(untouched);
            alpha->setText(untouched);
            const QString shown = joinTexts(
                collectNotices([&] { page.findChild<QPushButton *>("pushButton_11")->click(); }));
            const Result r = bend.evaluate(typed);
            const bool noMode =
                r.refused && r.notices.front().text.zh == velmora::calc::modes::kNoGuidedMode.zh;
            QString wantBeta = untouched, wantAlpha = untouched;
            if (noMode) {
                wantBeta.clear();
                wantAlpha.clear();
            } else if (!r.refused) {
                wantBeta = QString::fromStdString(r.outputs.at("beta").text);
                wantAlpha = QString::fromStdString(r.outputs.at("alpha").text);
                QCOMPARE(modes->count(), int(r.outputs.at("m").data.size()));
            }
            QCOMPARE(shown, noMode ? QString() : joinNotices(r));
            QCOMPARE(beta->text(), wantBeta);
            QCOMPARE(alpha->text(), wantAlpha);
            seen << (noMode ? QStringLiteral("none") : joinNotices(r));
        }
        QVERIFY(seen.contains(QString())); // some cases compute a loss
        QVERIFY(seen.size() >= 3);         // and several kinds of refusal
        QStringList d = comparePageLinks(&page, bend, kCases, kSeed + 5);
        QVERIFY2(d.isEmpty(), qPrintable(d.join(QLatin1Char('\n'))));
    }

    // A later mode chosen in the list is the calculator's mode at that position.
    void bendLossOfEveryListedModeMatches()
    {
        fbmode page;
        page.findChild<QLineEdit *>(QStringLiteral("m_AlineEdit_2"))->setText("20");
        page.findChild<QPushButton *>("pushButton_11")->click();
        auto *modes = page.findChild<QComboBox *>(QStringLiteral("mdcomboBox_2"));
        QVERIFY(modes->count() > 3);
        Inputs in = {{"a_um", "20"}};
        for (int k = 0; k < modes->count(); ++k) {
            modes->setCurrentIndex(k);
            in["mode"] = std::to_string(k);
            const Result r = calculator("modes.bend_loss").evaluate(in);
            QCOMPARE(page.findChild<QLineEdit *>("m_AlphalineEdit_2")->text(),
                     QString::fromStdString(r.outputs.at("alpha").text));
        }
    }
};

QTEST_MAIN(TestFbmodeCalc)
#include "tst_fbmode_calc.moc"
