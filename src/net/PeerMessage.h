#pragma once

#include <optional>

// The fourteen messages two players exchange, by their code on the wire.
enum class PeerMessage {
    Chat = 1,
    GuessAttempts = 2,
    GameOptions = 3,
    ReadyToStart = 4,
    StatusLine = 5,
    YourWord = 6,
    LetterGuessed = 7,
    PlayerName = 8,
    WordScore = 9,
    SenderWord = 10,
    HintMode = 11,
    WordListTitle = 12,
    NameChanged = 13,
    WordStarted = 14,
};

// The message of a code read off the wire; nothing for a code no message has.
inline std::optional<PeerMessage> peerMessageOf(int code) {
    if (code < 1 || code > 14) {
        return std::nullopt;
    }
    return static_cast<PeerMessage>(code);
}

inline int codeOf(PeerMessage message) {
    return static_cast<int>(message);
}
