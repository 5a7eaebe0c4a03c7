#include "link/protocol_codec.h"

#include "app/image_digest.h"

#include <span>

namespace skarvion {

namespace {

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::uint8_t nibble(char c) {
    if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
    switch (upper(c)) {
    case 'A':
        return 10;
    case 'B':
        return 11;
    case 'C':
        return 12;
    case 'D':
        return 13;
    case '*':
        return 14;
    case '#':
        return 15;
    default:
        return 0;
    }
}

char accountChar(std::string_view code, std::size_t i) {
    return i < code.size() ? code[i] : '\0';
}

} // namespace

bool OkCheck(std::string_view received) {
    const std::size_t o = received.find('O');
    const std::string_view two = received.substr(o == std::string_view::npos ? 0 : o, 2);
    return two.size() == 2 && upper(two[0]) == 'O' && upper(two[1]) == 'K';
}

std::array<std::uint8_t, 2> AccountBytes(std::string_view testEventCode) {
    const auto pair = [&](std::size_t i) {
        return static_cast<std::uint8_t>(16 * nibble(accountChar(testEventCode, i)) +
                                         nibble(accountChar(testEventCode, i + 1)));
    };
    return {pair(0), pair(2)};
}

std::string ObjCommand(std::string_view testEventCode) {
    const auto bytes = AccountBytes(testEventCode);
    std::string command(Wire::ObjPrefix);
    command += static_cast<char>(bytes[0]);
    command += static_cast<char>(bytes[1]);
    command += '\r';
    return command;
}

CodeDigestBytes CodeDigest(std::string_view code) {
    const Digest words =
        ImageDigest(std::span(reinterpret_cast<const std::uint8_t*>(code.data()), code.size()));
    CodeDigestBytes bytes{};
    for (std::size_t w = 0; w < words.size(); ++w)
        for (std::size_t b = 0; b < 4; ++b) {
            const auto value = static_cast<std::uint8_t>(words[w] >> (24 - 8 * b));
            bytes[4 * w + b] = value >= 0x3D ? static_cast<std::uint8_t>(value + 3) : value;
        }
    return bytes;
}

std::string DataBlock(std::string_view code, std::string_view payload) {
    const CodeDigestBytes digest = CodeDigest(code);
    std::string block(digest.begin(), digest.end());
    block += payload;
    block += Wire::Trailer;
    return block;
}

std::string ConfigurationFrame(std::string_view dataBlock) {
    std::string frame(Wire::FrameStart);
    frame += dataBlock;
    frame += Wire::EndMarker;
    return frame;
}

std::string FirmwareVersionFromDump(std::string_view dumpAnswer) {
    constexpr std::size_t First = 8, Count = 12; // characters 9..20, 1-based
    if (dumpAnswer.size() <= First) return {};
    return std::string(dumpAnswer.substr(First, Count));
}

} // namespace skarvion
