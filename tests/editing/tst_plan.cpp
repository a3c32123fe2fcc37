#include "UiFixture.h"

#include <QTest>

class Test_plan : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Test_plan)
#include "tst_plan.moc"
