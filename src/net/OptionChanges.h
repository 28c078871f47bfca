#pragma once

#include <QString>
#include <optional>

#include "net/PeerMessage.h"
#include "net/PeerText.h"

struct Settings;
class Players;

// What the opponent is told when this player changes an option in the middle of a
// two-player game, and the line the connection log gets for it.
struct OptionNotice {
    PeerMessage message;
    QString payload;
    QString logLine;  // empty: nothing is logged
};

// The options as they were before a dialog ran; each question compares them with the
// settings after it, and has nothing to tell when the dialog changed nothing that travels.
class OptionChanges {
public:
    explicit OptionChanges(const Settings& settings);

    std::optional<OptionNotice> guessAttempts(const Settings& now) const;
    std::optional<OptionNotice> gameOptions(const Settings& now, const Players& players) const;
    std::optional<OptionNotice> userName(const Settings& now) const;

private:
    QString numGuesses_;
    peertext::GameOptions options_;
    QString userName_;
};
