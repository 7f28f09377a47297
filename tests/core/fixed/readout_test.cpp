// One readout against the scripted hub: the exact commands, the values stored through the link's
// decoder, closing and cancelling; the command rules and the automatic run over the cells.

#include <gtest/gtest.h>

#include "core/fixed/fixedautorun.h"
#include "core/fixed/fixedcommandrules.h"
#include "core/fixed/readoutsequence.h"
#include "core/link/commands.h"
#include "support/linkfixture.h"

namespace spectavo::fixed {
namespace {

using link::Notification;
using test::SentCommand;

SentCommand gotoCommand(std::uint8_t b2, std::uint8_t b3) {
    return {link::kGotoWavelength, {0, 0, b2, b3}};
}

class ReadoutTest : public ::testing::Test {
protected:
    ReadoutTest() { test::hubReset(); }
    ReadoutPoints points(std::initializer_list<float> wavelengths, float blank = 0.0f) {
        ReadoutPoints result;
        for (float nm : wavelengths) {
            result.wavelengths[static_cast<std::size_t>(result.count)] = nm;
            result.blanks[static_cast<std::size_t>(result.count)] = blank;
            ++result.count;
        }
        return result;
    }
    // Whatever the link has posted to the readout's window since the last call, handed to it.
    std::vector<ReadoutSequence::Reaction> deliver(ReadoutSequence &sequence) {
        std::vector<ReadoutSequence::Reaction> reactions;
        const auto posted = fixture.window.posted();
        fixture.window.clear();
        for (const Notification &notification : posted)
            reactions.push_back(sequence.handle(notification));
        return reactions;
    }
    // The instrument arrives at `tenths`, acknowledges the goto and sends one reading there.
    void instrumentReads(std::uint16_t tenths, float sample) {
        const std::uint8_t at[] = {static_cast<std::uint8_t>(tenths >> 8), static_cast<std::uint8_t>(tenths)};
        link.decodePacket(test::packet(link::kPacketWavelengthReached, {at[0], at[1]}));
        link.decodePacket(test::packet(link::kPacketAcknowledgement, {link::kGotoWavelength, 0}));
        link.decodePacket(
            test::packet(link::kPacketReading, test::readingRecord(tenths, 1000, 0, sample, 0.0f)));
    }
    void instrumentArrives(std::uint16_t tenths) {
        link.decodePacket(
            test::packet(link::kPacketWavelengthReached,
                         {static_cast<std::uint8_t>(tenths >> 8), static_cast<std::uint8_t>(tenths)}));
        link.decodePacket(test::packet(link::kPacketAcknowledgement, {link::kGotoWavelength, 0}));
    }

    test::LinkFixture fixture;
    link::StationLink &link = *fixture.link;
};

TEST_F(ReadoutTest, OneWavelengthReadsOnceAndIsDoneAfterTheSecondAcknowledgement) {
    ReadoutSequence sequence(link, &fixture.window, points({260.0f}, 0.1f));
    ASSERT_TRUE(sequence.begin());
    EXPECT_EQ(test::sentCommands(), (std::vector<SentCommand>{gotoCommand(0x0A, 0x28)}));

    instrumentReads(2600, 500.0f); // A = log10(1000 / 500) = 0.30103
    auto reactions = deliver(sequence);
    ASSERT_EQ(reactions.size(), 2u);
    EXPECT_FALSE(reactions[0].done);
    ASSERT_TRUE(reactions[1].shown);
    EXPECT_EQ(*reactions[1].shown, 0);
    EXPECT_TRUE(reactions[1].lastReading);
    EXPECT_FALSE(sequence.finished());
    EXPECT_NEAR(sequence.value(0), 0.30103f - 0.1f, 1e-5);
    EXPECT_EQ(test::sentCommands(),
              (std::vector<SentCommand>{gotoCommand(0x0A, 0x28), gotoCommand(0x0A, 0x28)}));

    instrumentArrives(2600);
    reactions = deliver(sequence);
    ASSERT_EQ(reactions.size(), 1u);
    EXPECT_TRUE(reactions[0].done);
    EXPECT_TRUE(sequence.finished());
    EXPECT_FLOAT_EQ(link.acquisition().blankAbsorbance.load(), 0.1f);
    // Further readings while the readout stays open change nothing.
    link.decodePacket(test::packet(link::kPacketReading, test::readingRecord(2600, 1000, 0, 100.0f, 0.0f)));
    for (const auto &reaction : deliver(sequence))
        EXPECT_FALSE(reaction.shown);
    EXPECT_NEAR(sequence.value(0), 0.20103f, 1e-5);
}

TEST_F(ReadoutTest, ThreeWavelengthsGoInOrderThenBackAndCloseWithEscapeAndTheFirstAgain) {
    ReadoutSequence sequence(link, &fixture.window, points({260.0f, 280.5f, 320.0f}));
    ASSERT_TRUE(sequence.begin());
    for (std::uint16_t tenths : {2600, 2805, 3200}) {
        instrumentReads(tenths, 250.0f);
        deliver(sequence);
    }
    instrumentArrives(2600);
    deliver(sequence);
    EXPECT_TRUE(sequence.finished());
    sequence.close();
    EXPECT_EQ(test::sentCommands(),
              (std::vector<SentCommand>{gotoCommand(0x0A, 0x28), gotoCommand(0x0A, 0xF5),
                                        gotoCommand(0x0C, 0x80), gotoCommand(0x0A, 0x28),
                                        SentCommand{link::kEscape, {}}, gotoCommand(0x0A, 0x28)}));
    EXPECT_FALSE(link.acquisition().open.load());
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(sequence.value(i), 0.60206f, 1e-5);
}

TEST_F(ReadoutTest, AReadingAwayFromTheTargetOrBeforeTheAcknowledgementIsNotTaken) {
    ReadoutSequence sequence(link, &fixture.window, points({500.0f, 600.0f}));
    ASSERT_TRUE(sequence.begin());
    link.decodePacket(test::packet(link::kPacketReading, test::readingRecord(5000, 1000, 0, 500.0f, 0.0f)));
    instrumentArrives(5000);
    link.decodePacket(test::packet(link::kPacketReading, test::readingRecord(4990, 1000, 0, 500.0f, 0.0f)));
    auto reactions = deliver(sequence);
    for (const auto &reaction : reactions)
        EXPECT_FALSE(reaction.shown);
    EXPECT_EQ(sequence.index(), 0);
    EXPECT_EQ(test::hubSentCount(), 1);
}

TEST_F(ReadoutTest, StopUnderAReadoutEndsItAndAClosedReadoutTakesNothingMore) {
    ReadoutSequence sequence(link, &fixture.window, points({500.0f, 600.0f}));
    ASSERT_TRUE(sequence.begin());
    instrumentArrives(5000);
    deliver(sequence);
    link.operations().StopMeasurement();
    auto reactions = deliver(sequence);
    ASSERT_EQ(reactions.size(), 1u);
    EXPECT_TRUE(reactions[0].stopped);
    sequence.close();
    EXPECT_FALSE(link.acquisition().open.load());
}

TEST_F(ReadoutTest, AReadoutThatGoesAwayOpenClosesItsAcquisition) {
    {
        ReadoutSequence sequence(link, &fixture.window, points({500.0f}));
        ASSERT_TRUE(sequence.begin());
        EXPECT_TRUE(link.acquisition().open.load());
    }
    EXPECT_FALSE(link.acquisition().open.load());
    EXPECT_EQ(test::sentCommands().at(1), (SentCommand{link::kEscape, {}}));
}

// The command rules.

FixedWindowState readyState() {
    FixedWindowState state;
    state.linkOnline = true;
    state.stationReady = true;
    state.installedCells = 2;
    return state;
}

TEST(FixedCommandRules, MeasuringNeedsAValidMethodAndAFreeReadyInstrument) {
    EXPECT_TRUE(fixedCommandState(kStart, readyState()).enabled);
    for (auto spoil : std::vector<std::function<void(FixedWindowState &)>>{
             [](FixedWindowState &s) { s.methodValid = false; },
             [](FixedWindowState &s) { s.linkOnline = false; },
             [](FixedWindowState &s) { s.acquisitionOpen = true; },
             [](FixedWindowState &s) { s.lampStable = false; },
             [](FixedWindowState &s) { s.stationReady = false; },
             [](FixedWindowState &s) { s.autorunActive = true; }}) {
        FixedWindowState state = readyState();
        spoil(state);
        EXPECT_FALSE(measuringAllowed(state));
        for (FixedCommand command :
             {kStart, kAutorun, kBlankCalibration, kAutoBlankCalibration, kSystemBaseline})
            EXPECT_FALSE(fixedCommandState(command, state).enabled) << command;
    }
}

TEST(FixedCommandRules, ModifyAndDeleteLookAtTheirOwnTable) {
    FixedWindowState state = readyState();
    state.sampleRows = 3;
    state.pageRows = 0; // the standard table's buttons while the sample table has rows
    EXPECT_FALSE(fixedCommandState(kModify, state).enabled);
    EXPECT_FALSE(fixedCommandState(kDelete, state).enabled);
    EXPECT_TRUE(fixedCommandState(kExportSample, state).enabled);
    state.pageRows = 1;
    EXPECT_TRUE(fixedCommandState(kModify, state).enabled);
    state.acquisitionOpen = true;
    EXPECT_FALSE(fixedCommandState(kModify, state).enabled);
    EXPECT_TRUE(fixedCommandState(kDelete, state).enabled);
}

// A refused wavelength makes the method invalid: Modify would send it to the instrument.
TEST(FixedCommandRules, AnInvalidMethodDisablesModifyToo) {
    FixedWindowState state = readyState();
    state.pageRows = 1;
    state.methodValid = false;
    EXPECT_FALSE(fixedCommandState(kModify, state).enabled);
    EXPECT_TRUE(fixedCommandState(kDelete, state).enabled);
}

// A readout, an automatic run or a blank calibration works on the tables and the method: nothing
// may change them under it. Viewing and the mode stay available.
TEST(FixedCommandRules, WhileMeasuringNothingChangesTheTablesOrTheMethod) {
    FixedWindowState state = readyState();
    state.pageRows = 3;
    state.sampleRows = 3;
    state.standards = true;
    state.anyPreset = true;
    for (FixedCommand command : {kModify, kDelete, kEditMethod, kStandardSetup, kDeletePresets, kStart, kOpen,
                                 kLoad, kOpenInstrumentFile})
        EXPECT_TRUE(fixedCommandState(command, state).enabled) << command;
    state.measuring = true;
    state.acquisitionOpen = true;
    for (FixedCommand command : {kModify, kDelete, kEditMethod, kStandardSetup, kDeletePresets, kStart, kOpen,
                                 kLoad, kOpenInstrumentFile, kAutorun, kBlankCalibration})
        EXPECT_FALSE(fixedCommandState(command, state).enabled) << command;
    for (FixedCommand command : {kMethodPage, kDisplayPage, kAbsorbanceMode, kExportSample})
        EXPECT_TRUE(fixedCommandState(command, state).enabled) << command;
    // The changer's wait in an automatic run: no acquisition open, the run still holds the tables.
    state.acquisitionOpen = false;
    state.autorunActive = true;
    EXPECT_FALSE(fixedCommandState(kModify, state).enabled);
    EXPECT_FALSE(fixedCommandState(kDelete, state).enabled);
}

TEST(FixedCommandRules, AutorunNeedsTwoCellsAndTransmittanceFollowsTheFamily) {
    FixedWindowState state = readyState();
    state.installedCells = 1;
    EXPECT_FALSE(fixedCommandState(kAutorun, state).enabled);
    state.concentration = true;
    EXPECT_FALSE(fixedCommandState(kTransmittanceMode, state).enabled);
    state.concentration = false;
    state.absorbance = false;
    EXPECT_EQ(fixedCommandState(kTransmittanceMode, state), (CommandState{true, true}));
    EXPECT_EQ(fixedCommandState(kAbsorbanceMode, state), (CommandState{true, false}));
    state.family = DocumentFamily::Validity;
    EXPECT_FALSE(fixedCommandState(kTransmittanceMode, state).enabled);
    state.family = DocumentFamily::DnaProtein;
    state.concentration = true;
    EXPECT_TRUE(fixedCommandState(kTransmittanceMode, state).enabled);
}

// The automatic run.

class FixedAutorunTest : public ::testing::Test {
protected:
    using Clock = FixedAutorun::Clock;
    FixedAutorunTest() {
        test::hubReset();
        fixture.link->status().cellCount.store(6);
        for (int cell : {1, 3, 4})
            accessories.cellInstalled[static_cast<std::size_t>(cell)] = 1;
        accessories.cellName[1] = "Buffer";
        accessories.cellName[3] = std::string(18, ' ');
        accessories.cellName[4] = "";
    }
    void changerReaches(int cell) {
        fixture.link->status().currentCell.store(static_cast<std::uint8_t>(cell));
    }
    std::vector<SentCommand> cellsSelected() const {
        std::vector<SentCommand> found;
        for (const SentCommand &command : test::sentCommands())
            if (command.code == link::kSelectCell)
                found.push_back(command);
        return found;
    }

    test::LinkFixture fixture;
    program::SharedSettings shared;
    program::AppFlags flags;
    program::CellSelection accessories;
    FixedAutorun autorun{{*fixture.link, shared, flags, accessories}};
    Clock::time_point t0{};
};

TEST_F(FixedAutorunTest, MeasuresTheInstalledCellsInOrderNamedAfterThem) {
    changerReaches(0);
    auto step = autorun.start(t0);
    EXPECT_EQ(step.kind, FixedAutorun::Step::Waiting);
    EXPECT_EQ(flags.autorunActive, 1);
    changerReaches(1);
    step = autorun.poll(t0 + std::chrono::seconds(2));
    ASSERT_EQ(step.kind, FixedAutorun::Step::Measure);
    EXPECT_EQ(step.cell, 1);
    EXPECT_EQ(step.name, "Buffer");

    step = autorun.measured(t0 + std::chrono::seconds(3));
    changerReaches(3);
    step = autorun.poll(t0 + std::chrono::seconds(4));
    ASSERT_EQ(step.kind, FixedAutorun::Step::Measure);
    EXPECT_EQ(step.cell, 3);
    EXPECT_FALSE(step.name) << "a name of blanks keeps the row's default name";

    autorun.measured(t0 + std::chrono::seconds(5));
    changerReaches(4);
    step = autorun.poll(t0 + std::chrono::seconds(6));
    EXPECT_FALSE(step.name);
    step = autorun.measured(t0 + std::chrono::seconds(7));
    EXPECT_EQ(step.kind, FixedAutorun::Step::Finished);
    EXPECT_EQ(flags.autorunActive, 0);
    EXPECT_EQ(fixture.link->status().currentCell.load(), 4);
    EXPECT_EQ(cellsSelected(),
              (std::vector<SentCommand>{
                  {link::kSelectCell, {1}}, {link::kSelectCell, {3}}, {link::kSelectCell, {4}}}));
}

TEST_F(FixedAutorunTest, AChangerThatDoesNotArriveInTwentySecondsEndsTheRun) {
    changerReaches(0);
    autorun.start(t0);
    EXPECT_EQ(autorun.poll(t0 + std::chrono::seconds(20)).kind, FixedAutorun::Step::Waiting);
    const auto step = autorun.poll(t0 + std::chrono::milliseconds(20001));
    EXPECT_EQ(step.kind, FixedAutorun::Step::ChangerError);
    EXPECT_EQ(flags.autorunActive, 0);
    EXPECT_FALSE(autorun.running());
    EXPECT_EQ(std::string(FixedAutorun::kChangerError), "Auto-changer error, check and try again!");
}

TEST_F(FixedAutorunTest, StopEndsTheRunAfterTheReadoutUnderWay) {
    changerReaches(1);
    ASSERT_EQ(autorun.start(t0).kind, FixedAutorun::Step::Measure); // already in the light path
    autorun.stop();
    EXPECT_TRUE(autorun.running()); // the readout finishes first
    EXPECT_EQ(autorun.measured(t0).kind, FixedAutorun::Step::Finished);
    EXPECT_EQ(flags.autorunActive, 0);
    EXPECT_EQ(cellsSelected().size(), 1u);
}

TEST(RemoteStartDispatch, MeasuresOnTheShownTableOrBlanks) {
    EXPECT_EQ(remoteStartAction(link::kRemoteMeasure, false, true), RemoteAction::Ignore);
    EXPECT_EQ(remoteStartAction(link::kRemoteMeasure, true, true), RemoteAction::MeasureShownTable);
    EXPECT_EQ(remoteStartAction(link::kRemoteMeasure, true, false), RemoteAction::MeasureSampleTable);
    EXPECT_EQ(remoteStartAction(7, true, false), RemoteAction::AutoBlankCalibration);
}

TEST(CellRowName, BlankNamesGiveNone) {
    EXPECT_FALSE(cellRowName(""));
    EXPECT_FALSE(cellRowName("   "));
    EXPECT_FALSE(cellRowName(std::string(18, ' ')));
    EXPECT_EQ(cellRowName(" x"), " x");
    EXPECT_EQ(cellRowName("Blank"), "Blank");
}

} // namespace
} // namespace spectavo::fixed
