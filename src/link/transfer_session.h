#pragma once

// One showing of the transfer dialog: it resets the bars and labels, runs the
// read or write operation and ends with the closing message.

#include "link/cpu_block_protocol.h"

#include <string>

namespace skarvion {

enum class TransferMode : std::uint8_t { Read = 0, Write = 1 };

struct TransferRequest {
    TransferMode mode = TransferMode::Read;
    std::string payload;       // write: the 888-byte payload
    std::string code;          // write: the access code that authorises it
    std::string testEventCode; // write: its first four characters go into "OBJ"
};

TransferOutcome RunTransfer(CpuBlockProtocol& protocol, const TransferRequest& request,
                            LinkEnvironment& environment);

} // namespace skarvion
