#include "link/device_operations.h"

#include "link/protocol_codec.h"
#include "link/transfer_session.h"

#include <algorithm>

namespace skarvion {

namespace {

constexpr std::string_view CodePlaceMarker = "?????";
constexpr std::string_view PayloadEnd = ">>>";
constexpr std::string_view ImageEnd = ">>> T"; // ">>>" and the trailer's " T"
constexpr std::size_t TailImageEnd = 885;      // image bytes 512..884 travel

void append(std::string& out, const DeviceImage& image, std::size_t from, std::size_t to) {
    out.append(reinterpret_cast<const char*>(image.data()) + from, to - from);
}

// The access-code place: both placeholders, zeros, and "?????" at its end.
std::string accessCodePlace() {
    const auto codes = static_cast<std::size_t>(BlockOffset(15));
    const auto tail = static_cast<std::size_t>(BlockOffset(16));
    std::string place(WorkCodePlaceholder);
    place += '\0';
    place += MasterCodePlaceholder;
    place.append((tail - CodePlaceMarker.size()) - (codes + 10) + 1, '\0');
    place += CodePlaceMarker;
    return place;
}

// Opens a closed port; a failure is told to the user and the exchange then
// finds the device silent.
void openForOperation(LinkPort& port, LinkEnvironment& env) {
    if (port.isOpen() || port.open()) return;
    const std::string why = port.openFailure();
    if (!why.empty()) env.messages.showMessage(MessageKind::Error, LinkText{{}, why});
}

} // namespace

std::string BuildPayload(const DeviceImage& writeImage) {
    std::string payload;
    payload.reserve(PayloadSize);
    append(payload, writeImage, 0, static_cast<std::size_t>(BlockOffset(15)));
    payload += accessCodePlace();
    append(payload, writeImage, static_cast<std::size_t>(BlockOffset(16)), TailImageEnd);
    payload += PayloadEnd;
    return payload;
}

std::string ImageTextFromRead(std::string_view dataText) {
    // The text before the first "?????", then the text from there up to the
    // first ">>> T" (a position that is absent counts as the text's start).
    const std::size_t i = dataText.find(CodePlaceMarker);
    const std::size_t j = dataText.find(ImageEnd);
    std::string text;
    if (i == std::string_view::npos)
        text = j == std::string_view::npos ? std::string{} : std::string(dataText.substr(0, j + 1));
    else if (j == std::string_view::npos || j < i)
        text = dataText.substr(0, i);
    else
        text = dataText.substr(0, j);

    // The device returns the payload of the last write. When its end marker
    // sits where the payload puts it, a "?????" or ">>> T" inside a user's
    // text must not shorten the image.
    const bool payloadEndInPlace = dataText.size() >= TailImageEnd + ImageEnd.size() &&
                                   dataText.substr(TailImageEnd, ImageEnd.size()) == ImageEnd;
    if (payloadEndInPlace && text.size() < TailImageEnd) text = dataText.substr(0, TailImageEnd);
    return text;
}

DeviceImage ReadImageFromData(std::string_view dataText) {
    DeviceImage image{};
    const std::string text = ImageTextFromRead(dataText);
    std::copy_n(text.begin(), std::min(text.size(), image.size()), image.begin());
    return image;
}

TransferOutcome ReadDevice(ConfigurationModel& model, DeviceImage& readImage, LinkPort& port,
                           LinkEnvironment& env) {
    readImage.fill(0);
    openForOperation(port, env);
    CpuBlockProtocol protocol(port, port, env);
    const TransferOutcome outcome = RunTransfer(protocol, {TransferMode::Read, {}, {}, {}}, env);
    if (protocol.firmwareVersion()) model.PrintInfo.FirmwareVersion = *protocol.firmwareVersion();
    if (outcome == TransferOutcome::Success) {
        readImage = ReadImageFromData(protocol.dataText());
        model.PrintInfo.FirmwareVersion = protocol.dumpText();
        DecodeImage(readImage, model);
    }
    if (port.isOpen()) port.close();
    return outcome;
}

TransferOutcome WriteDevice(const ConfigurationModel& model, std::string_view code, LinkPort& port,
                            LinkEnvironment& env) {
    const TransferRequest request{TransferMode::Write, BuildPayload(EncodeImage(model)),
                                  std::string(code), model.TestEventCode};
    openForOperation(port, env);
    CpuBlockProtocol protocol(port, port, env);
    const TransferOutcome outcome = RunTransfer(protocol, request, env);
    if (port.isOpen()) port.close();
    return outcome;
}

} // namespace skarvion
