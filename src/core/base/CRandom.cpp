#include "core/base/CRandom.h"
#include <ctime>

void CRandom::SeedFromClock()
{
    Seed(static_cast<uint32_t>(std::time(nullptr)));
}
