// Every refractive-index input of every calculator tab takes six decimals:
// index differences of 1e-6 (the phase matching of four-wave mixing, the
// n1 - n2 of a fiber) must be typed as they are, not cut to four decimals.
// The fields are found through the calculators' own descriptions (a caption
// naming a refractive index), so a tab added later is checked as well.
#include "shelltest.h"

#include "catalogue.h"
#include "fbmainwindow.h"

#include <QLineEdit>
#include <QValidator>

#include <map>
#include <string>

using namespace velmora::calc;

class TestIndexDecimals : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }

    void everyIndexFieldTakesSixDecimals()
    {
        // Each page folder and the main-window slot that shows it.
        const std::map<std::string, const char *> pageSlots = {
            {"bscoptlaw", "bsclawtab"}, {"nolinear", "nolineartab"}, {"fbopt", "fbbsctab"},
            {"fbmode", "fbmodetab"},    {"LaserPluse", "plstab"},    {"Laserbsc", "laserbsctab"},
            {"LaserTrait", "traittab"}, {"threashold", "threshtab"}, {"fbamp", "amptab"}};
        FBMainWindow window;
        QStringList refused;
        int checked = 0;
        for (const auto &calculator : catalogue().all()) {
            const CalculatorDescription &description = calculator->description();
            // Pages added since have no slot of their own: shown by folder.
            const auto slot = pageSlots.find(description.page);
            if (slot != pageSlots.end())
                QVERIFY(QMetaObject::invokeMethod(&window, slot->second));
            else
                QVERIFY(QMetaObject::invokeMethod(
                    &window, "showPageOf",
                    Q_ARG(QString, QString::fromStdString(description.page))));
            QWidget *page = window.currentPageWidget();
            QVERIFY(page);
            for (const FieldDescription &field : description.fields) {
                const bool index = field.caption.zh.find("折射率") != std::string::npos &&
                                   field.caption.zh.find("非线性") == std::string::npos;
                if (field.role == FieldRole::Output || !index || field.objectName.empty())
                    continue;
                auto *edit = page->findChild<QLineEdit *>(QString::fromStdString(field.objectName));
                QVERIFY2(edit, field.objectName.c_str());
                ++checked;
                QString text = QStringLiteral("1.450001");
                int position = text.size();
                if (edit->validator() &&
                    edit->validator()->validate(text, position) != QValidator::Acceptable)
                    refused << QString::fromStdString(description.id + " " + field.objectName);
            }
        }
        // n1/n2 of the refraction, end-face, four-wave-mixing, mode and
        // bend-loss tabs, and the single indices of the other tabs.
        QVERIFY2(checked >= 16, qPrintable(QString::number(checked)));
        QVERIFY2(refused.isEmpty(), qPrintable(refused.join(QStringLiteral(", "))));
    }
};

VELMORA_SHELL_TEST_MAIN(TestIndexDecimals)
#include "tst_indexdecimals.moc"
