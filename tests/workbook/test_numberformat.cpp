#include "NumberFormat.h"

#include <QtTest>

class TestNumberFormat : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() { QVERIFY(NumberFormat().isGeneral()); }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "test_numberformat.moc"
