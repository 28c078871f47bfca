#include "net/MessageFraming.h"

#include <cstring>

namespace framing {

QByteArray frame(int code, const QByteArray& payload) {
    QByteArray out = QByteArray::number(code).rightJustified(2, '0');
    out.reserve(out.size() + payload.size() + 1);
    for (char c : payload) {
        if (c != kEndMark && c != '\0') {
            out.append(c);
        }
    }
    out.append(kEndMark);
    return out;
}

std::optional<Message> parse(const QByteArray& message) {
    if (message.size() < 2) {
        return std::nullopt;
    }
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    Message m;
    m.code = isDigit(message[0]) && isDigit(message[1])
                 ? (message[0] - '0') * 10 + (message[1] - '0')
                 : -1;
    m.payload = message.mid(2);
    return m;
}

}  // namespace framing

namespace {

qsizetype lastEndMark(const char* data, qsizetype size) {
    for (qsizetype i = size - 1; i >= 0; --i) {
        if (data[i] == framing::kEndMark) {
            return i;
        }
    }
    return -1;
}

}  // namespace

bool MessageBuffer::append(const char* data, qsizetype size) {
    if (data == nullptr || size <= 0) {
        return true;
    }
    if (const void* zero = std::memchr(data, '\0', static_cast<size_t>(size))) {
        size = static_cast<const char*>(zero) - data;
    }
    if (skipping_) {
        const void* mark = std::memchr(data, framing::kEndMark, static_cast<size_t>(size));
        if (mark == nullptr) {
            return true;
        }
        const qsizetype skipped = static_cast<const char*>(mark) - data + 1;
        data += skipped;
        size -= skipped;
        skipping_ = false;
    }
    if (size == 0) {
        return true;
    }

    const qsizetype last = lastEndMark(data, size);
    const qsizetype unfinished =
        last >= 0 ? size - last - 1 : (buffer_.size() - completeEnd_) + size;
    if (unfinished > cap_) {
        // Keep what ends in an end mark, drop the message that does not.
        buffer_.truncate(completeEnd_);
        if (last >= 0) {
            buffer_.append(data, last + 1);
            completeEnd_ = buffer_.size();
        }
        skipping_ = true;
        return false;
    }
    buffer_.append(data, size);
    if (last >= 0) {
        completeEnd_ = buffer_.size() - size + last + 1;
    }
    return true;
}

std::optional<QByteArray> MessageBuffer::take() {
    if (completeEnd_ <= head_) {
        return std::nullopt;
    }
    const char* begin = buffer_.constData() + head_;
    const void* mark =
        std::memchr(begin, framing::kEndMark, static_cast<size_t>(completeEnd_ - head_));
    if (mark == nullptr) {  // cannot happen: completeEnd_ sits behind an end mark
        completeEnd_ = head_;
        return std::nullopt;
    }
    const qsizetype length = static_cast<const char*>(mark) - begin;
    QByteArray message(begin, length);
    head_ += length + 1;
    if (head_ == buffer_.size()) {
        buffer_.clear();
        head_ = 0;
        completeEnd_ = 0;
    } else if (head_ >= 4096 && head_ * 2 >= buffer_.size()) {
        compact();
    }
    return message;
}

void MessageBuffer::clear() {
    buffer_.clear();
    head_ = 0;
    completeEnd_ = 0;
    skipping_ = false;
}

const QByteArray& MessageBuffer::pending() const {
    compact();
    return buffer_;
}

void MessageBuffer::compact() const {
    if (head_ == 0) {
        return;
    }
    buffer_.remove(0, head_);
    completeEnd_ = completeEnd_ > head_ ? completeEnd_ - head_ : 0;
    head_ = 0;
}
