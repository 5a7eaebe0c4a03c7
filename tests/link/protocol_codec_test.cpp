#include "link/protocol_codec.h"

#include "app/image_digest.h"

#include <gtest/gtest.h>

#include <span>

using namespace skarvion;

TEST(OkCheck, LooksAtTheTwoCharactersFromTheFirstCapitalO) {
    const struct {
        std::string_view received;
        bool ok;
    } cases[] = {
        {"OK\r\n", true}, {"ok", true},          {"XOK", true},    {"NO", false},
        {"\r\nOK", true}, {"DUMP005 xOk", true}, {"ERROR", false}, {"", false},
        {"K", false},     {"xok", false}, // no capital O: the first two characters "XO"
        {"O", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OkCheck(c.received), c.ok) << c.received;
}

TEST(AccountBytes, EachCharacterIsANibble) {
    const struct {
        std::string_view code;
        std::uint8_t b1, b2;
    } cases[] = {
        {"12*#602000", 0x12, 0xEF}, {"0000", 0x00, 0x00}, {"E 9A", 0x00, 0x9A},
        {"abcd", 0xAB, 0xCD},       {"BCDA", 0xBC, 0xDA}, {"7", 0x70, 0x00},
    };
    for (const auto& c : cases) {
        const auto bytes = AccountBytes(c.code);
        EXPECT_EQ(bytes[0], c.b1) << c.code;
        EXPECT_EQ(bytes[1], c.b2) << c.code;
    }
    EXPECT_EQ(ObjCommand("12*#"), std::string("OBJ\x12\xEF\r"));
}

TEST(CodeDigest, KnownVector) {
    const CodeDigestBytes expected{0x43, 0x3C, 0xEC, 0xCD, 0x8C, 0x1F, 0xC5, 0x67,
                                   0xD9, 0xBD, 0xDB, 0xCC, 0x5E, 0xDB, 0xD5, 0x36};
    EXPECT_EQ(CodeDigest("abc"), expected);
}

TEST(CodeDigest, BytesFrom0x3DUpAreRaisedByThreeAndWrap) {
    // Find codes whose plain digest holds the interesting byte values.
    const std::uint8_t probes[] = {0x3C, 0x3D, 0xFE};
    for (std::uint8_t raw : probes) {
        bool found = false;
        for (int n = 0; n < 100000 && !found; ++n) {
            const std::string code = std::to_string(n);
            const Digest words = ImageDigest(
                std::span(reinterpret_cast<const std::uint8_t*>(code.data()), code.size()));
            const CodeDigestBytes digest = CodeDigest(code);
            for (std::size_t i = 0; i < 16 && !found; ++i) {
                if (static_cast<std::uint8_t>(words[i / 4] >> (24 - 8 * (i % 4))) != raw) continue;
                const std::uint8_t expected = raw == 0x3C ? 0x3C : raw == 0x3D ? 0x40 : 0x01;
                EXPECT_EQ(digest[i], expected) << "code " << code << " byte " << i;
                found = true;
            }
        }
        EXPECT_TRUE(found) << int(raw);
    }
}

TEST(DataBlock, DigestPayloadAndTrailer) {
    const std::string payload(PayloadSize, 'p');
    const std::string block = DataBlock("8461", payload);
    ASSERT_EQ(block.size(), 951u);
    const CodeDigestBytes digest = CodeDigest("8461");
    EXPECT_EQ(block.substr(0, 16), std::string(digest.begin(), digest.end()));
    EXPECT_EQ(block.substr(16, PayloadSize), payload);
    EXPECT_EQ(block.substr(904), " This driver writing in Company \"Skarvion 2004\"");
    const std::string frame = ConfigurationFrame(block);
    EXPECT_EQ(frame, "+++++" + block + "@@@@@");
}

TEST(FirmwareVersionFromDump, CharactersNineToTwenty) {
    EXPECT_EQ(FirmwareVersionFromDump("DUMP005 SK2050 v5.10 build 7"), "SK2050 v5.10");
    EXPECT_EQ(FirmwareVersionFromDump("DUMP005 ab"), "ab");
    EXPECT_EQ(FirmwareVersionFromDump("DUMP005 "), "");
    EXPECT_EQ(FirmwareVersionFromDump(""), "");
}
