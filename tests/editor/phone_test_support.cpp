#include "phone_test_support.h"

#include "model/model_operations.h"

namespace skarvion::testing {

void PutPhone(ConfigurationModel& model, int slot) {
    model.phone(slot).Number = "+7900000" + std::to_string(slot);
    model.phone(slot).Empty = 0;
}

ConfigurationModel ModelWithPhones(std::initializer_list<int> slots) {
    ConfigurationModel model = StartupModel();
    for (int slot : slots)
        PutPhone(model, slot);
    return model;
}

std::vector<NamedReference> AllPhoneReferences(const ConfigurationModel& m) {
    std::vector<NamedReference> refs;
    auto add = [&refs](const std::string& name, PhoneRef value) { refs.push_back({name, value}); };
    for (int n = 1; n <= InputCount; ++n) {
        const InputRecord& in = m.input(n);
        const std::string p = "Inputs[" + std::to_string(n) + "].";
        for (int i = 0; i < 3; ++i) {
            add(p + "SmsPhones[" + std::to_string(i) + "]", in.SmsPhones[i]);
            add(p + "AlarmPhones[" + std::to_string(i) + "]", in.AlarmPhones[i]);
        }
        add(p + "DataPhone1", in.DataPhone1);
        add(p + "DataPhone2", in.DataPhone2);
        add(p + "DataPhone3", in.DataPhone3);
        add(p + "ClipPhone1", in.ClipPhone1);
        if (in.ClipPhone2Used) add(p + "ClipPhone2", in.ClipPhone2);
        if (in.Clip2Enabled) add(p + "ClipPhone3", in.ClipPhone3);
        if (in.Clip2Enabled && in.ClipPhone4Used) add(p + "ClipPhone4", in.ClipPhone4);
    }
    for (int j = 1; j <= OutputCount; ++j) {
        add("Outputs[" + std::to_string(j) + "].SmsControlPhone", m.output(j).SmsControlPhone);
        add("Outputs[" + std::to_string(j) + "].AnswerPhone", m.output(j).AnswerPhone);
    }
    for (int i = 0; i < 3; ++i) {
        add("TestSmsPhones[" + std::to_string(i) + "]", m.TestSmsPhones[i]);
        add("GsmDataPhones[" + std::to_string(i) + "]", m.GsmDataPhones[i]);
    }
    add("TestDataPhone1", m.TestDataPhone1);
    add("TestDataPhone2", m.TestDataPhone2);
    add("TestDataPhone3", m.TestDataPhone3);
    add("TestClipPhone1", m.TestClipPhone1);
    if (m.TestClipPhone2Used) add("TestClipPhone2", m.TestClipPhone2);
    if (m.TestClip2Enabled) add("TestClipPhone3", m.TestClipPhone3);
    if (m.TestClip2Enabled && m.TestClipPhone4Used) add("TestClipPhone4", m.TestClipPhone4);
    add("GsmSmsPhone1", m.GsmSmsPhone1);
    add("GsmSmsPhone2", m.GsmSmsPhone2);
    add("GsmSmsPhone3", m.GsmSmsPhone3);
    add("GsmClipPhone1", m.GsmClipPhone1);
    if (m.GsmClipPhone2Used) add("GsmClipPhone2", m.GsmClipPhone2);
    if (m.GsmClip2Enabled) add("GsmClipPhone3", m.GsmClipPhone3);
    if (m.GsmClip2Enabled && m.GsmClipPhone4Used) add("GsmClipPhone4", m.GsmClipPhone4);
    add("VoltSmsPhone1", m.VoltSmsPhone1);
    add("VoltSmsPhone2", m.VoltSmsPhone2);
    add("VoltSmsPhone3", m.VoltSmsPhone3);
    add("VoltDataPhone1", m.VoltDataPhone1);
    add("VoltDataPhone2", m.VoltDataPhone2);
    add("CrowPhone1", m.CrowPhone1);
    if (m.CrowPhone2Used) add("CrowPhone2", m.CrowPhone2);
    if (m.CrowPhone3Used) add("CrowPhone3", m.CrowPhone3);
    return refs;
}

} // namespace skarvion::testing
