#pragma once

class MatchClient;
class NewGameStarter;
class PeerConnection;
class TMainWin;

// The main window's wiring, the way a form designer's generated code would hold it: which
// handler each control, timer and connection signal reaches.
namespace windowwiring {

// The menus, buttons, letter tiles and timers to their handlers.
void connectControls(TMainWin& window);
// What the opponent's connection and the matchmaking client report, to the window.
void connectServices(TMainWin& window, PeerConnection& peer, MatchClient& match);
// The new game wizard's steps, carried out by the window's handlers (a child of the window).
NewGameStarter* makeNewGameStarter(TMainWin& window, PeerConnection& peer, MatchClient& match);

}  // namespace windowwiring
