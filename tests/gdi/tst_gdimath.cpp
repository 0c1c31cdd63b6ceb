#include <QTest>
class T : public QObject { Q_OBJECT private Q_SLOTS: void placeholder() {} };
QTEST_MAIN(T)
#include "tst_gdimath.moc"
