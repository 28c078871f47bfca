#pragma once

#include <QTest>

// Runs a helper that checks as it goes, and stops the calling test when a check failed:
// Qt Test's checks return from the helper only, not from the test that called it.
#define CHECKED(call)                     \
    do {                                  \
        call;                             \
        if (QTest::currentTestFailed()) { \
            return;                       \
        }                                 \
    } while (0)
