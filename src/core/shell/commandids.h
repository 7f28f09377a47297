#pragma once

namespace spectavo::shell {

// Command ids of the main window's menus.
enum CommandId : int {
    kCmdLink = 10200,
    kCmdReset = 10201,
    kCmdEscape = 10202,
    kCmdStop = 32816,
    kCmdPause = 10203,
    kCmdDarkCurrent = 10212,
    kCmdAmplifier = 32976,
    kCmdLocate656 = 32975,
    kCmdCalibrateBaseline = 10204,
    kCmdSlit05 = 32971,
    kCmdSlit10 = 32972,
    kCmdSlit20 = 32973,
    kCmdSlit40 = 32974,
    kCmdWLamp = 10208,
    kCmdD2Lamp = 10209,
    kCmdSwitchPoint = 10206,
    kCmdHubSetup = 10300,
    kCmdInternalKeypad = 10301,
    kCmdChangePassword = 10303,
    kCmdStatusWindow = 10100,
    kCmdStatusFont = 10101,
    kCmdMulticells = 10500,
    kCmdCell1 = 10520, // .. 10527
    kCmdTransmittance = 50012,
    kCmdAbsorbance = 50013,
    kCmdGoto = 50016,
    kCmdOpenInstrumentFile = 32960,
    kCmdAddPrinter = 32881,
    kCmdEnableSipper = 10400,
    kCmdDisableSipper = 10401,
    kCmdSippingTime = 10403,
    kCmdSipperConnected = 10404,
    kCmdFlushSipper = 10405,
    kCmdSipperSetup = 10406,
    kCmdSippingInterval = 10411,
    kCmdHelpMaintenance = 32887,
    kCmdHelpReplacement = 32888,
    kCmdHelpQuantitative = 32890,
    kCmdHelpWaveScan = 32891,
    kCmdHelpTimeScan = 32892,
};

// The help topics, each a page of the help folder.
inline constexpr int kHelpTopics[] = {kCmdHelpMaintenance, kCmdHelpReplacement, kCmdHelpQuantitative,
                                      kCmdHelpWaveScan, kCmdHelpTimeScan};

} // namespace spectavo::shell
