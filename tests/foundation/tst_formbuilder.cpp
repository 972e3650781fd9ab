// The form builder's caption markup and widgets: sub- and superscripts (also
// nested), escaping, the smaller formula size, the Designer-style runs of the
// geometric-optics captions, own and inherited fonts.
#include "formbuilder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestFormBuilder : public QObject
{
    Q_OBJECT

private slots:
    void markupTurnsIndicesIntoSpans()
    {
        QCOMPARE(form::markup(QStringLiteral("P_{th}[W]")),
                 QStringLiteral("<html><head/><body><p>P<span style=\" vertical-align:sub;\">th"
                                "</span>[W]</p></body></html>"));
        QCOMPARE(form::markup(QStringLiteral("m^{2}")),
                 form::richText(QStringLiteral("m") + form::super(QStringLiteral("2"))));
    }

    void nestedIndicesStayNested()
    {
        QCOMPARE(form::markup(QStringLiteral("e^{(-α_{s}*L)}")),
                 QStringLiteral("<html><head/><body><p>e<span style=\" vertical-align:super;\">"
                                "(-α<span style=\" vertical-align:sub;\">s</span>*L)</span>"
                                "</p></body></html>"));
    }

    void textIsEscapedAndBracesOutsideIndicesKept()
    {
        QCOMPARE(form::markup(QStringLiteral("a<b & c>d {x}")),
                 form::richText(QStringLiteral("a&lt;b &amp; c&gt;d {x}")));
    }

    void aPointSizeWrapsTheBody()
    {
        QCOMPARE(form::markup(QStringLiteral("x_{1}"), 11),
                 form::richText(QStringLiteral("<span style=\" font-size:11pt;\">x") +
                                form::sub(QStringLiteral("1")) + QStringLiteral("</span>")));
    }

    // The critical-angle formula exactly as Designer wrote it.
    void regularWeightRunsAreDesignersText()
    {
        const QString designer = QStringLiteral(
            "<html><head/><body><p><span style=\" font-weight:400;\">θ</span>"
            "<span style=\" font-weight:400; vertical-align:sub;\">c</span>"
            "<span style=\" font-weight:400;\"> = asin(n</span>"
            "<span style=\" font-weight:400; vertical-align:sub;\">2</span>"
            "<span style=\" font-weight:400;\">/n</span>"
            "<span style=\" font-weight:400; vertical-align:sub;\">1</span>"
            "<span style=\" font-weight:400;\">) (n</span>"
            "<span style=\" font-weight:400; vertical-align:sub;\">1</span>"
            "<span style=\" font-weight:400;\">&gt;n</span>"
            "<span style=\" font-weight:400; vertical-align:sub;\">2</span>"
            "<span style=\" font-weight:400;\">)</span></p></body></html>");
        QCOMPARE(
            form::regularWeightMarkup(QStringLiteral("θ_{c} = asin(n_{2}/n_{1}) (n_{1}>n_{2})")),
            designer);
    }

    void widgetsHaveTheirOwnFontOrTheirParents()
    {
        QWidget page;
        page.setFont(form::pointFont(11));
        QGroupBox *box = form::group(&page, "box", QRect(0, 0, 300, 200), QStringLiteral("输入项"),
                                     form::kInheritFont);
        QLabel *inherited = form::caption(box, "inherited", QRect(10, 20, 100, 30),
                                          QStringLiteral("a"), form::kInheritFont);
        QLabel *own = form::caption(box, "own", QRect(10, 60, 100, 30));
        QLineEdit *field =
            form::field(box, "field", QRect(120, 20, 80, 30), QStringLiteral("10"), 11);
        QPushButton *button =
            form::button(box, "button", QRect(120, 60, 80, 30), QStringLiteral("计算"));

        QCOMPARE(box->title(), QStringLiteral("输入项"));
        QVERIFY(!inherited->testAttribute(Qt::WA_SetFont));
        QCOMPARE(inherited->font().pointSize(), 11);
        QVERIFY(own->testAttribute(Qt::WA_SetFont));
        QCOMPARE(own->font().pointSize(), form::kFormPointSize);
        QCOMPARE(field->font().pointSize(), 11);
        QCOMPARE(field->text(), QStringLiteral("10"));
        QCOMPARE(button->text(), QStringLiteral("计算"));
        QCOMPARE(field->objectName(), QStringLiteral("field"));
        QCOMPARE(field->geometry(), QRect(120, 20, 80, 30));
    }

    void headingsAndFormulasHaveTheirFonts()
    {
        QWidget tab;
        QLabel *heading = form::heading(&tab, "label", QStringLiteral("光纤参数--掺杂浓度"));
        QCOMPARE(heading->geometry(), QRect(20, 6, 600, 34));
        QCOMPARE(heading->font().pointSize(), 14);
        QCOMPARE(heading->font().family(), QStringLiteral("微软雅黑"));
        QCOMPARE(heading->text(), form::richText(QStringLiteral("<span style=\" color:#ff5500;\">"
                                                                "光纤参数--掺杂浓度</span>")));
        QLabel *formula = form::formula(&tab, "f", QRect(0, 40, 200, 30));
        QCOMPARE(formula->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(formula->font().pointSize(), 12);
    }
};

QTEST_MAIN(TestFormBuilder)
#include "tst_formbuilder.moc"
