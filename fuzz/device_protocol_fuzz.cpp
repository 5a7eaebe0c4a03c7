// The device exchange against a device that answers anything: a read (its
// data decoded into the model) followed by a write of what was read.

#include "fuzz_device.h"
#include "fuzz_support.h"

#include "link/device_operations.h"
#include "model/model_operations.h"

using namespace skarvion;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzDevice device(fuzz::Bytes(data, size));
    ConfigurationModel model = StartupModel();
    DeviceImage image{};
    const TransferOutcome read = ReadDevice(model, image, device, device.environment());
    if (read == TransferOutcome::Success) fuzz::ExerciseModel(model);
    WriteDevice(model, WorkCode, device, device.environment());
    fuzz::Require(!device.isOpen(), "the port was left open");
    return 0;
}
