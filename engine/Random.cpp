#include "engine/Random.h"

namespace {
thread_local uint32_t t_state = 1;
}

void SeedRandom(uint32_t seed)
{
    t_state = seed;
}

int DrawRandom()
{
    return NextRandom(t_state);
}
