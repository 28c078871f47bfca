#include "net/MessageChannel.h"

#include <QCoreApplication>
#include <exception>

#include "net/TWSocket.h"

MessageChannel::MessageChannel(TWSocket& socket, QString from, Notice notice)
    : socket_(socket), from_(std::move(from)), notice_(std::move(notice)) {}

bool MessageChannel::readOnce() {
    char bytes[kReadSize];
    const int n = socket_.Receive(bytes, kReadSize);
    if (n <= 0) {
        return false;
    }
    if (!buffer_.append(bytes, n)) {
        notice_(QStringLiteral("NOTICE:> ") +
                QCoreApplication::translate("MessageChannel", "Dropped an overlong message from %1")
                    .arg(from_));
    }
    return true;
}

void MessageChannel::dispatch(const Handler& handler) {
    try {
        while (const auto message = buffer_.take()) {
            const auto parsed = framing::parse(*message);
            if (parsed) {
                handler(parsed->code, parsed->payload);
            }
        }
    } catch (const std::exception& e) {
        notice_(QStringLiteral("NOTICE:> ") + QString::fromUtf8(e.what()));
    } catch (...) {
        notice_(QStringLiteral("NOTICE:> ") +
                QCoreApplication::translate("MessageChannel", "Could not handle a message from %1")
                    .arg(from_));
    }
}

void MessageChannel::receive(const Handler& handler) {
    if (readOnce()) {
        dispatch(handler);
    }
}

void MessageChannel::receiveAll(const Handler& handler) {
    while (readOnce()) {
        dispatch(handler);
    }
}

void MessageChannel::send(int code, const QByteArray& payload) {
    if (socket_.state() == TWSocket::wsConnected) {
        socket_.SendStr(framing::frame(code, payload));
    }
}
