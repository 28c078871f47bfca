#pragma once

#include "FakeRouter.h"
#include "Testing.h"
#include "net/PortMapper.h"

// Waits as long as a mapper renewing every intervalMs takes to renew `renewals` times, timed
// by a mapper of its own on a router of its own rather than by the wall clock: a mapper that
// had kept on renewing would have asked again by then, however slow the machine.
inline void waitForRenewals(int intervalMs, int renewals) {
    FakeRouter router;
    PortMapper::Config config;
    config.mode = PortMapper::Mode::Url;
    config.rootUrl = router.rootUrl();
    config.leaseSeconds = 2;
    config.renewIntervalMs = intervalMs;
    PortMapper clock;
    clock.setConfig(config);
    clock.start(52399);
    QTRY_VERIFY(router.count(QStringLiteral("AddPortMapping")) >= renewals + 1);
}
