#include "net/OptionChanges.h"

#include "game/Players.h"
#include "net/PeerText.h"
#include "settings/Settings.h"

OptionChanges::OptionChanges(const Settings& settings)
    : numGuesses_(settings.NumGuesses),
      options_(peertext::optionsOf(settings)),
      userName_(settings.UserName) {}

std::optional<OptionNotice> OptionChanges::guessAttempts(const Settings& now) const {
    if (now.NumGuesses == numGuesses_) {
        return std::nullopt;
    }
    return OptionNotice{PeerMessage::GuessAttempts, peertext::guessAttemptsPayload(now.NumGuesses),
                        peertext::guessAttemptsLine(now.NumGuesses)};
}

std::optional<OptionNotice> OptionChanges::gameOptions(const Settings& now,
                                                       const Players& players) const {
    const peertext::GameOptions after = peertext::optionsOf(now);
    const bool winScoreChanged = after.winScore != options_.winScore;
    if (after.gameType == options_.gameType && after.wordType == options_.wordType &&
        after.sameWordLength == options_.sameWordLength &&
        after.player1Chooses == options_.player1Chooses && !winScoreChanged) {
        return std::nullopt;
    }
    const QString description =
        peertext::optionsDescription(after, players.player1(), players.player2(), winScoreChanged);
    return OptionNotice{PeerMessage::GameOptions, peertext::gameOptionsPayload(after),
                        QStringLiteral(">>Game Options Changed: ") + description};
}

std::optional<OptionNotice> OptionChanges::userName(const Settings& now) const {
    if (now.UserName == userName_) {
        return std::nullopt;
    }
    return OptionNotice{PeerMessage::NameChanged, now.UserName, {}};
}
