#pragma once

// The scoring rules live with the rest of the game's rules.
#include "game/Scoring.h"
