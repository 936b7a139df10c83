#include "engines/FastRandom.h"

#include "platform/RandomSource.h"

namespace kestrel {

uint64_t FastRandom::SeedFromProgramSource() {
    // Two draws of 53 bits each, folded into one 64-bit seed.
    const auto high = static_cast<uint64_t>(RandomSource::Next() * 9007199254740992.0);
    const auto low = static_cast<uint64_t>(RandomSource::Next() * 9007199254740992.0);
    return (high << 11) ^ low;
}

} // namespace kestrel
