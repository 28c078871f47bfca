#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "net/MessageFraming.h"

class TWSocket;

// One connection's messages: reads what the socket has into the receive buffer, takes the
// complete messages out one by one and hands each to the handler. Both protocols (peer and
// matchmaking server) frame their messages alike and receive through this one loop.
class MessageChannel {
public:
    using Handler = std::function<void(int code, const QByteArray& payload)>;
    // Reports what could not be handled (an over-long message, a failing handler).
    using Notice = std::function<void(const QString& text)>;

    static constexpr int kReadSize = 1024;

    // from names the other end in notices ("the opponent", "the server"), in the window's
    // language.
    MessageChannel(TWSocket& socket, QString from, Notice notice);

    // The data-available event: one read, then every complete message, each taken out of
    // the buffer before its handler runs (a handler that opens a box lets this run again
    // inside it, and the two runs share the buffer safely). Messages shorter than a code
    // are dropped. Nothing thrown by the handler leaves this call.
    void receive(const Handler& handler);
    // Reads until the socket has nothing more, handling messages as they complete.
    void receiveAll(const Handler& handler);

    // Frames and sends one message; a closed connection takes nothing.
    void send(int code, const QByteArray& payload = {});

    void clear() { buffer_.clear(); }
    const MessageBuffer& buffer() const { return buffer_; }

private:
    bool readOnce();
    void dispatch(const Handler& handler);

    TWSocket& socket_;
    QString from_;
    Notice notice_;
    MessageBuffer buffer_;
};
