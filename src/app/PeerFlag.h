#pragma once

#include <functional>

// A two-player flag under the name the game code has always used for it. The flag itself
// lives in PeerConnection; this only reads and writes it there, so code that says
// "MyScoreSent = true" keeps working while the state has one home.
class PeerFlag {
public:
    using Get = std::function<bool()>;
    using Set = std::function<void(bool)>;

    PeerFlag(Get get, Set set = {}) : get_(std::move(get)), set_(std::move(set)) {}
    PeerFlag(const PeerFlag&) = delete;

    operator bool() const { return get_(); }
    PeerFlag& operator=(bool value) {
        if (set_) {
            set_(value);
        }
        return *this;
    }
    // a = b = false assigns the value, never the binding.
    PeerFlag& operator=(const PeerFlag& other) { return *this = static_cast<bool>(other); }

private:
    Get get_;
    Set set_;
};
