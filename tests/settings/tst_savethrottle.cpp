#include "Testing.h"

#include "settings/SaveThrottle.h"

class TestSaveThrottle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void burstsFoldIntoOneLaterSave() {
        int saves = 0;
        SaveThrottle throttle([&saves] { ++saves; }, 200);
        throttle.request();
        QCOMPARE(saves, 1);  // the first change is not held back
        for (int i = 0; i < 10000; ++i) {
            throttle.request();
        }
        QCOMPARE(saves, 1);
        QVERIFY(throttle.pending());
        QTRY_COMPARE(saves, 2);
        QVERIFY(!throttle.pending());
    }

    void flushSavesWhatIsOwed() {
        int saves = 0;
        {
            SaveThrottle throttle([&saves] { ++saves; }, 60000);
            throttle.flush();
            QCOMPARE(saves, 0);  // nothing owed, nothing written
            throttle.request();
            throttle.request();
            QCOMPARE(saves, 1);
            throttle.flush();
            QCOMPARE(saves, 2);
            throttle.flush();
            QCOMPARE(saves, 2);
            throttle.request();
            QVERIFY(throttle.pending());
        }
        // Owed at destruction: not run, since what it would save may be gone by then.
        QCOMPARE(saves, 2);
    }
};

ROPEWIT_TEST(TestSaveThrottle)
#include "tst_savethrottle.moc"
