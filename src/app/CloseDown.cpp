#include "app/CloseDown.h"

#include <QTimer>

#include "app/WaitUntil.h"
#include "matchmaking/MatchClient.h"
#include "settings/SaveThrottle.h"
#include "settings/Settings.h"

void closeDown(MatchClient& match, const std::function<void()>& unLog, const QList<QTimer*>& timers,
               SaveThrottle& owedSave, Settings& settings) {
    if (match.loggedOn()) {
        // The removal from the server must go out before the window closes, but a server
        // that never answers must not keep the player from quitting.
        match.setUnLogDone(false);
        unLog();
        waitUntil([&match] { return match.unLogDone(); }, match.removalWait());
    }
    for (QTimer* timer : timers) {
        timer->stop();
    }
    // This save carries the owed one.
    owedSave.discard();
    SaveSettings(settings);
}
