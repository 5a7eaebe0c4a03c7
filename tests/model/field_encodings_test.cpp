#include "model/field_encodings.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skarvion;

namespace {

using Bytes = std::vector<Byte>;

Bytes packed(const Text& number) {
    const auto bytes = EncodePackedNumber(number);
    return Bytes(bytes.begin(), bytes.end());
}

Text unpacked(const Bytes& bytes) {
    return DecodePackedNumber(std::span<const Byte, PackedNumberSize>(bytes.data(), PackedNumberSize));
}

} // namespace

TEST(PackedNumber, EncodesWithEndMark) {
    struct Case {
        Text number;
        Bytes bytes;
    };
    const Case cases[] = {
        {"", {0xB0, 0, 0, 0, 0, 0, 0, 0}},
        {"+79", {0xA7, 0x9B, 0, 0, 0, 0, 0, 0}},
        {"56", {0x56, 0xB0, 0, 0, 0, 0, 0, 0}},
        {"123456789012345", {0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x5B}},
        // Only the first 15 characters are kept.
        {"1234567890123456789", {0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x5B}},
        // Characters outside the code become 0 digits.
        {"+7(900)", {0xA7, 0x09, 0x00, 0x0B, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(packed(c.number), c.bytes) << c.number;
}

TEST(PackedNumber, DecodesUpToEndMark) {
    EXPECT_EQ(unpacked(packed("123456789012345")), "123456789012345");
    EXPECT_EQ(unpacked(packed("+79001234567")), "+79001234567");
    EXPECT_EQ(unpacked(packed("+7(900)")), "+709000");
    EXPECT_EQ(unpacked(packed("")), "");
    // A "-" inside the number ends it.
    EXPECT_EQ(unpacked(packed("12-34")), "12");
    // No end mark at all: all 16 nibbles; nibbles 12..15 read as 0.
    EXPECT_EQ(unpacked({0x12, 0x34, 0x56, 0x78, 0x9A, 0xCD, 0xEF, 0x01}), "123456789+000001");
}

TEST(PinPair, EncodesTwoDigitsPerByte) {
    EXPECT_EQ(EncodePinPair("1234"), (std::array<Byte, 2>{0x12, 0x34}));
    EXPECT_EQ(EncodePinPair("0905"), (std::array<Byte, 2>{0x09, 0x05}));
    const std::array<Byte, 2> odd{0xAB, 0xC1};
    EXPECT_EQ(DecodePinPair(odd), "+-01");
}

TEST(DtmfPairs, EncodesAndDecodesTheDtmfAlphabet) {
    std::array<Byte, 2> bytes{};
    EncodeDtmfPairs("1a*#", bytes);
    EXPECT_EQ(bytes, (std::array<Byte, 2>{0x1A, 0xEF}));
    EXPECT_EQ(DecodeDtmfPairs(bytes), "1A*#");

    std::array<Byte, 6> code{};
    EncodeDtmfPairs("1111130001x0", code);
    EXPECT_EQ(code, (std::array<Byte, 6>{0x11, 0x11, 0x13, 0x00, 0x01, 0x00}));
    // A short text is padded with "0".
    EncodeDtmfPairs("12", code);
    EXPECT_EQ(DecodeDtmfPairs(code), "120000000000");
}

TEST(FixedText, KeepsTheFieldWidthAndSkipsZeros) {
    std::array<Byte, 20> field{};
    field.fill(0xFF);
    EncodeFixedText("ABCDEFGHIJKLMNOPQRSTUVWXY", field);
    EXPECT_EQ(DecodeFixedText(field), "ABCDEFGHIJKLMNOPQRST");

    std::array<Byte, 10> command{};
    command.fill(0xFF);
    EncodeFixedText("ON1", command);
    EXPECT_EQ(command, (std::array<Byte, 10>{'O', 'N', '1', 0, 0, 0, 0, 0, 0, 0}));

    const std::array<Byte, 6> gaps{'A', 0, 'B', 0, 0, 0xC0};
    EXPECT_EQ(DecodeFixedText(gaps), "AB\xC0");
}

TEST(ZoneTypeCode, TablesFallBackToEachInputsDefault) {
    for (Byte zone = 0; zone < 4; ++zone) {
        for (ZoneTable table : {ZoneTable::Z1, ZoneTable::Z2, ZoneTable::Z4})
            EXPECT_EQ(DecodeZoneType(EncodeZoneType(zone), table), zone);
    }
    for (Byte odd : {0, 3, 5, 15, 16, 255}) {
        EXPECT_EQ(DecodeZoneType(odd, ZoneTable::Z1), ZonePerimeter) << int(odd);
        EXPECT_EQ(DecodeZoneType(odd, ZoneTable::Z2), ZoneEntryExit) << int(odd);
        EXPECT_EQ(DecodeZoneType(odd, ZoneTable::Z4), Zone24Hour) << int(odd);
    }
}

TEST(TypeFields, SignalAndOutputTypes) {
    const Byte signalEncoded[] = {0, 1, 2, 3, 4, 0, 0};
    for (Byte t = 0; t < 7; ++t) EXPECT_EQ(EncodeSignalTypeField(t), signalEncoded[t]);
    const Byte signalDecoded[] = {0, 1, 2, 3, 4, 0, 0, 0};
    for (Byte bits = 0; bits < 8; ++bits) EXPECT_EQ(DecodeSignalTypeField(bits), signalDecoded[bits]);

    const Byte outputEncoded[] = {0b01, 0b00, 0b11, 0b00};
    for (Byte t = 0; t < 4; ++t) EXPECT_EQ(EncodeOutputTypeField(t), outputEncoded[t]);
    const Byte outputDecoded[] = {1, 0, 0, 2};
    for (Byte bits = 0; bits < 4; ++bits) EXPECT_EQ(DecodeOutputTypeField(bits), outputDecoded[bits]);
}

TEST(NibbleFields, PairsAndEntryExitTimes) {
    EXPECT_EQ(EncodeNibblePair(3, 12), 0x3C);
    EXPECT_EQ(EncodeNibblePair(0x13, 0x2F), 0x3F);
    EXPECT_EQ(DecodeNibblePair(0x5A), (std::pair<Byte, Byte>{5, 10}));

    EXPECT_EQ(EncodeEntryExitTimes(3, 12), 0x2B);
    EXPECT_EQ(EncodeEntryExitTimes(16, 16), 0xFF);
    EXPECT_EQ(EncodeEntryExitTimes(0, 1), EncodeEntryExitTimes(1, 1));
    // Values are reduced modulo 17 first.
    EXPECT_EQ(EncodeEntryExitTimes(18, 19), 0x01);
    // An exit delay of 0 never borrows from the entry nibble.
    EXPECT_EQ(EncodeEntryExitTimes(3, 0), 0x20);
    EXPECT_EQ(DecodeEntryExitTimes(0x00), (std::pair<Byte, Byte>{1, 1}));
    EXPECT_EQ(DecodeEntryExitTimes(0x2B), (std::pair<Byte, Byte>{3, 12}));
}

TEST(DataPhoneByte, CarriesTheDtmfFlagInBit7) {
    EXPECT_EQ(EncodeDataPhone(5, 1), 0x85);
    EXPECT_EQ(EncodeDataPhone(40, 0), 40);
    EXPECT_EQ(EncodeDataPhone(200, 0), 200 & 127);
}
