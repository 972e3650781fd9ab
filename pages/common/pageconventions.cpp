#include "pageconventions.h"

#include "runtimefile.h"
#include "textformat.h"
#include "wholetext.h"

#include <QCoreApplication>
#include <QDoubleValidator>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

const char *const kOutputFieldStyle = "background-color: rgb(213, 213, 213);";
// Translated in the context "Notice" (the window's language decides).
const char *const kNoticeTitle = QT_TRANSLATE_NOOP("Notice", "提示");
const char *const kEmptyInputMessage = QT_TRANSLATE_NOOP("Notice", "请确保输入参数不为空");

QDoubleValidator *createInputValidator(QObject *parent, int decimals)
{
    auto *validator = new QDoubleValidator(0, 1e100, decimals, parent);
    // "." as decimal point whatever the user's locale: fields are read with
    // the C locale too.
    validator->setLocale(QLocale::c());
    return validator;
}

QDoubleValidator *createIndexValidator(QObject *parent)
{
    return createInputValidator(parent, kIndexDecimals);
}

double readField(const QLineEdit *field)
{
    return field->text().toDouble();
}

bool anyFieldEmpty(std::initializer_list<const QLineEdit *> fields)
{
    for (const QLineEdit *field : fields)
        if (field->text().isEmpty())
            return true;
    return false;
}

QString formatNumber(double value, char format, int precision)
{
    return QString::fromStdString(velmora::calc::formatNumber(value, format, precision));
}

QString formatPrintf(const char *format, double value)
{
    return QString::fromStdString(velmora::calc::formatPrintf(format, value));
}

void setupOutputField(QLineEdit *field)
{
    field->setReadOnly(true);
    field->setStyleSheet(QString::fromLatin1(kOutputFieldStyle));
    keepWholeText(field);
}

void showNotice(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QCoreApplication::translate("Notice", kNoticeTitle), text,
                             QMessageBox::Ok, QMessageBox::NoButton);
}

QString findRuntimeFile(const QString &relativePath)
{
    return velmora::calc::findRuntimeFile(relativePath);
}
