#include "editor/output_rules.h"

#include "model/model_operations.h"

#include <gtest/gtest.h>

using namespace skarvion;

TEST(OutputRules, SystemModeIsOfferedOnlyToTheSystemOutputOfOneAndTwo) {
    struct Case {
        int output;
        Byte type;
        std::array<bool, 4> visible;
        int checked;
        const char* systemCaption;
    };
    const Case cases[] = {
        {1, OutputBistable, {true, true, true, false}, 1, "LIST_MODEOUT_VAL4"},
        {1, OutputSystem, {false, false, false, true}, 3, "LIST_MODEOUT_VAL4"},
        {2, OutputSystem, {false, false, false, true}, 3, "LIST_MODEOUT_VAL5"},
        {2, OutputFlashing, {true, true, true, false}, 2, "LIST_MODEOUT_VAL5"},
        {2, 9, {true, true, true, false}, 0, "LIST_MODEOUT_VAL5"},
        {3, OutputMonostable, {true, true, true, false}, 0, ""},
        {3, OutputSystem, {true, true, true, false}, -1, ""},
    };
    for (const Case& c : cases) {
        ConfigurationModel m = StartupModel();
        m.output(c.output).OutputType = c.type;
        const OutputModeView view = OutputModeButtons(m, c.output);
        EXPECT_EQ(view.visible, c.visible) << c.output << "/" << int(c.type);
        EXPECT_EQ(view.checked, c.checked) << c.output << "/" << int(c.type);
        EXPECT_EQ(view.systemCaptionKey, c.systemCaption) << c.output;
    }
}
