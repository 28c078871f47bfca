// The server's behaviour whatever its store, here over the memory store; tst_matchd_redis
// runs the same cases over Redis.
#include "MatchdSuite.h"
#include "Testing.h"

class TestMatchdProcess : public MatchdSuite {
    Q_OBJECT
public:
    TestMatchdProcess() : MatchdSuite(Memory) {}
};

ROPEWIT_TEST(TestMatchdProcess)
#include "tst_matchd_process.moc"
