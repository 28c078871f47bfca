#include "play/GameController.h"

#include <QCoreApplication>

#include "core/Text.h"
#include "game/Scoring.h"
#include "net/PeerConnection.h"
#include "net/PeerText.h"
#include "net/TWSocket.h"
#include "settings/OptionBounds.h"
#include "settings/Settings.h"

namespace {

// A chat line is a name, "> " and at most 1000 typed characters; a longer one is cut.
constexpr int kMaxChatLine = 255 + 2 + 1000;

}  // namespace

GameController::GameController(Settings& settings, PeerConnection& peer, QObject* parent)
    : QObject(parent), settings_(settings), peer_(peer) {
    connect(&peer_, &PeerConnection::sessionBegun, this, &GameController::beginSession);
    connect(&peer_, &PeerConnection::sessionEnded, this, &GameController::endSession);
    connect(&peer_, &PeerConnection::received, this, &GameController::take);
}

bool GameController::withOpponent() const {
    return !solo_ && peer_.connected();
}

QString GameController::ownName() const {
    return players_.own(isPlayer1_);
}

QString GameController::opponentName() const {
    return players_.opponent(isPlayer1_);
}

QString GameController::hintsLine(bool on) {
    return on ? QStringLiteral(">>Hints Turned On") : QStringLiteral(">>Hints Turned Off");
}

void GameController::send(PeerMessage message, const QString& payload) {
    peer_.send(message, payload);
}

// --- State ---

bool GameController::playerPosted(bool player1) const {
    return player1 == isPlayer1_ ? posted_.mine : posted_.theirs;
}

void GameController::setPlayerPosted(bool player1, bool posted) {
    (player1 == isPlayer1_ ? posted_.mine : posted_.theirs) = posted;
}

bool GameController::stepDue() const {
    return peer_.connected() && posted_.both();
}

void GameController::setWordFinished(bool finished) {
    wordFinished_ = finished;
    if (finished && phase_ == Phase::Playing) {
        phase_ = Phase::Scores;
    }
}

void GameController::setOffer(Offer offer, bool enabled) {
    offer_ = offer;
    offerEnabled_ = offer != Offer::None && enabled;
}

void GameController::withdraw() {
    waiting_.clear();
    setOffer(Offer::None);
}

void GameController::setOpponentWord(const QString& word) {
    opponent_.newWord(word, scoring::guessesFromSetting(settings_.NumGuesses));
}

// --- The connection's events ---

void GameController::beginSession(bool asPlayer1) {
    // A new opponent starts a new game on both sides: nothing of an earlier connection
    // carries over, not its scores, its place in the list or where its steps stood.
    solo_ = false;
    phase_ = Phase::Opening;
    isPlayer1_ = asPlayer1;
    started_ = false;
    wordFinished_ = false;
    ready_.clear();
    posted_.clear();
    word_.clear();
    score_.clear();
    withdraw();
    opponent_ = OpponentView{};
    words_.restart();
    scores_.reset();
    Q_EMIT sessionBegun(asPlayer1);
    // The session may have ended while the window greeted the opponent.
    if (asPlayer1 && phase_ == Phase::Opening && peer_.connected()) {
        sendOpening();
    }
}

QString GameController::greet(bool asPlayer1) {
    Q_EMIT logLine(asPlayer1
                       ? QStringLiteral(">>Connected with ") + peer_.cliWSocket().GetPeerAddr()
                       : QStringLiteral(">>Connected"));
    if (asPlayer1) {
        Q_EMIT logLine(QStringLiteral(">>Syncing options"));
    }
    return players_.meet(settings_.UserName, asPlayer1);
}

void GameController::sendOpening() {
    send(PeerMessage::StatusLine, QStringLiteral(">>Syncing Options"));
    send(PeerMessage::GuessAttempts, peertext::guessAttemptsPayload(settings_.NumGuesses));
    send(PeerMessage::GameOptions, peertext::gameOptionsPayload(peertext::optionsOf(settings_)));
    send(PeerMessage::PlayerName, peertext::playerName(settings_.UserName, true));
    send(PeerMessage::HintMode, settings_.UseHints ? QStringLiteral("1") : QStringLiteral("0"));
}

bool GameController::gameInProgress() const {
    return phase_ != Phase::NotConnected && phase_ != Phase::Opening;
}

void GameController::endSession(bool left) {
    const bool lost = gameInProgress() && !left;
    phase_ = Phase::NotConnected;
    posted_.clear();
    Q_EMIT sessionEnded(lost);
}

// --- Received ---

void GameController::take(PeerMessage message, const QString& received) {
    QString payload = received;
    if (!holdToLocalBounds(message, payload)) {
        return;
    }
    // Posted by both and the opponent scores again: that score is of the next step, which
    // the opponent began before this side's tick. The step begins here first, so that the
    // winner is judged on the same finished steps on both sides.
    if (message == PeerMessage::WordScore && stepDue()) {
        Q_EMIT stepOverdue();
    }
    applyStep(message, payload);
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

bool GameController::holdToLocalBounds(PeerMessage message, QString& payload) {
    if (message == PeerMessage::GuessAttempts) {
        const long long sent = text::payloadNumber(payload);
        const int held = optionbounds::guessAttempts(sent);
        if (held != sent) {
            Q_EMIT logLine(QStringLiteral("NOTICE:> ") +
                           QCoreApplication::translate(
                               "GameController",
                               "The opponent's guess attempts of %1 were taken as %2: they "
                               "must be from %3 to %4")
                               .arg(sent)
                               .arg(held)
                               .arg(optionbounds::kMinGuessAttempts)
                               .arg(optionbounds::kMaxGuessAttempts));
            payload = peertext::guessAttemptsPayload(QString::number(held));
        }
    } else if (message == PeerMessage::GameOptions) {
        peertext::GameOptions options = peertext::parseGameOptions(payload);
        const int held = optionbounds::winScore(options.winScore);
        if (held != options.winScore) {
            Q_EMIT logLine(QStringLiteral("NOTICE:> ") +
                           QCoreApplication::translate(
                               "GameController",
                               "The opponent's winning score of %1 was taken as %2: it must "
                               "be from %3 to %4")
                               .arg(options.winScore)
                               .arg(held)
                               .arg(optionbounds::kMinWinScore)
                               .arg(optionbounds::kMaxWinScore));
            options.winScore = held;
            payload = peertext::gameOptionsPayload(options);
        }
    }
    return true;
}

// Where the game stands after the opponent's step, before anything is shown of it.
void GameController::applyStep(PeerMessage message, const QString& payload) {
    switch (message) {
        case PeerMessage::ReadyToStart:
            ready_.theirs = true;
            posted_.theirs = true;
            if (ready_.mine) {
                waiting_.clear();
            }
            break;
        case PeerMessage::YourWord:
            setOffer(Offer::PlayWord);
            word_.theirs = true;
            if (word_.mine) {
                waiting_.clear();
            }
            opponent_.guessesLeft = scoring::guessesFromSetting(settings_.NumGuesses);
            break;
        case PeerMessage::LetterGuessed:
            opponent_.guessed(payload);
            break;
        case PeerMessage::PlayerName:
            if (!isPlayer1_) {
                send(PeerMessage::PlayerName, settings_.UserName);
            }
            if (phase_ == Phase::Opening) {
                phase_ = Phase::ReadyToStart;
            }
            break;
        case PeerMessage::WordScore:
            posted_.theirs = true;
            score_.theirs = true;
            if (score_.mine) {
                waiting_.clear();
            }
            break;
        case PeerMessage::SenderWord:
            setOpponentWord(payload);
            break;
        case PeerMessage::WordStarted:
            opponent_.wordType = settings_.WordType;
            opponent_.gameType = settings_.GameType;
            break;
        default:
            break;
    }
}

void GameController::takeStep(PeerMessage message, const QString& payload) {
    switch (message) {
        case PeerMessage::ReadyToStart:
            if (ready_.mine) {
                Q_EMIT waitEnded();
            }
            Q_EMIT logLine(players_.readyLine(!isPlayer1_));
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
            Q_EMIT opponentNamed(players_.takeOpponent(payload, isPlayer1_), false);
            break;
        case PeerMessage::WordScore:
            scores_.add(!isPlayer1_, text::payloadNumber(payload));
            if (score_.mine) {
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

void GameController::takeOption(PeerMessage message, const QString& payload) {
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
            Q_EMIT opponentNamed(players_.takeOpponent(payload, isPlayer1_), true);
            break;
        default:
            break;
    }
}

void GameController::takeGameOptions(const QString& payload) {
    const int oldWinScore = settings_.WinScore;
    const peertext::GameOptions options = peertext::parseGameOptions(payload);
    peertext::applyOptions(options, settings_);
    const QString description = peertext::optionsDescription(
        options, players_.player1(), players_.player2(), settings_.WinScore != oldWinScore);
    Q_EMIT optionsChanged();
    Q_EMIT logLine(QStringLiteral(">>Game Type Changed: ") + description);
    Q_EMIT settingsChanged();
}

// --- What this side says ---

QString GameController::sendChat(const QString& typed) {
    const QString line = ownName() + QStringLiteral("> ") + typed;
    send(PeerMessage::Chat, line);
    return line;
}

void GameController::sendHints() {
    send(PeerMessage::HintMode, settings_.UseHints ? QStringLiteral("1") : QStringLiteral("0"));
    Q_EMIT logLine(hintsLine(settings_.UseHints));
}

bool GameController::tellOpponent(PeerMessage message, const QString& payload) {
    if (!withOpponent()) {
        return false;
    }
    send(message, payload);
    return true;
}

// --- Guessing ---

bool GameController::guessingAllowed() const {
    return solo_ || (peer_.connected() && started_ && !wordFinished_);
}

Round::Guess GameController::guess(int tile) {
    const Round::Guess guess = round_.guess(tile);
    if (guess.outcome != Round::Outcome::Ignored && withOpponent()) {
        send(PeerMessage::LetterGuessed, QString(guess.letter));
    }
    return guess;
}

int GameController::pointsOfWord() const {
    return round_.isComplete() && !round_.isLost() ? round_.guessesLeft() : 0;
}

bool GameController::skipWord() {
    // Two players score each other's words by the same rules: no side may drop a hard one.
    // No word in play counts as complete too.
    if (!solo_ || round_.isComplete()) {
        return false;
    }
    round_.giveUp();
    finishWord(pointsOfWord());
    return true;
}

// --- The progression of a game ---

void GameController::newGame() {
    words_.restart();
    scores_.reset();
    if (!solo_) {
        ready_.clear();
        word_.clear();
        score_.clear();
    }
}

wordlist::Entry GameController::nextWord() {
    // The grid offers the list's letters; two players only those the wire carries. Folding
    // is for solo play: the opponent's program compares letters exactly, so a folded hit
    // would show there as a miss and the two views of one word would differ.
    QString letters = words_.letters();
    if (!solo_) {
        letters.removeIf([](QChar c) { return !text::fitsAnsi(QString(c)); });
    }
    round_.alphabet().setListLetters(letters);
    round_.alphabet().setFolding(solo_ && settings_.FoldAccents);
    if (solo_) {
        return words_.nextWord();
    }
    words_.countWord();
    return dealt_;
}

bool GameController::finishWord(long long points) {
    if (solo_) {
        scores_.add(true, points);
        Q_EMIT wordEnded(!round_.isLost(), round_.misses());
        return false;
    }
    scores_.add(isPlayer1_, points);
    posted_.mine = true;
    send(PeerMessage::WordScore, scoring::scorePayload(points));
    score_.mine = true;
    if (!score_.theirs) {
        waiting_ = QCoreApplication::translate("GameController", "Waiting for opponent's score.");
    }
    setWordFinished(true);
    Q_EMIT scoresChanged();
    Q_EMIT logLine(QStringLiteral(">>Your score sent"));
    return !score_.theirs;
}

QString GameController::gameOverText() const {
    const scoring::Winner winner = scores_.winner(settings_.WinScore);
    if (winner == scoring::Winner::None) {
        return {};
    }
    return scores_.gameOverText(winner, players_.player1(), players_.player2());
}

void GameController::gameOver() {
    // The opponent may have left while the box was open: then nothing is offered.
    if (!peer_.connected()) {
        return;
    }
    phase_ = Phase::GameOver;
    waiting_.clear();
    setOffer(Offer::StartGame);
}

// --- The two-player steps ---

void GameController::pressStart(int guessesAllowed) {
    ready_.mine = true;
    if (!ready_.theirs) {
        waiting_ = QCoreApplication::translate("GameController", "Waiting for opponent to start");
    }
    offerEnabled_ = false;
    send(PeerMessage::ReadyToStart);
    posted_.mine = true;
    opponent_.guessesLeft = guessesAllowed;
    Q_EMIT logLine(players_.readyLine(isPlayer1_));
}

bool GameController::beginStep() {
    if (!stepDue()) {
        return false;
    }
    waiting_.clear();
    // The offer stays when it is this step's word already: the opponent's word may have
    // come before this tick, and withdrawing it would leave no way on.
    if (!wordFinished_ && !word_.theirs) {
        setOffer(Offer::None);
    }
    posted_.clear();
    phase_ = Phase::WordExchange;
    return true;
}

GameController::WordChoice GameController::chooseWords() {
    if (settings_.GameType == 1) {
        return WordChoice::Typed;
    }
    if (opponentChooses()) {
        // The other side chooses; its words arrive as 10 and 06.
        word_.mine = true;
        return WordChoice::ByOpponent;
    }
    return WordChoice::FromList;
}

bool GameController::opponentChooses() const {
    return settings_.Player1Chooses != isPlayer1_;
}

bool GameController::awaitOpponentWord() {
    if (word_.theirs) {
        return false;
    }
    waiting_ = QCoreApplication::translate("GameController", "Waiting for opponent's word.");
    return true;
}

QString GameController::sendTypedWord(const QString& typed) {
    send(PeerMessage::YourWord, typed);
    Q_EMIT logLine(QStringLiteral(">>Word Sent"));
    word_.mine = true;
    // A word never holds a colon, so the first one always starts the clue (hint mode may
    // even have changed while the word was typed).
    return typed.section(QLatin1Char(':'), 0, 0);
}

bool GameController::sendListTitle() {
    if (!words_.loaded()) {
        return false;
    }
    send(PeerMessage::WordListTitle, words_.title());
    return true;
}

QString GameController::dealWords() {
    const WordSource::Deal deal = words_.deal(settings_.WordType != 1, settings_.SameWordLength);
    if (deal.sameLengthDropped) {
        // No two words of the same length: from now on any two words will do.
        settings_.SameWordLength = false;
    }
    dealt_ = deal.own;
    if (peer_.connected()) {
        send(PeerMessage::SenderWord, dealt_.word);
        send(PeerMessage::YourWord, deal.other.word + QLatin1Char(':') + deal.other.clue);
        Q_EMIT logLine(QStringLiteral(">>Word Sent"));
    }
    word_.mine = true;
    return deal.other.word;
}

void GameController::playWord(int guessesAllowed) {
    started_ = true;
    phase_ = Phase::Playing;
    setOffer(Offer::None);
    word_.clear();
    score_.clear();
    wordFinished_ = false;
    opponent_.guessesLeft = guessesAllowed;
    send(PeerMessage::WordStarted);
}
