// The fiber-parameters and nonlinear pages inside the main window: their
// toolbar actions show them, and "清空" empties the results of the inner tab
// shown and nothing else.

#include "fbmainwindow.h"
#include "fbopt.h"
#include "nolinear.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestFiberPagesWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { window = std::make_unique<FBMainWindow>(); }
    void cleanup() { window.reset(); }

    void actionsShowTheirPages();
    void clearEmptiesFboptResultsPerTab_data();
    void clearEmptiesFboptResultsPerTab();
    void clearOnEndFaceTabKeepsModeListAndIndex();
    void clearEmptiesNolinearResultsPerTab_data();
    void clearEmptiesNolinearResultsPerTab();

private:
    void trigger(const char *name)
    {
        auto *action = window->findChild<QAction *>(QLatin1String(name));
        QVERIFY2(action, name);
        action->trigger();
    }
    static void clickAll(QWidget *page)
    {
        for (QPushButton *button : page->findChildren<QPushButton *>())
            button->click();
    }
    static QString text(QWidget *page, const QString &name)
    {
        auto *field = page->findChild<QLineEdit *>(name);
        return field ? field->text() : QStringLiteral("<missing %1>").arg(name);
    }
    void checkClear(QWidget *page, int tab, const QStringList &cleared, const QStringList &kept);

    std::unique_ptr<FBMainWindow> window;
};

void TestFiberPagesWindow::actionsShowTheirPages()
{
    trigger("actionFBbsc");
    QCOMPARE(window->currentPageIndex(), int(FBMainWindow::FboptPage));
    QVERIFY(window->fboptPagePtr());
    QCOMPARE(window->currentPageWidget(), static_cast<QWidget *>(window->fboptPagePtr()));
    QVERIFY(window->fboptPagePtr()->isVisible() || !window->isVisible());

    trigger("actionNonlinear");
    QCOMPARE(window->currentPageIndex(), int(FBMainWindow::NolinearPage));
    QCOMPARE(window->currentPageWidget(), static_cast<QWidget *>(window->nolinearPagePtr()));
    QVERIFY(window->fboptPagePtr()->isHidden());

    // Back again: the same page object, its fields intact.
    fbopt *first = window->fboptPagePtr();
    first->findChild<QLineEdit *>(QStringLiteral("m_P_in_lineEdit"))->setText(QStringLiteral("12"));
    trigger("actionFBbsc");
    QCOMPARE(window->fboptPagePtr(), first);
    QCOMPARE(text(first, QStringLiteral("m_P_in_lineEdit")), QStringLiteral("12"));
}

// Fills every output of the page, clears with the inner tab `tab` shown, and
// checks which fields are emptied.
void TestFiberPagesWindow::checkClear(QWidget *page, int tab, const QStringList &cleared,
                                      const QStringList &kept)
{
    clickAll(page);
    page->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(tab);
    QCOMPARE(window->currentInnerTab(), tab);
    for (const QString &name : cleared + kept)
        QVERIFY2(!text(page, name).isEmpty(), qPrintable(name));
    trigger("actionClear");
    for (const QString &name : cleared)
        QVERIFY2(text(page, name).isEmpty(), qPrintable(name));
    for (const QString &name : kept)
        QVERIFY2(!text(page, name).isEmpty(), qPrintable(name));
}

void TestFiberPagesWindow::clearEmptiesFboptResultsPerTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("cleared");
    QTest::addColumn<QStringList>("kept");
    const QStringList all = {
        "m_NlabelLineEdit",     "m_Alpha_totallineEdit", "m_Alpha_averagelineEdit",
        "m_GammalabelLineEdit", "m_rlineEdit",           "m_RlineEdit"};
    const QList<QStringList> perTab = {{"m_NlabelLineEdit"},
                                       {"m_Alpha_totallineEdit", "m_Alpha_averagelineEdit"},
                                       {"m_GammalabelLineEdit"},
                                       {"m_rlineEdit", "m_RlineEdit"}};
    for (int tab = 0; tab < perTab.size(); ++tab) {
        QStringList kept = all;
        for (const QString &name : perTab.at(tab))
            kept.removeAll(name);
        kept << "m_nefflineEdit"
             << "m_alineEdit_2"
             << "m_N1lineEdit"
             << "m_NALineEdit";
        QTest::addRow("tab %d", tab) << tab << perTab.at(tab) << kept;
    }
}

void TestFiberPagesWindow::clearEmptiesFboptResultsPerTab()
{
    QFETCH(int, tab);
    QFETCH(QStringList, cleared);
    QFETCH(QStringList, kept);
    trigger("actionFBbsc");
    checkClear(window->fboptPagePtr(), tab, cleared, kept);
}

void TestFiberPagesWindow::clearOnEndFaceTabKeepsModeListAndIndex()
{
    trigger("actionFBbsc");
    fbopt *page = window->fboptPagePtr();
    page->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(3);
    page->findChild<QPushButton *>(QStringLiteral("pushButton_5"))->click();
    auto *box = page->findChild<QComboBox *>(QStringLiteral("mdcomboBox"));
    const int count = box->count();
    QVERIFY(count > 0);
    trigger("actionClear");
    QCOMPARE(box->count(), count);
    QVERIFY(!text(page, QStringLiteral("m_nefflineEdit")).isEmpty());
    // Selecting a mode afterwards fills the results again.
    box->setCurrentIndex(count - 1);
    QVERIFY(!text(page, QStringLiteral("m_rlineEdit")).isEmpty());
}

void TestFiberPagesWindow::clearEmptiesNolinearResultsPerTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("cleared");
    QTest::addColumn<QStringList>("kept");
    const QList<QStringList> perTab = {
        {"m_GBlineEdit", "m_SBSLineEdit", "m_LambdaBlineEdit_2"},
        {"m_SRSdLineEdit", "m_SRSoLineEdit", "m_SRSaLineEdit", "m_LambdaRlineEdit_2"},
        {"m_AlineEdit", "m_rLineEdit", "m_LefflineEdit", "m_failineEdit"},
        {"m_deltaKlineEdit"}};
    QStringList all;
    for (const QStringList &names : perTab)
        all += names;
    for (int tab = 0; tab < perTab.size(); ++tab) {
        QStringList kept = all;
        for (const QString &name : perTab.at(tab))
            kept.removeAll(name);
        kept << "m_LlineEdit"
             << "m_DeltaRlineEdit_2"
             << "m_alphaLineEdit"
             << "m_n3lineEdit";
        QTest::addRow("tab %d", tab) << tab << perTab.at(tab) << kept;
    }
}

void TestFiberPagesWindow::clearEmptiesNolinearResultsPerTab()
{
    QFETCH(int, tab);
    QFETCH(QStringList, cleared);
    QFETCH(QStringList, kept);
    trigger("actionNonlinear");
    checkClear(window->nolinearPagePtr(), tab, cleared, kept);
}

// The window restores its settings at construction: keep them in a
// temporary directory so the test neither reads nor changes the user's own.
int main(int argc, char *argv[])
{
    QTemporaryDir configHome;
    if (!configHome.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Marlo"));
    QCoreApplication::setApplicationName(QStringLiteral("Quolux"));
    TestFiberPagesWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fiberpages_window.moc"
