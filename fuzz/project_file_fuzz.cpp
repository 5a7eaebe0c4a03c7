// Project files as the Open command and every CLI command read them.

#include "fuzz_support.h"

#include "app/project_file.h"
#include "model/model_operations.h"

using namespace skarvion;
using skarvion::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ConfigurationModel before = StartupModel();
    ConfigurationModel model = before;
    if (!ParseProjectFile(bytes, model).ok()) {
        Require(model == before, "a rejected file changed the model");
        return 0;
    }
    // Saved and opened twice, the second save changes nothing.
    ConfigurationModel reopened = StartupModel();
    Require(ParseProjectFile(ProjectFileBytes(model), reopened).ok(), "a saved file does not open");
    ConfigurationModel again = StartupModel();
    Require(ParseProjectFile(ProjectFileBytes(reopened), again).ok(), "a saved file does not open");
    fuzz::RequireSameModel(reopened, again, "saving and opening again changes the model");
    fuzz::ExerciseModel(model);
    return 0;
}
