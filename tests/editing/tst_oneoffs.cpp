#include "UiFixture.h"

#include <QTest>

class Test_oneoffs : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Test_oneoffs)
#include "tst_oneoffs.moc"
