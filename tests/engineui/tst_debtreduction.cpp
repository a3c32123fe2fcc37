#include "UiFixture.h"

#include <QTest>

class Test_debtreduction : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Test_debtreduction)
#include "tst_debtreduction.moc"
