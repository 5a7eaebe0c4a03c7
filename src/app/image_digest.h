#pragma once

// The 128-bit check value of project files and device access codes.
//
// It runs the MD5 compression steps, but it is not MD5: the initial words are
// byte-reversed, message words are read big-endian, the last block is only
// zero-padded (no length), and the state is not added back after each block.
// A standard MD5 library therefore cannot produce it.

#include <array>
#include <cstdint>
#include <span>

namespace skarvion {

using Digest = std::array<std::uint32_t, 4>; // A, B, C, D

Digest ImageDigest(std::span<const std::uint8_t> bytes);

// The digest as stored: A, B, C, D, each little-endian.
std::array<std::uint8_t, 16> DigestBytes(const Digest& digest);

} // namespace skarvion
