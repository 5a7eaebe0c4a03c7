#include "editor/settings_tree.h"

#include <iterator>

namespace skarvion {

namespace {

// One node of a branch: its depth below the branch root and its kind.
struct BranchNode {
    int depth;
    int kind;
};

constexpr BranchNode PrintInfoBranch[] = {
    {0, KindPrintInfo}, {1, KindSerialNumber}, {1, KindSimRegNumber},
    {1, KindSimPhone},  {1, KindFirmware},     {1, KindComment},
};

// The work mode with the report of the panel record (input number 5).
constexpr BranchNode WorkModeBranch[] = {
    {0, KindWorkMode}, {1, KindReport}, {2, KindClip}, {2, KindData}, {2, KindAlarm}, {2, KindSms},
};

constexpr BranchNode InputBranch[] = {
    {0, KindInput},     {1, KindSignal}, {1, KindInputTime}, {1, KindExtraInfo}, {1, KindReport},
    {2, KindClip},      {2, KindData},   {2, KindAlarm},     {2, KindSms},
};

// Below an output; these nodes carry the output's number as input and output number.
constexpr BranchNode OutputChildren[] = {
    {1, KindOutputStart},      {1, KindOutputMode},      {1, KindOutputTimes},
    {1, KindOutputControlSms}, {1, KindOutputAnswerSms},
};

constexpr BranchNode VoltageBranch[] = {
    {1, KindVoltageTest},    {2, KindVoltageSettings}, {2, KindVoltageReports},
    {3, KindVoltageClip},    {3, KindVoltageData},     {3, KindVoltageSms},
};

constexpr BranchNode GsmBranch[] = {
    {1, KindGsmTest},    {2, KindGsmLevel}, {2, KindGsmTime}, {2, KindGsmReports},
    {3, KindGsmClip},    {3, KindGsmData},  {3, KindGsmSms},
};

constexpr BranchNode PeriodicBranch[] = {
    {1, KindPeriodicTest}, {2, KindPeriodicTime}, {2, KindPeriodicReports},
    {3, KindPeriodicClip}, {3, KindPeriodicData}, {3, KindPeriodicSms},
};

// The test branches carry their number as input and output number.
constexpr int VoltageTestNumber = 3;
constexpr int GsmTestNumber = 1;
constexpr int PeriodicTestNumber = 2;

class TreeBuilder {
public:
    // Adds a branch whose root sits at depth `base`.
    template <std::size_t N>
    void add(const BranchNode (&branch)[N], int input, int output, int base = 0) {
        for (const BranchNode& b : branch) add(b.kind, base + b.depth, input, output);
    }

    void add(int kind, int depth, int input = 0, int output = 0) {
        parents_.resize(static_cast<std::size_t>(depth) + 1);
        const int parent = depth == 0 ? -1 : parents_[static_cast<std::size_t>(depth) - 1];
        parents_[static_cast<std::size_t>(depth)] = static_cast<int>(nodes_.size());
        nodes_.push_back({kind, input, output, parent});
    }

    std::vector<TreeNode> take() { return std::move(nodes_); }

private:
    std::vector<TreeNode> nodes_;
    std::vector<int> parents_;
};

std::vector<TreeNode> buildTree() {
    TreeBuilder tree;
    tree.add(KindSettings, 0);
    tree.add(PrintInfoBranch, 0, 0);
    tree.add(WorkModeBranch, ArmingRecord, 0);
    for (int n = 1; n <= 4; ++n) tree.add(InputBranch, n, 0);
    for (int n = 1; n <= OutputCount; ++n) {
        tree.add(KindOutput, 0, 0, n);
        tree.add(OutputChildren, n, n);
    }
    tree.add(KindTest, 0);
    tree.add(VoltageBranch, VoltageTestNumber, VoltageTestNumber);
    tree.add(GsmBranch, GsmTestNumber, GsmTestNumber);
    tree.add(PeriodicBranch, PeriodicTestNumber, PeriodicTestNumber);
    for (int kind : {KindExternalPanel, KindPhoneBook, KindSmsCentre, KindPin, KindRequest})
        tree.add(kind, 0);
    return tree.take();
}

// Replaces the first "%s" or "%d" of a language text. Texts come from files,
// so they are never handed to printf.
std::string fill(const std::string& format, const std::string& value) {
    for (std::size_t i = 0; i + 1 < format.size(); ++i) {
        if (format[i] == '%' && (format[i + 1] == 's' || format[i + 1] == 'd'))
            return format.substr(0, i) + value + format.substr(i + 2);
    }
    return format;
}

// "ALARM %s" with "для входа 2", or the panel's fixed caption.
std::string channelCaption(const char* key, const char* panelCaption, const TreeNode& node,
                           const LanguageTexts& texts) {
    if (node.input == ArmingRecord) return panelCaption;
    return fill(texts.text(key), fill(texts.text("CAPTIONPAGESMSTEXTEx1"), std::to_string(node.input)));
}

std::string withOwner(const char* key, const char* ownerKey, const LanguageTexts& texts) {
    return fill(texts.text(key), texts.text(ownerKey));
}

struct CaptionRule {
    int kind;
    const char* key;
    enum { Plain, NumberedOutput, NumberedInput, Channel, Periodic, Voltage } form;
    const char* fixed = nullptr; // panel caption of channels; whole caption when key is null
};

// clang-format off
const CaptionRule captionRules[] = {
    {KindSettings, "TREEINFO", CaptionRule::Plain},
    {KindWorkMode, "TREEWORK_MODE", CaptionRule::Plain},
    {KindInput, "TREEINPUT", CaptionRule::NumberedInput},
    {KindOutput, "TREEOUTPUT", CaptionRule::NumberedOutput},
    {KindTest, "TREETEST", CaptionRule::Plain},
    {KindInputTime, "TREETIME", CaptionRule::Channel},
    {KindReport, "TREEREPORT", CaptionRule::Plain},
    {KindPin, "TREEPIN", CaptionRule::Plain},
    {KindPhoneBook, "TREEPHONE", CaptionRule::Plain},
    {KindSms, "TREESMSTEXT", CaptionRule::Channel, "\xD2\xE5\xEA\xF1\xF2 SMS "}, // "Текст SMS "
    {KindAlarm, "TREEALARMTEXT", CaptionRule::Channel, "ALARM "},
    {KindClip, "TREECLIPTEXT", CaptionRule::Channel, "CLIP "},
    {KindData, "TREEDATATEXT", CaptionRule::Channel, "DATA "},
    {KindSignal, "TREESIGNAL", CaptionRule::NumberedInput},
    {KindGsmTest, nullptr, CaptionRule::Plain, "GSM"},
    {KindPeriodicTest, "TREEPERTEST", CaptionRule::Plain},
    {KindPeriodicTime, "TREETIME", CaptionRule::Periodic},
    {KindPeriodicSms, "TREESMSTEXT", CaptionRule::Periodic},
    {KindPeriodicClip, "TREECLIPTEXT", CaptionRule::Periodic},
    {KindPeriodicData, "TREEDATATEXT", CaptionRule::Periodic},
    {KindGsmLevel, "TREEGSMLEVEL", CaptionRule::Plain},
    {KindGsmReports, "TREEREPGSMTST", CaptionRule::Plain},
    {KindGsmSms, "TREEGSM_SMS", CaptionRule::Plain},
    {KindGsmClip, "TREEGSM_CLIP", CaptionRule::Plain},
    {KindGsmData, "TREEGSM_DATA", CaptionRule::Plain},
    {KindGsmTime, "TREEGSMTIME", CaptionRule::Plain},
    {KindVoltageTest, "TREEVOLTAGETST", CaptionRule::Plain},
    {KindVoltageReports, "TREEVL_TST_REP", CaptionRule::Plain},
    {KindVoltageSettings, "TREEVL_TST_SET", CaptionRule::Plain},
    {KindVoltageClip, "TREECLIPTEXT", CaptionRule::Voltage},
    {KindVoltageData, "TREEDATATEXT", CaptionRule::Voltage},
    {KindVoltageSms, "TREESMSTEXT", CaptionRule::Voltage},
    {KindSmsCentre, "TREESMSCENTRE", CaptionRule::Plain},
    {KindPrintInfo, "TREEPRNTINFO", CaptionRule::Plain},
    {KindSerialNumber, "TREEPRNTSNUM", CaptionRule::Plain},
    {KindComment, "TREEPRNCOMMEN", CaptionRule::Plain},
    {KindSimPhone, "TREEPRNSIMPH", CaptionRule::Plain},
    {KindSimRegNumber, "TREEPRNTRNUM", CaptionRule::Plain},
    {KindFirmware, "TREEFWAREVERS", CaptionRule::Plain},
    {KindOutputMode, "TREEOUTTYPE", CaptionRule::NumberedOutput},
    {KindOutputControlSms, "TREECONTRSMS", CaptionRule::NumberedOutput},
    {KindOutputAnswerSms, "TREEANSWSMS", CaptionRule::NumberedOutput},
    {KindOutputStart, "TREEOUTSMODE", CaptionRule::NumberedOutput},
    {KindOutputTimes, "TREEOUTTIME", CaptionRule::NumberedOutput},
    {KindPeriodicReports, "TREEREPPERTST", CaptionRule::Plain},
    {KindRequest, "TREEZAP", CaptionRule::Plain},
    {KindExternalPanel, nullptr, CaptionRule::Plain, "\xC2\xED\xE5\xF8\xED\xFF\xFF \xCA\xCF"}, // "Внешняя КП"
};
// clang-format on

struct PageRule {
    int kind;
    const char* page;
};

const PageRule pageRules[] = {
    {KindSettings, "Info"},
    {KindWorkMode, "CPanel_Mode"},
    {KindInput, "Input"},
    {KindOutput, "Output"},
    {KindTest, "TestBlockInfo"},
    {KindInputTime, "Time"},
    {KindReport, "InReport"},
    {KindPin, "Pin"},
    {KindPhoneBook, "Phone"},
    {KindSms, "SMS_Text"},
    {KindAlarm, "ALARM_Set"},
    {KindExtraInfo, "DopParam234"},
    {KindClip, "CLIP_Set"},
    {KindData, "DATA_Set"},
    {KindSignal, "Signal"},
    {KindGsmTest, "TestInformation"},
    {KindPeriodicTest, "TestInformation"},
    {KindPeriodicTime, "TestTime"},
    {KindPeriodicSms, "PerSMSText"},
    {KindPeriodicClip, "PerCLIPSet"},
    {KindPeriodicData, "PerDATASet"},
    {KindGsmLevel, "GSMSignal"},
    {KindGsmReports, "GSM_Reports"},
    {KindGsmSms, "GSMSMS_Text"},
    {KindGsmClip, "GSM_CLIP"},
    {KindGsmData, "TestInformation"},
    {KindGsmTime, "GSMNet_Time"},
    {KindVoltageTest, "TestBlockInfo"},
    {KindVoltageReports, "VoltageRep"},
    {KindVoltageSettings, "VoltageAC_DC_Set"},
    {KindVoltageClip, ""},
    {KindVoltageData, "VoltDATA"},
    {KindVoltageSms, "VoltSMS"},
    {KindSmsCentre, "SMSCentre"},
    {KindPrintInfo, "PrintInfo_Rep"},
    {KindSerialNumber, "PrintInfoSNum"},
    {KindComment, "PrintInfoComment"},
    {KindSimPhone, "PrintInfoSIMPh"},
    {KindSimRegNumber, "PrintInfoRegNum"},
    {KindFirmware, "PrintFWareVersion"},
    {KindOutputMode, "OutputType"},
    {KindOutputControlSms, "OutSMSControl"},
    {KindOutputAnswerSms, "OutSMSAnswer"},
    {KindOutputStart, "OutStart"},
    {KindOutputTimes, "OUT_TIME"},
    {KindPeriodicReports, "PerReports"},
    {KindRequest, "zapros"},
    {KindExternalPanel, "CROW Adapter"},
};

// The methods mask that drives a channel node, or null for other nodes.
const Byte* ownerMethods(const TreeNode& node, const ConfigurationModel& m) {
    switch (node.kind) {
    case KindSms:
    case KindAlarm:
    case KindClip:
    case KindData: return &m.input(node.input).ReportMethods;
    case KindPeriodicSms:
    case KindPeriodicClip:
    case KindPeriodicData: return &m.TestMethods;
    case KindGsmSms:
    case KindGsmClip:
    case KindGsmData: return &m.GsmMethods;
    case KindVoltageSms:
    case KindVoltageClip:
    case KindVoltageData: return &m.VoltMethods;
    default: return nullptr;
    }
}

Byte channelBit(int kind) {
    switch (kind) {
    case KindAlarm: return MethodAlarm;
    case KindSms:
    case KindPeriodicSms:
    case KindGsmSms:
    case KindVoltageSms: return MethodSms;
    case KindClip:
    case KindPeriodicClip:
    case KindGsmClip:
    case KindVoltageClip: return MethodClip;
    default: return MethodData;
    }
}

bool channelOn(const TreeNode& node, const ConfigurationModel& m) {
    const Byte* methods = ownerMethods(node, m);
    return methods && (*methods & channelBit(node.kind));
}

// Input 1 serves as the panel's arming input.
bool inputOneHanded(const ConfigurationModel& m) {
    return m.OperatingMode == ControlPanelMode && m.arm().SignalType == 0;
}

TreeIcon channelIcon(const TreeNode& node, const ConfigurationModel& m) {
    const bool on = channelOn(node, m);
    switch (channelBit(node.kind)) {
    case MethodAlarm: return on ? TreeIcon::Alarm : TreeIcon::AlarmOff;
    case MethodSms: return on ? TreeIcon::Sms : TreeIcon::SmsOff;
    case MethodClip: return on ? TreeIcon::Clip : TreeIcon::ClipOff;
    default: return on ? TreeIcon::Data : TreeIcon::DataOff;
    }
}

} // namespace

const std::vector<TreeNode>& SettingsTreeNodes() {
    static const std::vector<TreeNode> nodes = buildTree();
    return nodes;
}

std::string NodeCaption(const TreeNode& node, const LanguageTexts& texts) {
    for (const CaptionRule& rule : captionRules) {
        if (rule.kind != node.kind) continue;
        if (!rule.key) return rule.fixed;
        switch (rule.form) {
        case CaptionRule::Plain: return texts.text(rule.key);
        case CaptionRule::NumberedInput: return texts.text(rule.key) + std::to_string(node.input);
        case CaptionRule::NumberedOutput: return texts.text(rule.key) + std::to_string(node.output);
        case CaptionRule::Channel:
            return channelCaption(rule.key, rule.fixed ? rule.fixed : "", node, texts);
        case CaptionRule::Periodic: return withOwner(rule.key, "CAPTIONPAGESMSTEXTEx2", texts);
        case CaptionRule::Voltage: return withOwner(rule.key, "CAPTIONPAGESMSTEXTEx5", texts);
        }
    }
    if (node.kind == KindExtraInfo)
        return texts.text("TREEDOP_PARAM") + " " + std::to_string(node.input);
    return {};
}

TreeIcon NodeIcon(const TreeNode& node, const ConfigurationModel& m) {
    switch (node.kind) {
    case KindSettings: return TreeIcon::ProjectInfo;
    case KindWorkMode: return TreeIcon::WorkMode;
    case KindInput:
        if (!m.input(node.input).Enabled) return TreeIcon::InputDisabled;
        return node.input == 1 && inputOneHanded(m) ? TreeIcon::InputHanded : TreeIcon::Input;
    case KindOutput: return TreeIcon::Output;
    case KindTest: return TreeIcon::Input;
    case KindInputTime:
    case KindPeriodicTime: return TreeIcon::Time;
    case KindReport:
    case KindGsmReports:
    case KindVoltageReports:
    case KindPeriodicReports: return TreeIcon::Report;
    case KindPin: return TreeIcon::Pin;
    case KindPhoneBook:
    case KindSmsCentre:
    case KindSimPhone: return TreeIcon::Phone;
    case KindExtraInfo:
        return m.OperatingMode == ControlPanelMode ? TreeIcon::ContactId : TreeIcon::ContactIdOff;
    case KindSignal: return TreeIcon::Signal;
    case KindGsmTest: return m.GsmTestEnabled ? TreeIcon::Input : TreeIcon::InputDisabled;
    case KindPeriodicTest: return m.TestEnabled ? TreeIcon::Input : TreeIcon::InputDisabled;
    case KindVoltageTest:
        return m.AcTestEnabled || m.DcTestEnabled ? TreeIcon::Input : TreeIcon::InputDisabled;
    case KindGsmLevel: return TreeIcon::Gsm;
    case KindGsmTime: return TreeIcon::OutputTime;
    case KindVoltageSettings: return TreeIcon::ContactId;
    case KindPrintInfo: return TreeIcon::PrintInfo;
    case KindSerialNumber: return TreeIcon::SerialNumber;
    case KindComment: return TreeIcon::Comment;
    case KindSimRegNumber: return TreeIcon::RegNumber;
    case KindFirmware: return TreeIcon::Firmware;
    case KindOutputMode: return TreeIcon::OutputType;
    case KindOutputControlSms:
    case KindOutputAnswerSms: return TreeIcon::Sms;
    case KindOutputStart:
        return m.output(node.output).StartState ? TreeIcon::OutputOff : TreeIcon::OutputOn;
    case KindOutputTimes:
        return m.output(node.output).OutputType == OutputBistable ? TreeIcon::OutputTimeOff
                                                                  : TreeIcon::OutputTime;
    case KindRequest: return TreeIcon::Request;
    case KindExternalPanel: return TreeIcon::ExternalPanel;
    default: return channelIcon(node, m);
    }
}

bool NodeEnabled(const TreeNode& node, const ConfigurationModel& m) {
    if (ownerMethods(node, m)) return channelOn(node, m);
    const bool handedInputOne = node.input == 1 && inputOneHanded(m);
    switch (node.kind) {
    case KindExtraInfo: return m.OperatingMode == ControlPanelMode && !handedInputOne;
    case KindInput:
    case KindReport:
    case KindInputTime:
    case KindSignal: return !handedInputOne;
    case KindOutputTimes: {
        const Byte type = m.output(node.output).OutputType;
        return type != OutputBistable && type != OutputSystem;
    }
    case KindOutputControlSms:
    case KindOutputAnswerSms:
    case KindOutputStart: return m.output(node.output).OutputType != OutputSystem;
    default: return true;
    }
}

const char* NodePageName(int kind) {
    for (const PageRule& rule : pageRules)
        if (rule.kind == kind) return rule.page;
    return "";
}

bool ExpandsWhenSelected(int kind) {
    return kind == KindReport || kind == KindGsmReports || kind == KindPeriodicReports;
}

} // namespace skarvion
