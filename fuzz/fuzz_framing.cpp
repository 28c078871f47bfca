// Feeds arbitrary bytes, split into arbitrary reads, to the receive buffer of a
// connection, takes messages out between the reads as a re-entered handler would, and
// checks every step against a plain model of the same rules.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "net/MessageFraming.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The rules written as plainly as possible, with no care for speed.
struct Model {
    std::string buffer;
    bool skipping = false;
    std::size_t cap;

    explicit Model(std::size_t c) : cap(c) {}

    bool append(std::string chunk) {
        chunk = chunk.substr(0, chunk.find('\0'));
        if (skipping) {
            const std::size_t mark = chunk.find('\x02');
            if (mark == std::string::npos) {
                return true;
            }
            chunk.erase(0, mark + 1);
            skipping = false;
        }
        if (chunk.empty()) {
            return true;
        }
        const std::size_t last = chunk.rfind('\x02');
        const std::size_t lastInBuffer = buffer.rfind('\x02');
        const std::size_t complete = lastInBuffer == std::string::npos ? 0 : lastInBuffer + 1;
        const std::size_t unfinished = last != std::string::npos
                                           ? chunk.size() - last - 1
                                           : buffer.size() - complete + chunk.size();
        if (unfinished > cap) {
            buffer.resize(complete);
            if (last != std::string::npos) {
                buffer += chunk.substr(0, last + 1);
            }
            skipping = true;
            return false;
        }
        buffer += chunk;
        return true;
    }

    std::optional<std::string> take() {
        const std::size_t mark = buffer.find('\x02');
        if (mark == std::string::npos) {
            return std::nullopt;
        }
        std::string message = buffer.substr(0, mark);
        buffer.erase(0, mark + 1);
        return message;
    }
};

void checkMessage(const QByteArray& message) {
    require(!message.contains('\x02') && !message.contains('\0'));
    const auto parsed = framing::parse(message);
    require(parsed.has_value() == (message.size() >= 2));
    if (parsed && parsed->code >= 0) {
        require(parsed->code <= 99);
        require(framing::frame(parsed->code, parsed->payload) == message + '\x02');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    // The first byte picks a cap: mostly tiny ones, so overflows happen often.
    const std::size_t cap = data[0] == 0xff ? MessageBuffer::kDefaultCap : 1 + data[0] % 48;
    MessageBuffer buffer(static_cast<qsizetype>(cap));
    Model model(cap);
    std::size_t at = 1;
    while (at < size) {
        // A control byte: the length of the next read, and how many messages to take.
        const std::uint8_t control = data[at++];
        const std::size_t length = std::min<std::size_t>(control & 0x3f, size - at);
        const auto* chunk = reinterpret_cast<const char*>(data + at);
        at += length;

        const bool kept = buffer.append(chunk, static_cast<qsizetype>(length));
        require(kept == model.append(std::string(chunk, length)));

        const int takes = (control & 0x80) ? 1000000 : (control >> 6);
        for (int i = 0; i < takes; ++i) {
            const auto got = buffer.take();
            const auto expected = model.take();
            require(got.has_value() == expected.has_value());
            if (!got) {
                break;
            }
            require(*got == QByteArray(expected->data(), static_cast<qsizetype>(expected->size())));
            checkMessage(*got);
        }
        const QByteArray& pending = buffer.pending();
        require(pending ==
                QByteArray(model.buffer.data(), static_cast<qsizetype>(model.buffer.size())));
        require(buffer.isEmpty() == model.buffer.empty());
    }
    // Once every complete message is out, what is left is one unfinished message within
    // the cap.
    while (const auto message = buffer.take()) {
        checkMessage(*message);
    }
    require(!buffer.pending().contains('\x02'));
    require(static_cast<std::size_t>(buffer.pending().size()) <= cap);
    return 0;
}
