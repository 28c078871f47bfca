#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

#include "core/AppContext.h"
#include "core/Prompts.h"

class BoardView;
class GameController;
class PeerConnection;
class QWidget;
struct BoardPictures;
struct LetterLookHooks;
struct MainWinControls;
struct OptionNotice;
struct Settings;

// The Options and Tools menus: each opens its dialog or flips its switch, saves the settings,
// redraws what the change touches, and tells the opponent of a change that concerns him. The
// word list is loaded here too, whichever way it was chosen.
class OptionsMenu {
public:
    // What the menus work on; all of it outlives the menus.
    struct Parts {
        QWidget& window;  // the parent of the dialogs
        Settings& settings;
        AppContext& context;
        GameController& game;
        PeerConnection& peer;
        const MainWinControls& ui;
        BoardView& board;
        BoardPictures& pictures;
        std::function<void(const QString&)> logLine;
        std::function<QSize()> screen;  // where the dialogs centre
    };
    explicit OptionsMenu(const Parts& parts);

    void MenuGuessesClick();
    void MenuUserNameClick();
    void MenuGameClick();
    void MenuSoundClick();
    void MenuFontsClick();
    void MenuCreateListClick();
    void MenuUpperClick();
    void MenuHintsClick();
    // Accented letters count as their base letter: a word not yet guessed at takes the
    // change at once, any other word from the next one on.
    void MenuFoldClick();
    void MenuScrambleClick();
    void MenuRouterClick();
    void MenuServerClick();
    // Keeps the language for the next start (code empty: the system's) and says so.
    void chooseLanguage(const QString& code);
    void MenuWordsClick();
    // Loads a word list to play from; its problems are shown, the opponent told of its title.
    void LoadGame(const QString& path);
    // Only the player who chooses the list may change it.
    void SetWordListMenuItem();
    // The chooser for a list to play; empty when cancelled.
    QString ShowOpenWordList(bool mustExist);
    // What the letter appearance dialog restyles: the tile backgrounds in use.
    LetterLookHooks letterLookHooks();

private:
    // The folder of the player's own word lists.
    QString ownLists() const;
    // A change made while connected goes to the opponent; true when it went.
    bool tellOpponent(const std::optional<OptionNotice>& notice);

    QWidget& window_;
    Settings& settings_;
    AppContext& context_;
    GameController& game_;
    PeerConnection& peer_;
    const MainWinControls& ui_;
    BoardView& board_;
    BoardPictures& pictures_;
    std::function<void(const QString&)> logLine_;
    std::function<QSize()> screen_;
};
