#include <map>
#include <thread>

#include <gtest/gtest.h>

#include "support/linkfixture.h"

namespace spectavo::link {
namespace {

using namespace std::chrono_literals;

void waitUntilClosed(StationLink &link) {
    for (int i = 0; i < 2000 && link.acquisition().open.load(); ++i)
        std::this_thread::sleep_for(1ms);
}

TEST(TimedSampling, TwoSecondsAtHalfSecondStepsGiveFivePoints) {
    test::LinkFixture fixture;
    test::TestTimedTarget curve(2, 0.5f, 5);
    test::ReadingFeeder instrument(*fixture.link, 500.0f, 0.25f);
    instrument.waitForFirst();
    ASSERT_TRUE(fixture.link->operations().StartTimedSampling(10, &curve, &fixture.window));
    // At once, not after a period: on a loaded machine the next tick may already have followed.
    EXPECT_GE(curve.m_count.load(), 1) << "the first point is taken at once";
    waitUntilClosed(*fixture.link);
    EXPECT_EQ(curve.m_count.load(), 5);
    EXPECT_EQ(curve.m_points, (std::vector<float>(5, 0.25f)));
    EXPECT_EQ(fixture.link->acquisition().missingPoints.load(), 0);
    EXPECT_EQ(fixture.window.count(NotifyKind::Acquisition, 0), 5);
    EXPECT_EQ(fixture.window.count(NotifyKind::Acquisition, 1), 1);
    EXPECT_EQ(fixture.window.count(NotifyKind::Acquisition, 2), 0) << "a clean end is no stop";
    EXPECT_FALSE(curve.m_acquiring.load());
    EXPECT_EQ(curve.m_releases.load(), 1);
    EXPECT_TRUE(fixture.main.received(Notification::station(1, 0)));
}

// Readings come every 4 periods, each with a value of its own: no value may be stored twice, and the
// ticks between them are missing points (0), counted.
TEST(TimedSampling, ATickWithoutANewReadingIsAMissingPointNeverACopy) {
    test::LinkFixture fixture;
    test::TestTimedTarget curve(1000, 1.0f, 1001);
    ASSERT_TRUE(fixture.link->operations().StartTimedSampling(3, &curve, &fixture.window));
    for (int reading = 1; reading <= 12; ++reading) {
        test::publishReading(*fixture.link, static_cast<float>(reading), 500.0f);
        std::this_thread::sleep_for(12ms);
    }
    fixture.link->operations().StopMeasurement();
    const int sampled = fixture.link->acquisition().sampledPoints.load();
    ASSERT_GT(sampled, 12);
    std::map<float, int> uses;
    int zeros = 0;
    for (int i = 0; i < sampled; ++i) {
        const float value = curve.m_points[static_cast<std::size_t>(i)];
        value == 0.0f ? ++zeros : ++uses[value];
    }
    for (const auto &[value, count] : uses)
        EXPECT_EQ(count, 1) << "reading " << value << " stored " << count << " times";
    EXPECT_GE(zeros, sampled / 2) << "most ticks had no reading of their own";
    EXPECT_EQ(fixture.link->acquisition().missingPoints.load(), zeros);
}

TEST(TimedSampling, ReadingsAtAnotherWavelengthAreNoPoints) {
    test::LinkFixture fixture;
    test::TestTimedTarget curve(1, 0.5f, 3);
    test::ReadingFeeder drive(*fixture.link, 499.9f, 0.0003f);
    ASSERT_TRUE(fixture.link->operations().StartTimedSampling(5, &curve, &fixture.window));
    waitUntilClosed(*fixture.link);
    EXPECT_EQ(curve.m_points, (std::vector<float>(3, 0.0f)));
    EXPECT_EQ(fixture.link->acquisition().missingPoints.load(), 3);
    EXPECT_EQ(fixture.window.count(NotifyKind::Acquisition, 2), 0)
        << "readings keep coming: the instrument is alive, the points are missing";
}

// The instrument falls silent: the scan ends as broken after the silence limit, counted in ticks.
TEST(TimedSampling, ASilentInstrumentEndsTheScanAsBrokenAfterTheSilenceLimit) {
    test::LinkFixture fixture;
    link::LinkTiming timing;
    timing.giveUpSending = 200ms;
    timing.silenceGiveUp = 40ms;
    fixture.link->setTiming(timing);
    test::TestTimedTarget curve(100, 0.5f, 201);
    test::ReadingFeeder instrument(*fixture.link, 500.0f, 1.2f, 100us);
    ASSERT_TRUE(fixture.link->operations().StartTimedSampling(5, &curve, &fixture.window));
    std::this_thread::sleep_for(30ms);
    instrument.fallSilent();
    waitUntilClosed(*fixture.link);
    ASSERT_FALSE(fixture.link->acquisition().open.load()) << "the scan ended by itself";
    const auto posted = fixture.window.posted();
    ASSERT_GE(posted.size(), 2u);
    EXPECT_EQ(posted[posted.size() - 2], Notification::acquisition(kAcqStopped, 0));
    EXPECT_EQ(posted.back(), Notification::acquisition(kAcqFinished, 0));
    const int sampled = fixture.link->acquisition().sampledPoints.load();
    ASSERT_GT(sampled, 7);
    ASSERT_LT(sampled, 201);
    // 40 ms at 5 ms a tick: the eighth silent tick gives up; the seven before are missing points.
    EXPECT_GE(fixture.link->acquisition().missingPoints.load(), 7);
    for (int i = sampled - 7; i < sampled; ++i)
        EXPECT_EQ(curve.m_points[static_cast<std::size_t>(i)], 0.0f) << i;
    for (int i = 0; i < sampled; ++i)
        EXPECT_TRUE(curve.m_points[static_cast<std::size_t>(i)] == 0.0f ||
                    curve.m_points[static_cast<std::size_t>(i)] == 1.2f)
            << i;
    EXPECT_FALSE(curve.m_acquiring.load());
    EXPECT_EQ(curve.m_releases.load(), 1);
}

TEST(TimedSampling, AnOfflineLinkEndsTheScanAsBrokenAtOnce) {
    test::LinkFixture fixture;
    test::TestTimedTarget curve(100, 0.5f, 201);
    test::ReadingFeeder instrument(*fixture.link, 500.0f, 1.2f);
    fixture.link->status().linkOnline.store(1);
    ASSERT_TRUE(fixture.link->operations().StartTimedSampling(5, &curve, &fixture.window));
    std::this_thread::sleep_for(20ms);
    fixture.link->status().linkOnline.store(0);
    waitUntilClosed(*fixture.link);
    EXPECT_FALSE(fixture.link->acquisition().open.load());
    EXPECT_EQ(fixture.window.count(NotifyKind::Acquisition, kAcqStopped), 1);
}

// The instrument ends the acquisition from its side (operation finished, scan ended): the scan ends as
// a stop does, the window hears it once and the curve is released.
TEST(TimedSampling, AnEndFromTheInstrumentsSideEndsTheScanAsAStop) {
    for (const StationPacket &end :
         {test::packet(kPacketOperationState, {kOperationFinished}), test::packet(kPacketScanEnded, {})}) {
        test::LinkFixture fixture;
        test::TestTimedTarget curve(100, 0.5f, 201);
        test::ReadingFeeder instrument(*fixture.link, 500.0f, 0.8f);
        ASSERT_TRUE(fixture.link->operations().StartTimedSampling(5, &curve, &fixture.window));
        std::this_thread::sleep_for(20ms);
        fixture.link->decodePacket(end);
        waitUntilClosed(*fixture.link);
        ASSERT_FALSE(fixture.link->acquisition().open.load()) << "packet " << int(end.code);
        EXPECT_EQ(fixture.window.count(NotifyKind::Acquisition, kAcqStopped), 1) << int(end.code);
        EXPECT_EQ(fixture.window.count(NotifyKind::Acquisition, kAcqFinished), 1) << int(end.code);
        EXPECT_GT(fixture.link->acquisition().sampledPoints.load(), 1);
        EXPECT_FALSE(curve.m_acquiring.load());
        EXPECT_EQ(curve.m_releases.load(), 1);
        // A new scan can start: nothing was left open.
        test::TestTimedTarget next(1, 0.5f, 3);
        EXPECT_TRUE(fixture.link->operations().StartTimedSampling(5, &next, &fixture.window));
        fixture.link->operations().StopMeasurement();
    }
}

// A window that closes its acquisition ends its scan before the close returns.
TEST(TimedSampling, AWindowClosingItsAcquisitionEndsItsScanFirst) {
    test::LinkFixture fixture;
    auto curve = std::make_unique<test::TestTimedTarget>(100, 0.5f, 201);
    test::ReadingFeeder instrument(*fixture.link, 500.0f, 0.8f);
    ASSERT_TRUE(fixture.link->operations().StartTimedSampling(2, curve.get(), &fixture.window));
    std::this_thread::sleep_for(10ms);
    fixture.link->operations().CloseAcquisitionOf(&fixture.window);
    EXPECT_FALSE(fixture.link->acquisition().open.load());
    EXPECT_EQ(fixture.window.count(NotifyKind::Acquisition, kAcqStopped), 1);
    curve.reset(); // freed at once: nothing of the link may touch it now (AddressSanitizer)
    std::this_thread::sleep_for(10ms);
}

TEST(TimedSampling, StartIsRefusedWhileAnotherAcquisitionIsOpen) {
    test::LinkFixture fixture;
    test::TestTimedTarget curve(2, 0.5f, 5);
    test::RecordingTarget other;
    fixture.link->operations().OpenAcquisition(&other, kModeCellReading);
    EXPECT_FALSE(fixture.link->operations().StartTimedSampling(5, &curve, &fixture.window));
    EXPECT_EQ(curve.m_count.load(), 0);
}

TEST(TimedSampling, StopRacingTheLastTickEndsTheSamplingExactlyOnce) {
    test::LinkFixture fixture;
    for (int run = 0; run < 200; ++run) {
        test::TestTimedTarget curve(1, 0.5f, 3);
        fixture.window.clear();
        ASSERT_TRUE(fixture.link->operations().StartTimedSampling(1, &curve, &fixture.window));
        std::this_thread::sleep_for(std::chrono::microseconds(500 + (run % 7) * 300));
        fixture.link->operations().StopMeasurement();
        EXPECT_FALSE(fixture.link->acquisition().open.load());
        EXPECT_LE(fixture.window.count(NotifyKind::Acquisition, 1), 1) << "run " << run;
        EXPECT_LE(curve.m_releases.load(), 1) << "run " << run;
        const int points = curve.m_count.load();
        // Once the stop has returned, nothing writes into the curve any more.
        std::this_thread::sleep_for(2ms);
        EXPECT_EQ(curve.m_count.load(), points) << "run " << run;
    }
}

TEST(TimedSampling, StopMeasurementTellsTheWindowAndClosesTheCurve) {
    test::LinkFixture fixture;
    test::TestTimedTarget curve(100, 1.0f, 101);
    ASSERT_TRUE(fixture.link->operations().StartTimedSampling(1000, &curve, &fixture.window));
    fixture.link->operations().StopMeasurement();
    const auto posted = fixture.window.posted();
    ASSERT_GE(posted.size(), 3u);
    EXPECT_EQ(posted[posted.size() - 2], Notification::acquisition(2, 0));
    EXPECT_EQ(posted.back(), Notification::acquisition(1, 0));
    EXPECT_EQ(curve.m_count.load(), 101) << "the full count of the curve's grid";
    EXPECT_GE(fixture.link->acquisition().sampledPoints.load(), 1) << "how far the scan got";
    EXPECT_LT(fixture.link->acquisition().sampledPoints.load(), 101);
    EXPECT_EQ(test::sentCommands().back().code, kEscape);
}

} // namespace
} // namespace spectavo::link
