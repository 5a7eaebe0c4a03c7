#pragma once

// The transmitter's 900-byte configuration memory and its numbered blocks.

#include "model/configuration_model.h"

#include <array>
#include <span>

namespace skarvion {

inline constexpr int DeviceImageSize = 900;
using DeviceImage = std::array<Byte, DeviceImageSize>;

struct ImageBlock {
    int number;
    int offset;
    int length;
};

// Every numbered block, in image order.
inline constexpr std::array<ImageBlock, 22> ImageBlocks{{
    {1, 0, 67},     // input 1, with its restore text
    {2, 67, 47},    // input 2
    {3, 114, 47},   // input 3
    {4, 161, 47},   // input 4 (offset 208 unused)
    {5, 209, 3},    // output 1
    {6, 212, 3},    // output 2
    {7, 215, 3},    // output 3
    {8, 218, 60},   // texts of output 3
    {9, 278, 8},    // GSM signal monitoring
    {10, 286, 10},  // periodic test
    {31, 296, 4},   // arming record: third ALARM phone and SMS phones
    {11, 300, 6},   // supply-voltage monitoring
    {12, 306, 6},   // control-panel adapter
    {13, 312, 60},  // restore texts of inputs 2, 3, 4
    {14, 372, 120}, // texts of outputs 1 and 2
    {15, 492, 20},  // device access codes, filled only by the device write
    {16, 512, 320}, // phone book, 40 packed numbers
    {17, 832, 8},   // SMS centre number
    {18, 840, 2},   // SIM PIN
    {19, 842, 3},   // audio and data-call parameters
    {20, 845, 40},  // arming text, twice (885..887 unused)
    {21, 888, 2},   // not written by the encoder
}};

// Offset of any block number not in the table: the ten unused bytes at the end.
inline constexpr int UnknownBlockOffset = 890;

// First byte of a block.
constexpr int BlockOffset(int block) {
    for (const ImageBlock& b : ImageBlocks)
        if (b.number == block) return b.offset;
    return UnknownBlockOffset;
}

// Where the 60 bytes of texts of output 1..3 begin.
constexpr int OutputTextsOffset(int output) {
    constexpr int offsets[] = {372, 432, 218};
    return offsets[output - 1];
}

// Where the 20-byte restore text of input 1..4 lies.
constexpr int RestoreTextOffset(int input) {
    return input == 1 ? BlockOffset(1) + 47 : BlockOffset(13) + 20 * (input - 2);
}

inline constexpr int PhoneBookEntrySize = 8;
constexpr int PhoneBookEntryOffset(int entry) {
    return BlockOffset(16) + PhoneBookEntrySize * (entry - 1);
}

// Packs the model into a new image (the write image).
DeviceImage EncodeImage(const ConfigurationModel& model);

// Fills the model from an image (the read image). Accepts every byte value.
bool DecodeImage(const DeviceImage& image, ConfigurationModel& model);

} // namespace skarvion
