#include "settings/OptionBounds.h"

#include "core/Text.h"

namespace optionbounds {

int guessAttempts(long long value) {
    if (value < kMinGuessAttempts) {
        return kUnsetGuessAttempts;
    }
    return value > kMaxGuessAttempts ? kMaxGuessAttempts : static_cast<int>(value);
}

QString guessAttemptsText(const QString& numGuesses) {
    return QString::number(guessAttempts(text::leadingInt(numGuesses)));
}

int winScore(long long value) {
    if (value < kMinWinScore) {
        return kMinWinScore;
    }
    return value > kMaxWinScore ? kMaxWinScore : static_cast<int>(value);
}

}  // namespace optionbounds
