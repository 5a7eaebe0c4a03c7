// JSON configurations as `import`, `image` and `diff` read them.

#include "fuzz_support.h"

#include "app/model_json.h"
#include "model/model_operations.h"

using namespace skarvion;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ConfigurationModel before = StartupModel();
    ConfigurationModel model = before;
    if (const auto error = ModelFromJson(json, model)) {
        fuzz::Require(model == before, "rejected JSON changed the model");
        return 0;
    }
    // What was imported exports to JSON that imports to the same model.
    ConfigurationModel again = before;
    const auto reimport = ModelFromJson(ModelToJson(model), again);
    fuzz::Require(!reimport, "an imported model does not import again from its export");
    fuzz::RequireSameModel(model, again, "exporting and importing again changes the model");
    fuzz::ExerciseModel(model);
    return 0;
}
