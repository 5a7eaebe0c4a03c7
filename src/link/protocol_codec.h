#pragma once

// The bytes of the CPU-block exchange: commands, markers, the OK check, the
// account bytes, the code digest and the data block of a configuration write.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace skarvion {

namespace Wire {
inline constexpr std::string_view AtProbe = "AT\r";
inline constexpr std::string_view DumpProbe = "DUMP005\r";
inline constexpr std::string_view DumpHeader = "DUMP005";
inline constexpr std::string_view ObjPrefix = "OBJ";
inline constexpr std::string_view ReadCommand = "#####";
inline constexpr std::string_view DumpCommand = "%%%%%";
inline constexpr std::string_view FrameStart = "+++++";
inline constexpr std::string_view EndMarker = "@@@@@";
inline constexpr std::string_view EchoCommand = "*****";
inline constexpr std::string_view CommitCommand = "$$$$$";
inline constexpr std::string_view Trailer = " This driver writing in Company \"Skarvion 2004\"";
} // namespace Wire

inline constexpr std::size_t CodeDigestSize = 16;
inline constexpr std::size_t PayloadSize = 888;
inline constexpr std::size_t DataBlockSize = CodeDigestSize + PayloadSize + Wire::Trailer.size();

using CodeDigestBytes = std::array<std::uint8_t, CodeDigestSize>;

// True when the two characters from the first "O" (or the first two when there
// is none), upper-cased, read "OK".
bool OkCheck(std::string_view received);

// The two account bytes of "OBJ", from the first four characters of the test
// event code: each character a nibble (digits, A..D, "*" 14, "#" 15, else 0).
std::array<std::uint8_t, 2> AccountBytes(std::string_view testEventCode);

// "OBJ" b1 b2 CR.
std::string ObjCommand(std::string_view testEventCode);

// The 16-byte digest that stands for an access code on the wire: the image
// digest of the code, words A..D most significant byte first, every byte of
// 0x3D or more raised by 3 (modulo 256).
CodeDigestBytes CodeDigest(std::string_view code);

// Code digest + payload + trailer: what travels between "+++++" and "@@@@@".
std::string DataBlock(std::string_view code, std::string_view payload);

// "+++++" + data block + "@@@@@".
std::string ConfigurationFrame(std::string_view dataBlock);

// Characters 9 to 20 of the answer to "%%%%%" (fewer when it is shorter).
std::string FirmwareVersionFromDump(std::string_view dumpAnswer);

} // namespace skarvion
