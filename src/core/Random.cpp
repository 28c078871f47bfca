#include "core/Random.h"

#include <QRandomGenerator>

Random& programRandom() {
    static Random generator;
    return generator;
}

uint32_t startUpSeed() {
    return QRandomGenerator::system()->generate();
}
