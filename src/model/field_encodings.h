#pragma once

// Conversions between model fields and their bytes in the device image.
// Each is a pure encode/decode pair; the image encoder and decoder are their
// only callers.

#include "model/configuration_model.h"

#include <array>
#include <span>
#include <utility>

namespace skarvion {

// Phone-digit code: "1".."9" = 1..9, "+" = 10, "-" = 11 (end mark), anything else 0.
Byte PhoneDigitNibble(char c);
char PhoneDigitChar(Byte nibble);

// DTMF code: "1".."9", "A".."D" (either case), "*", "#"; anything else 0.
Byte DtmfNibble(char c);
char DtmfChar(Byte nibble);

// Packed number: at most 15 phone digits followed by the end mark, two per byte.
inline constexpr int PackedNumberSize = 8;
std::array<Byte, PackedNumberSize> EncodePackedNumber(const Text& number);
Text DecodePackedNumber(std::span<const Byte, PackedNumberSize> bytes);

// PIN pair: four phone-digit characters in two bytes.
std::array<Byte, 2> EncodePinPair(const Text& pin);
Text DecodePinPair(std::span<const Byte, 2> bytes);

// DTMF pair string: characters two per byte into out.size() bytes; characters
// beyond the string's end count as "0".
void EncodeDtmfPairs(const Text& text, std::span<Byte> out);
Text DecodeDtmfPairs(std::span<const Byte> bytes);

// Fixed text: the first out.size() characters, zero-filled. Decoding skips every
// zero byte, wherever it stands.
void EncodeFixedText(const Text& text, std::span<Byte> out);
Text DecodeFixedText(std::span<const Byte> bytes);

// Zone-type code: 0..3 as 1, 2, 4, 8. Values outside the code decode to the
// input's own default, which is what the three decode tables differ in.
Byte EncodeZoneType(Byte zoneType);
enum class ZoneTable { Z1, Z2, Z4 };
Byte DecodeZoneType(Byte code, ZoneTable table);

// Signal-type field (3 bits): 1..4 kept, anything else 0.
Byte EncodeSignalTypeField(Byte signalType);
Byte DecodeSignalTypeField(Byte bits);

// Output-type field (2 bits): 0 -> 01, 1 -> 00, 2 -> 11, 3 -> 00.
Byte EncodeOutputTypeField(Byte outputType);
Byte DecodeOutputTypeField(Byte bits);

// Nibble pair: two values 0..15 in one byte, the first high.
Byte EncodeNibblePair(Byte high, Byte low);
std::pair<Byte, Byte> DecodeNibblePair(Byte value);

// Entry and exit delays of the control panel in one byte, each stored minus one.
Byte EncodeEntryExitTimes(Byte entryTime, Byte exitTime);
std::pair<Byte, Byte> DecodeEntryExitTimes(Byte value);

// DATA phone byte: the reference in bits 6..0, the DTMF format flag in bit 7.
Byte EncodeDataPhone(PhoneRef phone, Flag isDtmf);

} // namespace skarvion
