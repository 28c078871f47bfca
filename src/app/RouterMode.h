#pragma once

#include <QString>
#include <functional>

struct AppContext;
struct Settings;
class PeerConnection;
class PortMapper;
class QObject;

// Tells the peer connection whether and how to ask the home router to forward the game port:
// --router, then ROPEWIT_ROUTER, then the player's "Open Port On Router". A malformed
// option or variable is said in the log and leaves the router alone.
void applyRouterMode(PeerConnection& peer, const AppContext& ctx, const Settings& settings,
                     const std::function<void(const QString&)>& log);

// Asks the router to forward port and calls then() once the router has answered (forwarded
// or not), or after about 3 s, whichever comes first; at once when the router is not asked.
// A registration waits for it, so it can name the router's outside address.
void whenRouterAnswered(PortMapper& router, quint16 port, QObject* owner,
                        const std::function<void()>& then);
