// Feeds arbitrary payloads to the readers of the peer messages that carry options: the
// options read from any payload are written and read back unchanged, and the texts built
// from them for the log and the start summary never fail.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "core/Text.h"
#include "net/PeerText.h"
#include "settings/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString payload =
        text::fromAnsi(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const peertext::GameOptions read = peertext::parseGameOptions(payload);
    require(read.gameType == 1 || read.gameType == 2);
    require(read.wordType == 1 || read.wordType == 2);
    require(read.winScore >= 0);
    const peertext::GameOptions again =
        peertext::parseGameOptions(peertext::gameOptionsPayload(read));
    require(again.gameType == read.gameType && again.wordType == read.wordType &&
            again.sameWordLength == read.sameWordLength &&
            again.player1Chooses == read.player1Chooses && again.winScore == read.winScore);

    Settings settings;
    peertext::applyOptions(read, settings);
    const peertext::GameOptions kept = peertext::optionsOf(settings);
    require(kept.winScore == read.winScore && kept.gameType == read.gameType);
    settings.NumGuesses = payload.left(2);
    require(peertext::guessAttemptsPayload(settings.NumGuesses).size() >= 2 ||
            settings.NumGuesses.isEmpty());
    const QString name = payload.left(20);
    (void)peertext::optionsDescription(read, name, payload.mid(20, 20), true);
    (void)peertext::startSummary(settings, name, payload.mid(20, 20), name, payload.mid(20, 20));
    return 0;
}
