#include "summary/report_variables.h"

#include "summary/report_phone_status.h"

#include <algorithm>
#include <string>

namespace skarvion {

namespace {

const Text ProductType = "Skarvion 2050";
const Text ModelNumber = "2050";
constexpr char LineBreak = '\r';

Text underscores(std::size_t count) {
    return Text(count, '_');
}

// Blank as the report counts it: nothing but spaces and control characters.
bool isBlank(const Text& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

Text orUnderscores(const Text& text) {
    return isBlank(text) ? underscores(54) : text;
}

const Text& noneText(const ReportSource& source) {
    return source.texts.text("PRINF_Z_PHONENUM");
}

int enabledInputs(const ConfigurationModel& m) {
    int count = 0;
    for (int n = 1; n <= 4; ++n)
        count += m.input(n).Enabled ? 1 : 0;
    return count;
}

Text caption(const ReportSource& s, int) {
    return s.texts.text("REP_BASE_CAPTION") + (s.deviceType.empty() ? ProductType : s.deviceType);
}

Text modelCaption(const ReportSource& s, int) {
    return s.texts.text("REP_BASE_CAPTION2") + ModelNumber;
}

Text serial(const ReportSource& s, int) {
    return s.texts.text("REP_SERIAL_CONST") + s.model.PrintInfo.SerialNumber;
}

Text firmware(const ReportSource& s, int) {
    const Text& version = s.model.PrintInfo.FirmwareVersion;
    return s.texts.text("REP_BASE_FVERSION") + (version.empty() ? underscores(11) : version);
}

Text comment(const ReportSource& s, int) {
    const Text& text = s.model.PrintInfo.ReportComment;
    if (!isBlank(text)) return text;
    const Text line = underscores(54);
    return line + LineBreak + line + LineBreak + line + LineBreak + line;
}

Text pageNumber(const ReportSource& s, int) {
    return "2/" + std::to_string(enabledInputs(s.model) + 2);
}

Text simPhone(const ReportSource& s, int) {
    return orUnderscores(s.model.PrintInfo.SimPhoneNumber);
}

Text simRegistration(const ReportSource& s, int) {
    return orUnderscores(s.model.PrintInfo.SimRegNumber);
}

Text pin(const ReportSource& s, int) {
    return s.model.PinCode.substr(0, 4);
}

Text smsCentre(const ReportSource& s, int) {
    const Text& number = s.model.SmsCentreNumber;
    return number.empty() ? noneText(s) : number;
}

bool validRecord(int record, int rows) {
    return record >= 0 && record < rows;
}

Text inputName(const ReportSource& s, int r) {
    if (!validRecord(r, ReportInputRows)) return {};
    return s.texts.text("TREEINPUT") + std::to_string(r + 1);
}

Text inputState(const ReportSource& s, int r) {
    if (!validRecord(r, ReportInputRows)) return {};
    return s.texts.text(s.model.input(r + 1).Enabled ? "REP_BASEIN_VAL1" : "REP_BASEIN_VAL2");
}

Text phoneLine(const ReportSource&, int r) {
    if (!validRecord(r, ReportPhoneRows)) return {};
    return std::to_string(r + 1);
}

Text phoneNumber(const ReportSource& s, int r) {
    if (!validRecord(r, ReportPhoneRows)) return {};
    const PhoneEntry& entry = s.model.phone(r + 1);
    return entry.Empty || entry.Number.empty() ? noneText(s) : entry.Number;
}

Text phoneStatus(const ReportSource& s, int r) {
    if (!validRecord(r, ReportPhoneRows)) return {};
    const Byte use = PhoneUse(s.model, r + 1);
    return use ? PhoneUseText(use) : s.texts.text("REP_BASE_ZSTAT_P");
}

bool sameName(std::string_view a, std::string_view b) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return upper(x) == upper(y); });
}

using VariableFunction = Text (*)(const ReportSource&, int);

struct Variable {
    const char* name;
    VariableFunction value;
    const char* key = nullptr; // a variable that is just a language text
};

Text none(const ReportSource&, int) {
    return {};
}

const Variable Variables[] = {
    {"BCAPTION", caption},
    {"SKRMODEL", modelCaption},
    {"SERIAL", serial},
    {"FVERSION", firmware},
    {"PSUPPLY", none},
    {"COMMENT", nullptr, "REP_COMMENT_CONST"},
    {"BASECOM", comment},
    {"DSP_VAR", nullptr, "REP_BASE_DSP_VAR"},
    {"LISTNUM", pageNumber},
    {"SIMPHONECAP", nullptr, "REP_BASE_SIMPHCAP"},
    {"SIMPHONEVAR", simPhone},
    {"SIMREGNCAP", nullptr, "REP_BASE_REGNCAP"},
    {"SIMREGNVAL", simRegistration},
    {"BASECAPPIN", nullptr, "REP_BASE_PIN_CAP"},
    {"PINCODE", pin},
    {"SMSCENCAPPH", nullptr, "TREESMSCENTRE"},
    {"SMSCENTPH", smsCentre},
    {"BASECAPINP", nullptr, "REP_BASE_INP_CAP"},
    {"BASEINTAB1", nullptr, "REP_BASET_INP"},
    {"BASEINTAB2", nullptr, "REP_BASET_INP2"},
    {"INNUMBER", inputName},
    {"INCON", inputState},
    {"BASECAPPHON", nullptr, "TREEPHONE"},
    {"BASEPHONTAB1", nullptr, "REP_BASET_PHON1"},
    {"BASEPHONTAB2", nullptr, "REP_BASET_PHON2"},
    {"PHLINE", phoneLine},
    {"PHONE", phoneNumber},
    {"PHSTATUS", phoneStatus},
};

} // namespace

Text ReportVariable(const ReportSource& source, std::string_view name, int record) {
    for (const Variable& variable : Variables) {
        if (!sameName(variable.name, name)) continue;
        return variable.value ? variable.value(source, record) : source.texts.text(variable.key);
    }
    return {};
}

} // namespace skarvion
