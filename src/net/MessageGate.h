#pragma once

#include <deque>
#include <functional>

// Holds back the handling of network events while something that must not be interrupted
// runs (a sound that is waited for spins an event loop). What arrives meanwhile is queued
// and handled, in order of arrival, once the last hold ends. Peer and server connections
// share one gate so their events keep their order too.
class MessageGate {
public:
    // Runs the event now, or queues it while held.
    void run(std::function<void()> event) {
        if (depth_ > 0) {
            queued_.push_back(std::move(event));
            return;
        }
        event();
    }

    bool held() const { return depth_ > 0; }

    // Holds the gate for its own lifetime.
    class Hold {
    public:
        explicit Hold(MessageGate& gate) : gate_(gate) { ++gate_.depth_; }
        ~Hold() { gate_.release(); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        MessageGate& gate_;
    };

private:
    void release() {
        if (--depth_ > 0) {
            return;
        }
        // Each event leaves the queue before it runs: one that opens a box lets later
        // events in, and those must not see it again.
        while (depth_ == 0 && !queued_.empty()) {
            std::function<void()> event = std::move(queued_.front());
            queued_.pop_front();
            event();
        }
    }

    int depth_ = 0;
    std::deque<std::function<void()>> queued_;
};
