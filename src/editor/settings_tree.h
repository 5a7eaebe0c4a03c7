#pragma once

// The settings tree as data: its 92 nodes in display order, and the rules that
// give each node its caption, icon, enabled state and page from the model.
// The tree widget only shows what these functions say.

#include "locale/language_texts.h"
#include "model/configuration_model.h"

#include <string>
#include <vector>

namespace skarvion {

enum NodeKind : int {
    KindSettings = 0,
    KindWorkMode = 1,
    KindInput = 2,
    KindOutput = 3,
    KindTest = 4,
    KindInputTime = 5,
    KindReport = 7,
    KindPin = 8,
    KindPhoneBook = 9,
    KindSms = 10,
    KindAlarm = 11,
    KindExtraInfo = 12,
    KindClip = 13,
    KindData = 14,
    KindSignal = 15,
    KindGsmTest = 17,
    KindPeriodicTest = 18,
    KindPeriodicTime = 19,
    KindPeriodicSms = 20,
    KindPeriodicClip = 21,
    KindPeriodicData = 22,
    KindGsmLevel = 23,
    KindGsmReports = 24,
    KindGsmSms = 25,
    KindGsmClip = 26,
    KindGsmData = 27,
    KindGsmTime = 29,
    KindVoltageTest = 35,
    KindVoltageReports = 36,
    KindVoltageSettings = 37,
    KindVoltageClip = 38,
    KindVoltageData = 39,
    KindVoltageSms = 40,
    KindSmsCentre = 43,
    KindPrintInfo = 44,
    KindSerialNumber = 45,
    KindComment = 47,
    KindSimPhone = 48,
    KindSimRegNumber = 49,
    KindFirmware = 50,
    KindOutputMode = 51,
    KindOutputControlSms = 52,
    KindOutputAnswerSms = 53,
    KindOutputStart = 54,
    KindOutputTimes = 55,
    KindPeriodicReports = 56,
    KindRequest = 57,
    KindExternalPanel = 60,
};

struct TreeNode {
    int kind = 0;
    int input = 0;  // 1..4 for an input's nodes, 5 for the panel report branch
    int output = 0; // 1..3 for an output's nodes
    int parent = -1; // index of the parent node, -1 for a root
};

// All nodes, parents before their children, siblings in display order.
const std::vector<TreeNode>& SettingsTreeNodes();

// The current node context the pages work on.
struct NodeContext {
    int kind = 0;
    int input = 0;
    int output = 0;
};

enum class TreeIcon {
    ProjectInfo,
    WorkMode,
    Input,
    InputDisabled,
    InputHanded,
    Output,
    Time,
    Report,
    Pin,
    Phone,
    Sms,
    SmsOff,
    Alarm,
    AlarmOff,
    Clip,
    ClipOff,
    Data,
    DataOff,
    ContactId,
    ContactIdOff,
    Signal,
    Gsm,
    OutputTime,
    OutputTimeOff,
    PrintInfo,
    SerialNumber,
    Comment,
    RegNumber,
    Firmware,
    OutputType,
    OutputOn,
    OutputOff,
    Request,
    ExternalPanel,
};

// Windows-1251 caption of a node in the current language.
std::string NodeCaption(const TreeNode& node, const LanguageTexts& texts);

TreeIcon NodeIcon(const TreeNode& node, const ConfigurationModel& model);

bool NodeEnabled(const TreeNode& node, const ConfigurationModel& model);

// Name of the page a node kind shows; empty when the page area keeps its page.
const char* NodePageName(int kind);

// Report nodes expand their whole subtree when selected.
bool ExpandsWhenSelected(int kind);

} // namespace skarvion
