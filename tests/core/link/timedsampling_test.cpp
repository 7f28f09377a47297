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
    fixture.link->acquisition().lastAbsorbance = 0.25f;
    ASSERT_TRUE(fixture.link->StartTimedSampling(5, &curve, &fixture.window));
    // At once, not after a period: on a loaded machine the next tick may already have followed.
    EXPECT_GE(curve.m_count.load(), 1) << "the first point is taken at once";
    waitUntilClosed(*fixture.link);
    EXPECT_EQ(curve.m_count.load(), 5);
    EXPECT_EQ(curve.m_points, (std::vector<float>(5, 0.25f)));
    EXPECT_EQ(fixture.window.count(NotifyKind::Acquisition, 0), 5);
    EXPECT_EQ(fixture.window.count(NotifyKind::Acquisition, 1), 1);
    EXPECT_FALSE(curve.m_acquiring.load());
    EXPECT_EQ(curve.m_releases.load(), 1);
    EXPECT_TRUE(fixture.main.received(Notification::station(1, 0)));
}

TEST(TimedSampling, StartIsRefusedWhileAnotherAcquisitionIsOpen) {
    test::LinkFixture fixture;
    test::TestTimedTarget curve(2, 0.5f, 5);
    test::RecordingTarget other;
    fixture.link->OpenAcquisition(&other, kModeCellReading);
    EXPECT_FALSE(fixture.link->StartTimedSampling(5, &curve, &fixture.window));
    EXPECT_EQ(curve.m_count.load(), 0);
}

TEST(TimedSampling, StopRacingTheLastTickEndsTheSamplingExactlyOnce) {
    test::LinkFixture fixture;
    for (int run = 0; run < 200; ++run) {
        test::TestTimedTarget curve(1, 0.5f, 3);
        fixture.window.clear();
        ASSERT_TRUE(fixture.link->StartTimedSampling(1, &curve, &fixture.window));
        std::this_thread::sleep_for(std::chrono::microseconds(500 + (run % 7) * 300));
        fixture.link->StopMeasurement();
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
    ASSERT_TRUE(fixture.link->StartTimedSampling(1000, &curve, &fixture.window));
    fixture.link->StopMeasurement();
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
