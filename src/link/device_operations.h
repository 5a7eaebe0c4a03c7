#pragma once

// Reading the device's configuration into the model and writing the model
// into the device, around the CPU-block exchange.

#include "link/cpu_block_protocol.h"
#include "link/link_interfaces.h"
#include "model/configuration_model.h"
#include "model/device_image.h"

#include <string>
#include <string_view>

namespace skarvion {

// The code that authorises a write, and the placeholders every payload carries.
inline constexpr std::string_view WorkCode = "8461";
inline constexpr std::string_view WorkCodePlaceholder = "8461";
inline constexpr std::string_view MasterCodePlaceholder = "8642";

// The 888 bytes sent for an image: bytes 0..491, the access-code place
// ("8461", 0, "8642", zeros, "?????"), bytes 512..884, ">>>".
std::string BuildPayload(const DeviceImage& writeImage);

// The image bytes in the data of a read: everything before the payload's end
// marker ">>>" and the trailer's first characters.
std::string ImageTextFromRead(std::string_view dataText);

// A cleared image with the image text of a read at its start (at most 900 bytes).
DeviceImage ReadImageFromData(std::string_view dataText);

// Reads the device. On success the read image is filled and decoded into the
// model and the model's FirmwareVersion is the device's identification text.
// The port is opened when closed and is closed afterwards.
TransferOutcome ReadDevice(ConfigurationModel& model, DeviceImage& readImage, LinkPort& port,
                           LinkEnvironment& environment);

// Encodes the model and writes it into the device, authorised by `code`.
// The model is not changed. The port is opened when closed and closed afterwards.
TransferOutcome WriteDevice(const ConfigurationModel& model, std::string_view code, LinkPort& port,
                            LinkEnvironment& environment);

} // namespace skarvion
