#pragma once

#include <QByteArray>
#include <optional>

// Both network protocols send a two-digit decimal code, a payload and the end byte 0x02.
namespace framing {

constexpr char kEndMark = 0x02;

// code as two digits (more when it has more), payload, end mark. Bytes 0x00 and 0x02 are
// left out of the payload: either would cut the message short on the other side, and a
// text typed or loaded here must never be able to pass for a message of its own.
QByteArray frame(int code, const QByteArray& payload = {});

struct Message {
    int code = 0;  // -1 when the first two characters are not a number
    QByteArray payload;
};

// Splits a message (without its end mark) into code and payload. Nothing for a message
// shorter than two characters.
std::optional<Message> parse(const QByteArray& message);

}  // namespace framing

// The receive buffer of one connection. Each read contributes its bytes up to the first
// zero byte; complete messages are taken out one at a time, so an action that opens a
// modal box (and so lets the next read in) never sees a message twice.
//
// The cap bounds the bytes behind the last end mark, the message still being received.
// When it would pass the cap, that unfinished message is dropped (complete messages in
// front of it stay) and the rest of it, up to its end mark, is skipped as it arrives, so
// its tail is never taken for a message of its own.
class MessageBuffer {
public:
    static constexpr qsizetype kDefaultCap = 64 * 1024;
    explicit MessageBuffer(qsizetype cap = kDefaultCap) : cap_(cap) {}

    // Adds one read. When the unfinished message would pass the cap, it is dropped and
    // false is returned (the caller reports it).
    bool append(const char* data, qsizetype size);
    bool append(const QByteArray& bytes) { return append(bytes.constData(), bytes.size()); }
    // The next complete message without its end mark, removed from the buffer.
    std::optional<QByteArray> take();
    // Forgets everything, including an over-long message being skipped.
    void clear();
    // The bytes not taken yet.
    const QByteArray& pending() const;
    bool isEmpty() const { return head_ == buffer_.size(); }

private:
    void compact() const;

    // Taken messages are not cut off the front one by one (that would move the whole
    // buffer for every small message); head_ marks where the untaken bytes begin and the
    // front is dropped once it is the larger part.
    mutable QByteArray buffer_;
    mutable qsizetype head_ = 0;
    mutable qsizetype completeEnd_ = 0;  // just behind the last end mark, or head_
    qsizetype cap_;
    bool skipping_ = false;  // inside an over-long message, waiting for its end mark
};
