// The highlighted entry of an open combo box is readable: its text stands out
// from its background (the content area's style sheet once painted both light).
#include "shelltest.h"

#include "fbmainwindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// WCAG relative luminance and contrast ratio of two colours.
double luminance(QRgb rgb)
{
    auto channel = [](int c) {
        const double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestShellCombo : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }

    void highlightedEntryIsReadable()
    {
        FBMainWindow window;
        window.resize(1200, 800);
        window.show();
        window.findChild<QAction *>(QStringLiteral("actionFBbsc"))->trigger();
        auto *combo = window.findChild<QComboBox *>(QStringLiteral("mdcomboBox"));
        auto *tabs = combo->window()->findChild<QTabWidget *>();
        for (QWidget *w = combo; w; w = w->parentWidget())
            if (tabs && tabs->indexOf(w) >= 0)
                tabs->setCurrentWidget(w);
        window.findChild<QPushButton *>(QStringLiteral("pushButton_5"))->click();
        QVERIFY(combo->count() >= 2);

        combo->showPopup();
        QAbstractItemView *view = combo->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        view->setCurrentIndex(view->model()->index(1, 0));
        QTest::qWait(50);
        const QImage shot = view->viewport()->grab().toImage();
        if (qEnvironmentVariableIsSet("VELMORA_SHOT_DIR"))
            shot.save(qEnvironmentVariable("VELMORA_SHOT_DIR") + QStringLiteral("/combo.png"));

        // The highlighted row: its commonest colour is the background, its
        // text the pixel that differs most from it.
        const QRect row = view->visualRect(view->model()->index(1, 0)).intersected(shot.rect());
        QVERIFY(!row.isEmpty());
        std::map<QRgb, int> counts;
        for (int y = row.top(); y <= row.bottom(); ++y)
            for (int x = row.left(); x <= row.right(); ++x)
                ++counts[shot.pixel(x, y) | 0xff000000u];
        const QRgb background =
            std::max_element(counts.begin(), counts.end(), [](auto &a, auto &b) {
                return a.second < b.second;
            })->first;
        double best = 1.0;
        for (const auto &entry : counts)
            best = std::max(best, contrast(entry.first, background));
        combo->hidePopup();
        // 4.5:1 is the WCAG minimum for normal text.
        QVERIFY2(best >= 4.5,
                 qPrintable(QStringLiteral("contrast %1 on #%2")
                                .arg(best)
                                .arg(background & 0xffffffu, 6, 16, QLatin1Char('0'))));
    }
};

VELMORA_SHELL_TEST_MAIN(TestShellCombo)
#include "tst_shellcombo.moc"
