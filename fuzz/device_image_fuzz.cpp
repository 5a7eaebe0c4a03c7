// Device images as a device read or `export --raw` decodes them.

#include "fuzz_support.h"

#include "model/device_image.h"
#include "model/model_operations.h"

#include <algorithm>

using namespace skarvion;
using skarvion::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DeviceImage image{};
    std::copy_n(data, std::min<std::size_t>(size, image.size()), image.begin());
    ConfigurationModel model = StartupModel();
    DecodeImage(image, model);

    // A malformed image may lose what the encoder cannot hold (a number
    // without its end mark, bits two fields share); once written, what is
    // read back stays as it is.
    const ConfigurationModel written = fuzz::ThroughImage(model);
    fuzz::RequireSameModel(written, fuzz::ThroughImage(written),
                           "a written image does not read back as it was written");
    fuzz::ExerciseModel(model);
    return 0;
}
