#include "model/field_encodings.h"

#include <algorithm>

namespace skarvion {

namespace {

constexpr Byte EndMark = 11;
constexpr std::size_t PackedNumberDigits = 15;

char charAt(const Text& text, std::size_t index) {
    return index < text.size() ? text[index] : '0';
}

} // namespace

Byte PhoneDigitNibble(char c) {
    if (c >= '1' && c <= '9') return static_cast<Byte>(c - '0');
    if (c == '+') return 10;
    if (c == '-') return EndMark;
    return 0;
}

char PhoneDigitChar(Byte nibble) {
    if (nibble >= 1 && nibble <= 9) return static_cast<char>('0' + nibble);
    if (nibble == 10) return '+';
    if (nibble == EndMark) return '-';
    return '0';
}

Byte DtmfNibble(char c) {
    if (c >= '1' && c <= '9') return static_cast<Byte>(c - '0');
    if (c >= 'A' && c <= 'D') return static_cast<Byte>(10 + c - 'A');
    if (c >= 'a' && c <= 'd') return static_cast<Byte>(10 + c - 'a');
    if (c == '*') return 14;
    if (c == '#') return 15;
    return 0;
}

char DtmfChar(Byte nibble) {
    static constexpr char chars[] = "0123456789ABCD*#";
    return chars[nibble & 15];
}

std::array<Byte, PackedNumberSize> EncodePackedNumber(const Text& number) {
    Text digits = number.substr(0, PackedNumberDigits) + '-';
    std::array<Byte, PackedNumberSize> bytes{};
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        Byte high = PhoneDigitNibble(digits[i]);
        Byte low = i + 1 < digits.size() ? PhoneDigitNibble(digits[i + 1]) : 0;
        bytes[i / 2] = static_cast<Byte>(high << 4 | low);
    }
    return bytes;
}

Text DecodePackedNumber(std::span<const Byte, PackedNumberSize> bytes) {
    Text number;
    for (Byte b : bytes) {
        for (Byte nibble : {static_cast<Byte>(b >> 4), static_cast<Byte>(b & 15)}) {
            if (nibble == EndMark) return number;
            number += PhoneDigitChar(nibble);
        }
    }
    return number;
}

std::array<Byte, 2> EncodePinPair(const Text& pin) {
    std::array<Byte, 2> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<Byte>(PhoneDigitNibble(charAt(pin, 2 * i)) << 4 |
                                     PhoneDigitNibble(charAt(pin, 2 * i + 1)));
    }
    return bytes;
}

Text DecodePinPair(std::span<const Byte, 2> bytes) {
    Text pin;
    for (Byte b : bytes) {
        pin += PhoneDigitChar(b >> 4);
        pin += PhoneDigitChar(b & 15);
    }
    return pin;
}

void EncodeDtmfPairs(const Text& text, std::span<Byte> out) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<Byte>(DtmfNibble(charAt(text, 2 * i)) << 4 |
                                   DtmfNibble(charAt(text, 2 * i + 1)));
    }
}

Text DecodeDtmfPairs(std::span<const Byte> bytes) {
    Text text;
    for (Byte b : bytes) {
        text += DtmfChar(b >> 4);
        text += DtmfChar(b & 15);
    }
    return text;
}

void EncodeFixedText(const Text& text, std::span<Byte> out) {
    std::fill(out.begin(), out.end(), Byte{0});
    std::size_t count = std::min(text.size(), out.size());
    std::copy_n(text.begin(), count, out.begin());
}

Text DecodeFixedText(std::span<const Byte> bytes) {
    Text text;
    for (Byte b : bytes) {
        if (b != 0) text += static_cast<char>(b);
    }
    return text;
}

Byte EncodeZoneType(Byte zoneType) {
    static constexpr Byte codes[] = {1, 2, 4, 8};
    return zoneType < 4 ? codes[zoneType] : 0;
}

Byte DecodeZoneType(Byte code, ZoneTable table) {
    switch (code) {
    case 1: return ZoneEntryExit;
    case 2: return Zone24Hour;
    case 4: return ZonePerimeter;
    case 8: return ZoneWalkThrough;
    default: break;
    }
    switch (table) {
    case ZoneTable::Z1: return ZonePerimeter;
    case ZoneTable::Z2: return ZoneEntryExit;
    case ZoneTable::Z4: return Zone24Hour;
    }
    return ZoneEntryExit;
}

Byte EncodeSignalTypeField(Byte signalType) {
    return signalType >= 1 && signalType <= 4 ? signalType : 0;
}

Byte DecodeSignalTypeField(Byte bits) {
    return bits >= 1 && bits <= 4 ? bits : 0;
}

Byte EncodeOutputTypeField(Byte outputType) {
    switch (outputType) {
    case OutputMonostable: return 0b01;
    case OutputFlashing: return 0b11;
    default: return 0b00; // bistable, and system outputs, which the decoder derives from the mode
    }
}

Byte DecodeOutputTypeField(Byte bits) {
    switch (bits & 3) {
    case 0b00: return OutputBistable;
    case 0b11: return OutputFlashing;
    default: return OutputMonostable;
    }
}

Byte EncodeNibblePair(Byte high, Byte low) {
    return static_cast<Byte>((high & 15) << 4 | (low & 15));
}

std::pair<Byte, Byte> DecodeNibblePair(Byte value) {
    return {static_cast<Byte>(value >> 4), static_cast<Byte>(value & 15)};
}

Byte EncodeEntryExitTimes(Byte entryTime, Byte exitTime) {
    // Each delay is stored minus one in a nibble. A delay of 0 (an entry delay
    // the page allows, an exit delay it does not) is written like 1 rather than
    // borrowing from the neighbouring nibble.
    auto nibble = [](Byte time) {
        Byte reduced = time % 17;
        return static_cast<Byte>(reduced == 0 ? 0 : reduced - 1);
    };
    return EncodeNibblePair(nibble(entryTime), nibble(exitTime));
}

std::pair<Byte, Byte> DecodeEntryExitTimes(Byte value) {
    auto [high, low] = DecodeNibblePair(value);
    return {static_cast<Byte>(high + 1), static_cast<Byte>(low + 1)};
}

Byte EncodeDataPhone(PhoneRef phone, Flag isDtmf) {
    return static_cast<Byte>((isDtmf ? 128 : 0) + (phone & 127));
}

} // namespace skarvion
