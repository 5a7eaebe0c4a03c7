#include "app/image_digest.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

using namespace skarvion;

namespace {

Digest digestOf(std::string_view text) {
    return ImageDigest(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace

TEST(ImageDigest, KnownVectorAndStoredByteOrder) {
    const Digest d = digestOf("abc");
    EXPECT_EQ(d, (Digest{0x403CE9CA, 0x891FC264, 0xD6BAD8C9, 0x5BD8D236}));
    const std::array<std::uint8_t, 16> stored{0xCA, 0xE9, 0x3C, 0x40, 0x64, 0xC2, 0x1F, 0x89,
                                              0xC9, 0xD8, 0xBA, 0xD6, 0x36, 0xD2, 0xD8, 0x5B};
    EXPECT_EQ(DigestBytes(d), stored);
}

TEST(ImageDigest, EmptyInputKeepsInitialWords) {
    EXPECT_EQ(ImageDigest({}), (Digest{0x01234567, 0x89ABCDEF, 0xFEDCBA98, 0x76543210}));
}

TEST(ImageDigest, ZeroPaddingToBlockBoundaryChangesNothing) {
    std::vector<std::uint8_t> bytes(900);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    const Digest unpadded = ImageDigest(bytes);
    bytes.resize(960, 0);
    EXPECT_EQ(ImageDigest(bytes), unpadded);
    // A whole extra zero block is a further compression round, not padding.
    bytes.resize(1024, 0);
    EXPECT_NE(ImageDigest(bytes), unpadded);
}

TEST(ImageDigest, EveryByteCounts) {
    std::vector<std::uint8_t> bytes(900, 0x55);
    const Digest base = ImageDigest(bytes);
    for (std::size_t i : {std::size_t{0}, std::size_t{63}, std::size_t{64}, std::size_t{899}}) {
        auto changed = bytes;
        changed[i] ^= 1;
        EXPECT_NE(ImageDigest(changed), base) << "byte " << i;
    }
}
