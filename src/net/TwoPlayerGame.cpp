#include "net/TwoPlayerGame.h"

#include "core/Text.h"
#include "game/Players.h"
#include "game/Scores.h"
#include "game/Scoring.h"
#include "game/WordSource.h"
#include "net/PeerConnection.h"
#include "net/PeerText.h"
#include "net/TWSocket.h"
#include "settings/Settings.h"

namespace {

// A chat line is a name, "> " and at most 1000 typed characters; a longer one is cut.
constexpr int kMaxChatLine = 255 + 2 + 1000;

}  // namespace

TwoPlayerGame::TwoPlayerGame(PeerConnection& peer, Settings& settings, WordSource& words,
                             Scores& scores, Players& players, QObject* parent)
    : QObject(parent),
      peer_(peer),
      settings_(settings),
      words_(words),
      scores_(scores),
      players_(players) {}

QString TwoPlayerGame::ownName() const {
    return players_.own(peer_.isPlayer1());
}

QString TwoPlayerGame::opponentName() const {
    return players_.opponent(peer_.isPlayer1());
}

QString TwoPlayerGame::hintsLine(bool on) {
    return on ? QStringLiteral(">>Hints Turned On") : QStringLiteral(">>Hints Turned Off");
}

// --- Received ---

void TwoPlayerGame::take(PeerMessage message, const QString& payload) {
    switch (message) {
        case PeerMessage::ReadyToStart:
        case PeerMessage::YourWord:
        case PeerMessage::LetterGuessed:
        case PeerMessage::PlayerName:
        case PeerMessage::WordScore:
        case PeerMessage::SenderWord:
        case PeerMessage::WordStarted:
            takeStep(message, payload);
            break;
        default:
            takeOption(message, payload);
            break;
    }
}

void TwoPlayerGame::takeStep(PeerMessage message, const QString& payload) {
    const bool player1 = peer_.isPlayer1();
    switch (message) {
        case PeerMessage::ReadyToStart:
            if (peer_.ready().mine) {
                Q_EMIT waitEnded();
            }
            Q_EMIT logLine(players_.readyLine(!player1));
            break;
        case PeerMessage::YourWord:
            Q_EMIT logLine(QStringLiteral(">>Received word"));
            dealt_ = WordSource::fromOpponent(payload);
            Q_EMIT wordDealt();
            break;
        case PeerMessage::LetterGuessed:
            if (payload.size() == 1) {
                Q_EMIT opponentGuessed();
            }
            break;
        case PeerMessage::PlayerName:
            Q_EMIT opponentNamed(players_.takeOpponent(payload, player1), false);
            break;
        case PeerMessage::WordScore:
            scores_.add(!player1, text::payloadNumber(payload));
            if (peer_.score().mine) {
                Q_EMIT waitEnded();
            }
            Q_EMIT scoresChanged();
            Q_EMIT logLine(QStringLiteral(">>Received opponent's score"));
            break;
        case PeerMessage::SenderWord:
            Q_EMIT opponentWordChanged();
            break;
        default:
            break;
    }
}

void TwoPlayerGame::takeOption(PeerMessage message, const QString& payload) {
    switch (message) {
        case PeerMessage::Chat:
            Q_EMIT chatReceived(text::bounded(payload, kMaxChatLine));
            break;
        case PeerMessage::GuessAttempts:
            settings_.NumGuesses = QString::number(text::payloadNumber(payload)).left(2);
            Q_EMIT logLine(peertext::guessAttemptsLine(settings_.NumGuesses));
            break;
        case PeerMessage::GameOptions:
            takeGameOptions(payload);
            break;
        case PeerMessage::StatusLine:
            Q_EMIT logLine(text::bounded(payload));
            break;
        case PeerMessage::HintMode:
            settings_.UseHints = payload == QLatin1String("1");
            Q_EMIT settingsChanged();
            Q_EMIT logLine(hintsLine(settings_.UseHints));
            Q_EMIT hintsChanged();
            break;
        case PeerMessage::WordListTitle:
            Q_EMIT titleChanged(QStringLiteral("Ropewit: ") + text::bounded(payload));
            break;
        case PeerMessage::NameChanged:
            Q_EMIT opponentNamed(players_.takeOpponent(payload, peer_.isPlayer1()), true);
            break;
        default:
            break;
    }
}

void TwoPlayerGame::takeGameOptions(const QString& payload) {
    const int oldWinScore = settings_.WinScore;
    const peertext::GameOptions options = peertext::parseGameOptions(payload);
    peertext::applyOptions(options, settings_);
    const QString description = peertext::optionsDescription(
        options, players_.player1(), players_.player2(), settings_.WinScore != oldWinScore);
    Q_EMIT optionsChanged();
    Q_EMIT logLine(QStringLiteral(">>Game Type Changed: ") + description);
    Q_EMIT settingsChanged();
}

// --- Sent ---

QString TwoPlayerGame::sendChat(const QString& typed) {
    const QString line = ownName() + QStringLiteral("> ") + typed;
    peer_.send(PeerMessage::Chat, line);
    return line;
}

void TwoPlayerGame::sendHints() {
    peer_.send(PeerMessage::HintMode,
               settings_.UseHints ? QStringLiteral("1") : QStringLiteral("0"));
    Q_EMIT logLine(hintsLine(settings_.UseHints));
}

void TwoPlayerGame::scoreWord(long long points) {
    scores_.add(peer_.isPlayer1(), points);
    peer_.finishWord(points);
    Q_EMIT scoresChanged();
    Q_EMIT logLine(QStringLiteral(">>Your score sent"));
}

QString TwoPlayerGame::gameOverText() const {
    const scoring::Winner winner = scores_.winner(settings_.WinScore);
    if (winner == scoring::Winner::None) {
        return {};
    }
    return scores_.gameOverText(winner, players_.player1(), players_.player2());
}

QString TwoPlayerGame::sendTypedWord(const QString& typed) {
    peer_.send(PeerMessage::YourWord, typed);
    Q_EMIT logLine(QStringLiteral(">>Word Sent"));
    peer_.word().mine = true;
    // A word never holds a colon, so the first one always starts the clue (hint mode may
    // even have changed while the word was typed).
    return typed.section(QLatin1Char(':'), 0, 0);
}

bool TwoPlayerGame::opponentChooses() const {
    return settings_.Player1Chooses != peer_.isPlayer1();
}

void TwoPlayerGame::awaitOpponentWords() {
    // The other side chooses; its words arrive as 10 and 06.
    peer_.word().mine = true;
}

bool TwoPlayerGame::sendListTitle() {
    if (!words_.loaded()) {
        return false;
    }
    peer_.send(PeerMessage::WordListTitle, words_.title());
    return true;
}

QString TwoPlayerGame::dealWords() {
    const WordSource::Deal deal = words_.deal(settings_.WordType != 1, settings_.SameWordLength);
    if (deal.sameLengthDropped) {
        // No two words of the same length: from now on any two words will do.
        settings_.SameWordLength = false;
    }
    dealt_ = deal.own;
    if (peer_.connected()) {
        peer_.send(PeerMessage::SenderWord, dealt_.word);
        peer_.send(PeerMessage::YourWord, deal.other.word + QLatin1Char(':') + deal.other.clue);
        Q_EMIT logLine(QStringLiteral(">>Word Sent"));
    }
    peer_.word().mine = true;
    return deal.other.word;
}

// --- Steps ---

QString TwoPlayerGame::greet(bool asPlayer1) {
    Q_EMIT logLine(asPlayer1
                       ? QStringLiteral(">>Connected with ") + peer_.cliWSocket().GetPeerAddr()
                       : QStringLiteral(">>Connected"));
    if (asPlayer1) {
        Q_EMIT logLine(QStringLiteral(">>Syncing options"));
    }
    return players_.meet(settings_.UserName, asPlayer1);
}

void TwoPlayerGame::newGame(bool solo) {
    words_.restart();
    scores_.reset();
    if (!solo) {
        peer_.newGame();
    }
}

void TwoPlayerGame::pressStart(int guessesAllowed) {
    peer_.pressStart();
    peer_.opponent().guessesLeft = guessesAllowed;
    Q_EMIT logLine(players_.readyLine(peer_.isPlayer1()));
}

bool TwoPlayerGame::beginStep() {
    if (!peer_.stepDue()) {
        return false;
    }
    peer_.beginStep();
    return true;
}

TwoPlayerGame::WordChoice TwoPlayerGame::chooseWords() {
    if (settings_.GameType == 1) {
        return WordChoice::Typed;
    }
    if (opponentChooses()) {
        awaitOpponentWords();
        return WordChoice::ByOpponent;
    }
    return WordChoice::FromList;
}

bool TwoPlayerGame::awaitOpponentWord() {
    if (peer_.word().theirs) {
        return false;
    }
    peer_.setWaiting(QStringLiteral("Waiting for opponent's word."));
    return true;
}

wordlist::Entry TwoPlayerGame::nextWord(bool solo) {
    if (solo) {
        return words_.nextWord();
    }
    words_.countWord();
    return dealt_;
}

bool TwoPlayerGame::finishWord(long long points, bool solo) {
    if (solo) {
        scores_.add(true, points);
        return false;
    }
    scoreWord(points);
    return !peer_.score().theirs;
}
