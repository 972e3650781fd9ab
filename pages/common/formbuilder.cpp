#include "formbuilder.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace form {

QTabWidget *pageTabWidget(QWidget *page, const char *pageName)
{
    if (page->objectName().isEmpty())
        page->setObjectName(QLatin1String(pageName));
    page->resize(815, 590);

    auto *tabWidget = new QTabWidget(page);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));
    tabWidget->setGeometry(QRect(0, 0, 815, 590));
    tabWidget->setTabPosition(QTabWidget::North);
    QFont tabFont;
    tabFont.setPointSize(12);
    tabWidget->setFont(tabFont);
    return tabWidget;
}

namespace {

template <typename W> W *place(QWidget *parent, const char *objectName, const QRect &geometry,
                               int pointSize, const QString &family = QString())
{
    auto *widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(geometry);
    QFont font;
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSize(pointSize);
    widget->setFont(font);
    return widget;
}

} // namespace

QString richText(const QString &body)
{
    return QStringLiteral("<html><head/><body><p>") + body + QStringLiteral("</p></body></html>");
}

QString sub(const QString &text)
{
    return QStringLiteral("<span style=\" vertical-align:sub;\">") + text +
           QStringLiteral("</span>");
}

QString super(const QString &text)
{
    return QStringLiteral("<span style=\" vertical-align:super;\">") + text +
           QStringLiteral("</span>");
}

QString titleText(const QString &title)
{
    return richText(QStringLiteral("<span style=\" font-weight:600; color:#ff5500;\">") + title +
                    QStringLiteral("</span>"));
}

QLabel *caption(QWidget *parent, const char *objectName, const QRect &geometry)
{
    return place<QLabel>(parent, objectName, geometry, 12);
}

QLabel *formula(QWidget *parent, const char *objectName, const QRect &geometry)
{
    return place<QLabel>(parent, objectName, geometry, 12, QStringLiteral("Times New Roman"));
}

QLabel *title(QWidget *parent, const char *objectName, const QRect &geometry, int pointSize)
{
    return place<QLabel>(parent, objectName, geometry, pointSize, QStringLiteral("微软雅黑"));
}

QLineEdit *field(QWidget *parent, const char *objectName, const QRect &geometry)
{
    return place<QLineEdit>(parent, objectName, geometry, 12);
}

QPushButton *button(QWidget *parent, const char *objectName, const QRect &geometry)
{
    return place<QPushButton>(parent, objectName, geometry, 12);
}

QGroupBox *group(QWidget *parent, const char *objectName, const QRect &geometry)
{
    return place<QGroupBox>(parent, objectName, geometry, 12);
}

} // namespace form
