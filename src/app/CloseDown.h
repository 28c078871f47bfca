#pragma once

#include <QList>
#include <functional>

class MatchClient;
class QTimer;
class SaveThrottle;
struct Settings;

// What closing the window does before it goes: takes the player off the matchmaking server,
// stops the timers and saves the settings with whatever the opponent changed and is owed.
void closeDown(MatchClient& match, const std::function<void()>& unLog, const QList<QTimer*>& timers,
               SaveThrottle& owedSave, Settings& settings);
