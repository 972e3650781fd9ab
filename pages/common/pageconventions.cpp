#include "pageconventions.h"

#include "textformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QDoubleValidator>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

#ifndef VELMORA_INSTALL_DATA_DIR
#define VELMORA_INSTALL_DATA_DIR "/usr/local/share/velmora"
#endif

const char *const kOutputFieldStyle = "background-color: rgb(213, 213, 213);";
const char *const kNoticeTitle = "提示";
const char *const kEmptyInputMessage = "请确保输入参数不为空";

QDoubleValidator *createInputValidator(QObject *parent, int decimals)
{
    auto *validator = new QDoubleValidator(0, 1e100, decimals, parent);
    // "." as decimal point whatever the user's locale: fields are read with
    // the C locale too.
    validator->setLocale(QLocale::c());
    return validator;
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
}

void showNotice(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QString::fromUtf8(kNoticeTitle), text, QMessageBox::Ok,
                             QMessageBox::NoButton);
}

QString findRuntimeFile(const QString &relativePath)
{
    // Beside the executable's bin/ folder comes share/velmora of the same
    // prefix, so an installed tree still finds its files after it was moved
    // (a package unpacked into another root, a relocated prefix).
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QStringList roots = {QDir::currentPath(), exeDir,
                               QDir(exeDir).filePath(QStringLiteral("../share/velmora")),
                               QString::fromUtf8(VELMORA_INSTALL_DATA_DIR)};
    for (const QString &root : roots) {
        const QString candidate = QDir(root).filePath(relativePath);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QDir::current().filePath(relativePath);
}
