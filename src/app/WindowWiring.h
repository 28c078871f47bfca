#pragma once

class MatchClient;
class NewGameStarter;
struct NewGameHooks;
class OpponentPanel;
class PeerConnection;
class SaveThrottle;
class SoundEffects;
class TMainWin;
class BoardView;
class GameController;
class NetworkSteps;
class OptionsMenu;

// The main window's wiring, the way a form designer's generated code would hold it: which
// handler each control, timer and connection signal reaches.
namespace windowwiring {

// The menus, buttons, letter tiles and timers to their handlers.
void connectControls(TMainWin& window, OptionsMenu& options);
// What the opponent's connection and the matchmaking client report, to the window.
void connectServices(TMainWin& window, NetworkSteps& network, PeerConnection& peer,
                     MatchClient& match);
// What the game reports, to the window, its opponent panel and its sounds; option
// changes the opponent made reach the settings file through `save`.
void connectGame(TMainWin& window, GameController& game, BoardView& board, OpponentPanel& opponent,
                 SoundEffects& sounds, SaveThrottle& save);
// What the new game wizard needs from the window; the choice goes to CarryOutNewGame.
NewGameHooks newGameHooks(TMainWin& window, NewGameStarter& starter);
// The new game wizard's steps, carried out by the window's handlers (a child of the window).
NewGameStarter* makeNewGameStarter(TMainWin& window, NetworkSteps& network, PeerConnection& peer,
                                   MatchClient& match);

}  // namespace windowwiring
