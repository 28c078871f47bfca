#pragma once

#include <cstdint>

// The program's one pseudo-random generator. From the same state it repeats the same sequence
// of draws, so a shuffle can be reproduced by starting from the state a run began with.
class Random {
public:
    // A value in 0 .. n - 1 (0 when n is 0); every call advances the state, also for n = 0.
    uint32_t next(uint32_t n) {
        state_ = state_ * 134775813u + 1u;
        return static_cast<uint32_t>((static_cast<uint64_t>(state_) * n) >> 32);
    }
    uint32_t state() const { return state_; }
    void setState(uint32_t s) { state_ = s; }

private:
    uint32_t state_ = 0;
};

// The generator shared by the whole program (word list shuffles, the editor's shuffle,
// the choice of a letter sound).
Random& programRandom();

// A state to start the program's generator from that differs from run to run: from state 0
// every launch would deal a list in the same order, which defeats scrambling it.
uint32_t startUpSeed();
