#include "summary/summary_generators.h"

namespace skarvion {

MarkupLines VoltageTestSummary(const ConfigurationModel& model, const LanguageTexts& texts) {
    auto text = [&texts](const char* key) -> const Text& { return texts.text(key); };
    const bool dc = model.DcTestEnabled != 0;
    const bool ac = model.AcTestEnabled != 0;
    const Text dcLine = Text("/al/z2/sb") + (dc ? "/cn" : "/ck") + "   ";
    // The DC thresholds and delays are fixed in the device.
    auto fixedValue = [&](const char* label, const char* value, const char* unit) {
        return dcLine + text(label) + "/sn " + value + " " + text(unit);
    };
    return {
        "/ac/sb/cn/z4  " + text("TREEVOLTAGETST"),
        "/d4",
        Text("/al/z2/sb") + (dc ? "/cn" : "/ck") + "/ct   " + text("VOLTAGE_DC_SETCAP"),
        "/d9/i4/n1/p0/ic/i0/n1/p0/ie/pb",
        dcLine + text("VOLT_STATE_TEST") + "/sn" + text(dc ? "REP_OUTENVAL1" : "REP_OUTENVAL2"),
        fixedValue("VOLT_ALARM_VOLTAG", "10,5", "VOLT_VOLT_CR"),
        fixedValue("VOLT_REST_VOLTAG", "12,0", "VOLT_VOLT_CR"),
        fixedValue("VOLT_ALARM_TIME", "60", "VOLT_TIME_CR"),
        fixedValue("VOLT_REST_TIME", "60", "VOLT_TIME_CR"),
        "/d9",
        "",
        (ac ? "/al/z2/sb/cn/ct   " : "/al/z2/sb/cn/ck   ") + text("VOLTAGE_AC_SETCAP"),
        "/d9/i4/n1/p0/ic/i0/n1/p0/ie/pb",
        (ac ? "/al/z2/sb/ch   " : "/al/z2/sb/ck   ") + text("VOLT_STATE_TEST") + "/sn" +
            text(ac ? "REP_OUTENVAL1" : "REP_OUTENVAL2"),
        "/d9",
    };
}

} // namespace skarvion
