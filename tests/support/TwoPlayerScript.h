#pragma once

#include <QByteArray>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTcpServer>
#include <functional>

#include "ListItems.h"
#include "PeerPair.h"
#include "TestWindow.h"
#include "core/Text.h"
#include "dialogs/TDoNewGame.h"
#include "dialogs/TWebOpponent.h"

// What the tests of two windows (or one window and a raw peer) do as a player would: the
// new game wizard clicked through, the action button's captions, words guessed by clicks.
namespace script {

inline const QString kStart = QStringLiteral("Start &Game");
inline const QString kPlay = QStringLiteral("Play &Word");

// The window shows its action button, enabled, with this caption.
inline bool offers(TestWindow& t, const QString& caption) {
    return !t->ui().ActionButton->isHidden() && t->ui().ActionButton->isEnabled() &&
           t->ui().ActionButton->text() == caption;
}

inline bool bothOffer(TestWindow& a, TestWindow& b, const QString& caption) {
    return offers(a, caption) && offers(b, caption);
}

// Clicks `misses` letters the word lacks (from Z down), then every letter of the word.
inline void clickWord(TestWindow& t, const QString& word, int misses) {
    const QString upper = text::asciiUpper(word);
    for (char c = 'Z'; c >= 'A' && misses > 0; --c) {
        if (!upper.contains(QLatin1Char(c))) {
            t->AlphaClicked(c - 64);
            --misses;
        }
    }
    for (const QChar c : upper) {
        t->AlphaClicked(t->game().round().alphabet().tileOfLetter(c));
    }
}

// Two words, as the tests compare what both sides (or both players) got.
inline QStringList words(const char* first, const char* second) {
    return {QString::fromLatin1(first), QString::fromLatin1(second)};
}

// The step timer fires only when the test calls it.
inline void manualTicks(TestWindow& t) {
    t->ui().ConnectTimer->setInterval(24 * 3600 * 1000);
}

// The texts of the window's "Game Over" boxes.
inline QStringList gameOver(TestWindow& t) {
    return t.prompts.withCaption(QStringLiteral("Game Over"));
}

// Neither window has shown an "Error" box.
inline bool noErrors(TestWindow& a, TestWindow& b) {
    return a.prompts.withCaption(QStringLiteral("Error")).isEmpty() &&
           b.prompts.withCaption(QStringLiteral("Error")).isEmpty();
}

// Ann (Player 1) and Bea connected without sound, past both start summaries, and Player 1's
// hint mode, the last thing it sends, arrived.
inline void connectAnnAndBea(PeerPair& pair) {
    pair.p1->settings().UserName = QStringLiteral("Ann");
    pair.p2->settings().UserName = QStringLiteral("Bea");
    pair.p1->settings().UseSound = pair.p2->settings().UseSound = false;
    pair.connect();
    pair.waitForStartSummaries();
    QTRY_COMPARE(linesOf(pair.p2->ui().ConMemo).filter(QStringLiteral(">>Hints Turned")).size(), 1);
}

// The next wizard the window opens is played by drive.
inline void scriptWizard(TestWindow& t, const std::function<void(TDoNewGame&)>& drive) {
    t.prompts.dialogScript.push_back([drive](QDialog& d) {
        drive(static_cast<TDoNewGame&>(d));
        return d.result();
    });
}

// Step 1 as a game against an opponent, then on to step 2.
inline void toStep2(TDoNewGame& w) {
    w.PlayOpp->click();
    w.NextButton->click();
}

// The choice of step 2 (and of step 3 when given), each followed by "Next".
inline std::function<void(TDoNewGame&)> choose(QRadioButton* TDoNewGame::*step2,
                                               QRadioButton* TDoNewGame::*step3 = nullptr) {
    return [step2, step3](TDoNewGame& w) {
        toStep2(w);
        (w.*step2)->click();
        w.NextButton->click();
        if (step3) {
            (w.*step3)->click();
            w.NextButton->click();
        }
    };
}

// Opens the wizard with the welcome panel's "Start Game", played by drive.
inline void startThroughTheWizard(TestWindow& t, const std::function<void(TDoNewGame&)>& drive) {
    scriptWizard(t, drive);
    t->show();
    t->ui().StartGame->click();
}

// The next list of waiting players the window shows is answered with its first player; the
// names it showed are added to shown.
inline void pickFirstListed(TestWindow& t, QStringList& shown) {
    t.prompts.dialogScript.push_back([&shown](QDialog& d) {
        auto& list = static_cast<TWebOpponent&>(d);
        d.show();
        shown += items(list.UserList);
        list.OK->click();
        return d.result();
    });
}

// A port nobody listens on at the moment (0 when the system gave none).
inline quint16 freePort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::Any, 0) ? probe.serverPort() : 0;
}

// The settings file of a player with this name and these other options lines.
inline QByteArray iniOf(const char* name, const QByteArray& more = {}) {
    return QByteArray("[Options]\r\nUser Name=") + name + "\r\n" + more;
}

// Player 1's two-player options as the games here use them: the program chooses different
// words from Player 1's list, 10 points win, no hints, the list in file order, no sound.
inline const QByteArray kTwoPlayerIni =
    "Game Type=2\r\nWord Type=1\r\nSame Word Length=No\r\nPlayer 1 Chooses=Yes\r\n"
    "Win Score=10\r\nUse Hints=No\r\nScramble List=No\r\nUse Sound=No\r\n";

}  // namespace script
