#include "app/image_digest.h"

#include <algorithm>
#include <bit>

namespace skarvion {

namespace {

constexpr std::uint32_t InitialA = 0x01234567;
constexpr std::uint32_t InitialB = 0x89ABCDEF;
constexpr std::uint32_t InitialC = 0xFEDCBA98;
constexpr std::uint32_t InitialD = 0x76543210;

// The sine-derived constants of the four rounds.
constexpr std::uint32_t T[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

// Rotation amounts, four per round.
constexpr int Shifts[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

std::uint32_t roundFunction(int round, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    switch (round) {
    case 0: return (b & c) | (~b & d);
    case 1: return (b & d) | (c & ~d);
    case 2: return b ^ c ^ d;
    default: return c ^ (b | ~d);
    }
}

int messageIndex(int step) {
    const int round = step / 16, i = step % 16;
    switch (round) {
    case 0: return i;
    case 1: return (1 + 5 * i) % 16;
    case 2: return (5 + 3 * i) % 16;
    default: return (7 * i) % 16;
    }
}

void compress(Digest& state, const std::uint8_t* block) {
    std::uint32_t x[16];
    for (int k = 0; k < 16; ++k) {
        x[k] = std::uint32_t(block[4 * k]) << 24 | std::uint32_t(block[4 * k + 1]) << 16 |
               std::uint32_t(block[4 * k + 2]) << 8 | std::uint32_t(block[4 * k + 3]);
    }
    auto& [a, b, c, d] = state;
    for (int step = 0; step < 64; ++step) {
        const int round = step / 16;
        const std::uint32_t sum = a + roundFunction(round, b, c, d) + x[messageIndex(step)] + T[step];
        const std::uint32_t next = b + std::rotl(sum, Shifts[round][step % 4]);
        a = d;
        d = c;
        c = b;
        b = next;
    }
}

} // namespace

Digest ImageDigest(std::span<const std::uint8_t> bytes) {
    Digest state{InitialA, InitialB, InitialC, InitialD};
    for (std::size_t start = 0; start < bytes.size(); start += 64) {
        std::uint8_t block[64] = {};
        const std::size_t count = std::min<std::size_t>(64, bytes.size() - start);
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(start), count, block);
        compress(state, block);
    }
    return state;
}

std::array<std::uint8_t, 16> DigestBytes(const Digest& digest) {
    std::array<std::uint8_t, 16> out{};
    for (int w = 0; w < 4; ++w)
        for (int k = 0; k < 4; ++k) out[4 * w + k] = static_cast<std::uint8_t>(digest[w] >> (8 * k));
    return out;
}

} // namespace skarvion
