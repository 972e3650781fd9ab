#ifndef PAGECONVENTIONS_H
#define PAGECONVENTIONS_H

// Conventions shared by every calculator page: one validator, one way to read
// a field, two ways to write one, the look of output fields and the notice box.

#include <QString>
#include <initializer_list>

class QDoubleValidator;
class QLineEdit;
class QObject;
class QWidget;

// The page validator: 0 to 1e100 with `decimals` digits after the point (4 on
// every page; the fiber-mode page adds 6-decimal ones). Standard notation is
// accepted, so "1e-7" can be typed while a minus sign cannot.
QDoubleValidator *createInputValidator(QObject *parent, int decimals = 4);

// Decimals every refractive-index field accepts: index differences of 1e-6
// (four-wave mixing, weakly guiding cores) must be typeable.
constexpr int kIndexDecimals = 6;

// A validator for refractive-index fields (kIndexDecimals digits).
QDoubleValidator *createIndexValidator(QObject *parent);

// The number a field holds, read with the C locale; empty or non-numeric text
// reads as 0 (the pages deliberately do not reject such input).
double readField(const QLineEdit *field);

// True when any of the fields is empty (used for "请确保输入参数不为空").
bool anyFieldEmpty(std::initializer_list<const QLineEdit *> fields);

// QString::number(value, format, precision): 'f' fixed digits, 'g' significant.
QString formatNumber(double value, char format, int precision);

// printf-style text of one double ("%f", "%.4f", "%.2g", ...), written into a
// bounded buffer so no format can overrun it.
QString formatPrintf(const char *format, double value);

// Read-only, light grey: the look of every result field, which shows its
// whole text (wholetext.h).
extern const char *const kOutputFieldStyle;
void setupOutputField(QLineEdit *field);

// The notice every page shows: QMessageBox::information titled "提示".
extern const char *const kNoticeTitle;
void showNotice(QWidget *parent, const QString &text);

// "请确保输入参数不为空": the message for an empty required input.
extern const char *const kEmptyInputMessage;

// Locates a file that ships beside the program (img/, Data/, documentation/):
// the working directory first, then the executable's folder, then share/velmora
// beside the executable's bin/ folder (a relocated install), then the
// installed data directory. Returns the first existing path, or the
// working-directory path when none exists (so messages can name it).
QString findRuntimeFile(const QString &relativePath);

#endif // PAGECONVENTIONS_H
