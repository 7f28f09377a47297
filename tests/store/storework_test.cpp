#include <gtest/gtest.h>

#include "store/jsontext.h"
#include "store/outbox.h"
#include "store/storework.h"
#include "support/tempdir.h"

namespace spectavo::store {
namespace {

ResultRecord sampleResult() {
    ResultRecord result;
    result.resultId = "0123456789abcdef0123456789abcdef";
    result.kind = "wavescan";
    result.sample = "holmium: 1:2";
    result.operatorName = "vega";
    result.startedUtc = "2026-12-11T08:00:00.000Z";
    result.utcOffsetMinutes = -300;
    result.dataFormat = "sca";
    result.data = std::string("a\0b:3", 5);
    return result;
}

TEST(StoreWork, EventsAndResultsComeBackAsTheyWentIn) {
    const NewEvent event{"vega", "login", "", "{}", "6f1c", "2026-12-11T08:00:00.000Z"};
    EXPECT_EQ(encodeWork(event), "E4:vega5:login0:2:{}4:6f1c24:2026-12-11T08:00:00.000Z");
    const auto again = decodeWork(encodeWork(event));
    ASSERT_TRUE(again && std::holds_alternative<NewEvent>(*again));
    EXPECT_EQ(std::get<NewEvent>(*again).utc, event.utc);

    const auto result = decodeWork(encodeWork(sampleResult()));
    ASSERT_TRUE(result && std::holds_alternative<ResultRecord>(*result));
    const auto &back = std::get<ResultRecord>(*result);
    EXPECT_EQ(back.data, sampleResult().data);
    EXPECT_EQ(back.sample, "holmium: 1:2");
    EXPECT_EQ(back.utcOffsetMinutes, -300);
}

TEST(StoreWork, BytesThatAreNoWorkReadAsNothing) {
    const std::string good = encodeWork(NewEvent{"vega", "login", "x"});
    const std::vector<std::string> bad = {"",
                                          "X",
                                          good.substr(0, good.size() - 1),
                                          good + "1",
                                          "E04:vega5:login1:x2:{}0:0:",
                                          "E99999999999999:",
                                          "E-1:"};
    for (const std::string &bytes : bad)
        EXPECT_FALSE(decodeWork(bytes)) << bytes;
    std::string result = encodeWork(sampleResult());
    result.replace(result.find("4:-300"), 6, "4:+300");
    EXPECT_FALSE(decodeWork(result));
}

TEST(StoreWork, StampingGivesIdsOnceAndKeepsGivenOnes) {
    StoreWork event = NewEvent{"vega", "login", ""};
    stampWork(event);
    const NewEvent stamped = std::get<NewEvent>(event);
    EXPECT_EQ(stamped.eventId.size(), 32u);
    EXPECT_EQ(stamped.utc.size(), 24u);
    stampWork(event);
    EXPECT_EQ(std::get<NewEvent>(event).eventId, stamped.eventId);
    StoreWork result = sampleResult();
    stampWork(result);
    EXPECT_EQ(std::get<ResultRecord>(result).resultId, sampleResult().resultId);
}

TEST(ValidUtf8, KeepsWellFormedTextAndMarksEveryOtherByte) {
    EXPECT_EQ(validUtf8("Ångström µg/ml 😀"), "Ångström µg/ml 😀");
    EXPECT_EQ(validUtf8(std::string("a\0b", 3)), "a\uFFFDb");
    EXPECT_EQ(validUtf8("\xe9t\xe9"), "\uFFFDt\uFFFD");         // Latin-1
    EXPECT_EQ(validUtf8("\xc0\xaf"), "\uFFFD\uFFFD");           // an overlong "/"
    EXPECT_EQ(validUtf8("\xed\xa0\x80"), "\uFFFD\uFFFD\uFFFD"); // a surrogate
    EXPECT_EQ(validUtf8("\xf4\x90\x80\x80"), "\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(validUtf8("\xe2\x82"), "\uFFFD\uFFFD"); // cut short
}

TEST(Outbox, KeepsWorkInOrderAcrossReopening) {
    test::TempDir dir;
    const std::string path = outboxPathBeside(dir.file("results.sqlite"));
    Outbox(path).put({NewEvent{"vega", "login", "1"}, sampleResult(), NewEvent{"vega", "logout", "3"}});
    Outbox outbox(path);
    EXPECT_EQ(outbox.count(), 3u);
    auto first = outbox.front();
    ASSERT_TRUE(first && first->work);
    EXPECT_EQ(std::get<NewEvent>(*first->work).object, "1");
    outbox.take(first->position);
    EXPECT_TRUE(std::holds_alternative<ResultRecord>(*outbox.front()->work));
    EXPECT_EQ(outbox.count(), 2u);
}

} // namespace
} // namespace spectavo::store
