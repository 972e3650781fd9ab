#include <QtTest>
class TstThreashold : public QObject { Q_OBJECT };
QTEST_MAIN(TstThreashold)
#include "tst_threashold.moc"
