#include "UiFixture.h"

#include <QTest>

class Test_debts : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Test_debts)
#include "tst_debts.moc"
