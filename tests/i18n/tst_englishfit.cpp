// English captions fit their widgets: every page and tab of the window shown
// in English, each label, button, check box, radio button and group-box
// title as wide as its text, every combo entry and table header within its
// box or column, every tab bar without scrolling. Back in Chinese, every
// widget has the font it had before English was shown.
#include "../shell/shelltest.h"

#include "constant.h"
#include "fbmainwindow.h"
#include "textfit.h"
#include "uilanguageswitch.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <map>

namespace {

// A text may run this many pixels into its widget's edge (the side bearing
// of its last glyph, which is blank).
constexpr int kBearingPixels = 1;

const char *const kPageActions[] = {
    "actionBscLaw",   "actionNonlinear", "actionFBbsc",     "actionFBmode", "actionPls",
    "actionBscLaser", "actionLasertrit", "actionThreshold", "actionFbamp",  "actionFblimits"};

QString nameOf(const QWidget *w)
{
    QStringList parts;
    for (const QWidget *p = w; p && !p->isWindow(); p = p->parentWidget())
        if (!p->objectName().isEmpty())
            parts.prepend(p->objectName());
    return parts.join(QLatin1Char('/'));
}

int comboOverflow(const QComboBox *combo, const QString &text)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.currentText = text;
    const QSize content(combo->fontMetrics().horizontalAdvance(text),
                        combo->fontMetrics().height());
    return combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, combo).width() -
           combo->width();
}

int headerOverflow(const QHeaderView *header, int section)
{
    const QString text =
        header->model()->headerData(section, header->orientation(), Qt::DisplayRole).toString();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return header->fontMetrics().horizontalAdvance(text) + 2 * margin -
           header->sectionSize(section);
}

// What does not fit on the widgets shown now, one line each.
QStringList cutTexts(QWidget *page)
{
    QStringList cut;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        if (textOverflow(w) > kBearingPixels)
            cut << QStringLiteral("%1 by %2 px").arg(nameOf(w)).arg(textOverflow(w));
        if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                if (comboOverflow(combo, combo->itemText(i)) > kBearingPixels)
                    cut << QStringLiteral("%1 entry \"%2\" by %3 px")
                               .arg(nameOf(w), combo->itemText(i))
                               .arg(comboOverflow(combo, combo->itemText(i)));
        if (auto *header = qobject_cast<QHeaderView *>(w);
            header && header->orientation() == Qt::Horizontal && header->model())
            for (int s = 0; s < header->count(); ++s)
                if (!header->isSectionHidden(s) && headerOverflow(header, s) > kBearingPixels)
                    cut << QStringLiteral("%1 header %2").arg(nameOf(w)).arg(s);
        if (auto *bar = qobject_cast<QTabBar *>(w)) {
            int width = 0;
            for (int i = 0; i < bar->count(); ++i)
                width += bar->tabRect(i).width();
            if (width > bar->width())
                cut << QStringLiteral("%1 tabs need %2 px of %3")
                           .arg(nameOf(w))
                           .arg(width)
                           .arg(bar->width());
        }
    }
    return cut;
}

using Fonts = std::map<const QWidget *, std::pair<QFont, bool>>;

Fonts fontsOf(const QList<QWidget *> &pages)
{
    Fonts fonts;
    for (QWidget *page : pages)
        for (QWidget *w : page->findChildren<QWidget *>())
            fonts[w] = {w->font(), w->testAttribute(Qt::WA_SetFont)};
    return fonts;
}

} // namespace

class TestEnglishFit : public QObject
{
    Q_OBJECT

private:
    // Opens every page; returns them in the order of kPageActions.
    QList<QWidget *> openPages(FBMainWindow &window)
    {
        QList<QWidget *> pages;
        for (const char *action : kPageActions) {
            window.findChild<QAction *>(QString::fromLatin1(action))->trigger();
            pages << window.currentPageWidget();
        }
        return pages;
    }

    // Every tab of every page shown in turn; the texts cut on each.
    QStringList cutOnEveryTab(FBMainWindow &window)
    {
        QStringList cut;
        for (const char *action : kPageActions) {
            window.findChild<QAction *>(QString::fromLatin1(action))->trigger();
            QWidget *page = window.currentPageWidget();
            auto *tabs = page->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
            for (int t = 0; t < tabs->count(); ++t) {
                tabs->setCurrentIndex(t);
                QApplication::processEvents();
                for (const QString &line : cutTexts(page))
                    cut << QStringLiteral("%1 tab %2: %3")
                               .arg(QString::fromLatin1(page->metaObject()->className()))
                               .arg(t)
                               .arg(line);
            }
            tabs->setCurrentIndex(0);
        }
        return cut;
    }

private slots:
    void cleanup() { applyUiLanguage(UiLanguage::Chinese); }

    void everyEnglishTextFitsItsWidget()
    {
        FBMainWindow window;
        window.show();
        openPages(window);
        QVERIFY(applyUiLanguage(UiLanguage::English));
        const QStringList cut = cutOnEveryTab(window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // A window started in English builds its pages in English: they are
    // fitted as they are made, not only on a language change.
    void pagesMadeInEnglishFitToo()
    {
        QVERIFY(applyUiLanguage(UiLanguage::English));
        FBMainWindow window;
        window.show();
        openPages(window);
        const QStringList cut = cutOnEveryTab(window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // The constants' English names are longer; the dialog grows to show the
    // three columns whole, and is as it was in Chinese again.
    void constantsShowEveryColumnInEnglish()
    {
        Constant dialog;
        QVERIFY(applyUiLanguage(UiLanguage::English));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.tableWidget->horizontalScrollBar()->maximum(), 0);
        QVERIFY(applyUiLanguage(UiLanguage::Chinese));
        QCOMPARE(dialog.maximumSize(), QSize(500, 450));
        QCOMPARE(dialog.size(), QSize(500, 450));
        QCOMPARE(dialog.tableWidget->columnWidth(2), 160);
    }

    void chineseFontsComeBackUnchanged()
    {
        FBMainWindow window;
        window.show();
        const QList<QWidget *> pages = openPages(window);
        const Fonts before = fontsOf(pages);
        QVERIFY(applyUiLanguage(UiLanguage::English));
        int shrunk = 0;
        for (const auto &[w, font] : before)
            shrunk += w->font().pointSizeF() < font.first.pointSizeF() ? 1 : 0;
        QVERIFY(shrunk > 0); // the English window has captions set smaller
        QVERIFY(applyUiLanguage(UiLanguage::Chinese));
        for (const auto &[w, font] : fontsOf(pages)) {
            const auto was = before.find(w);
            QVERIFY2(was != before.end(), qPrintable(nameOf(w)));
            QVERIFY2(font.first == was->second.first && font.second == was->second.second,
                     qPrintable(QStringLiteral("%1: %2 (own %3), was %4 (own %5)")
                                    .arg(nameOf(w), font.first.toString())
                                    .arg(font.second)
                                    .arg(was->second.first.toString())
                                    .arg(was->second.second)));
        }
    }
};

VELMORA_SHELL_TEST_MAIN(TestEnglishFit)
#include "tst_englishfit.moc"
