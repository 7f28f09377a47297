#include <gtest/gtest.h>

#include "store/auditchain.h"

namespace spectavo::store {
namespace {

// Three events whose hashes were computed outside the program, from the documented encoding, with
// the shell (bash) and coreutils:
//   enc() { printf 'spectavo-audit-1'; for f in "$@"; do printf '\n%d:%s' "$(printf '%s' "$f" | wc -c)" "$f";
//   done; } enc 1 0f1e2d3c4b5a69788796a5b4c3d2e1f0 2026-12-11T09:00:00.000Z vega bench-1 login "" "{}"
//   $GENESIS | sha256sum
// and so on for the others, each naming the hash before it. The third has a newline and colons in a
// field and characters of two bytes in UTF-8.
std::vector<AuditEvent> handComputedChain() {
    return {
        {1, "0f1e2d3c4b5a69788796a5b4c3d2e1f0", "2026-12-11T09:00:00.000Z", "vega", "bench-1", "login", "",
         "{}", kGenesisHash, "e1a3b79877113f002c2297b3c664c4ba57c0ab41637cac73b124bcce6fa93b11"},
        {2, "00112233445566778899aabbccddeeff", "2026-12-11T09:01:30.250Z", "vega", "bench-1",
         "setting changed", "tarvesta.zav.station.ini:[WaveScan]Step3", R"({"old":"0.5","new":"1.0"})",
         "e1a3b79877113f002c2297b3c664c4ba57c0ab41637cac73b124bcce6fa93b11",
         "87b52f0724630deee609e9a694f5a47945a4201db5276a48cc18d9c824066e1a"},
        {3, "ffeeddccbbaa99887766554433221100", "2026-12-11T09:05:00.999Z", "Dr. M\xC3\xBCller", "bench-2",
         "measurement", "result 7:\nS\xC3\xA4ure 1:2", R"({"lines":"a\nb"})",
         "87b52f0724630deee609e9a694f5a47945a4201db5276a48cc18d9c824066e1a",
         "582cf67d484e308cc93f8bc228ce542d5ab1bdbf0d3197bcf9a8516badaa58f4"},
    };
}

TEST(AuditChain, HashesMatchTheHandComputedVector) {
    for (const AuditEvent &event : handComputedChain())
        EXPECT_EQ(eventHash(event), event.hash) << "event " << event.sequence;
    EXPECT_EQ(
        canonicalEncoding(handComputedChain()[0]),
        "spectavo-audit-1\n1:1\n32:0f1e2d3c4b5a69788796a5b4c3d2e1f0\n24:2026-12-11T09:00:00.000Z\n4:vega"
        "\n7:bench-1\n5:login\n0:\n2:{}\n64:" +
            std::string(kGenesisHash));
}

// Moving text from one field into the next must change the hash: the lengths keep fields apart.
TEST(AuditChain, FieldBoundariesAreHashed) {
    AuditEvent a = handComputedChain()[0];
    AuditEvent b = a;
    a.user = "vega";
    a.workstation = "bench-1";
    b.user = "vegab";
    b.workstation = "ench-1";
    EXPECT_NE(eventHash(a), eventHash(b));
}

TEST(AuditChain, TheVerifierNamesTheFirstEventThatDoesNotFollow) {
    {
        ChainVerifier verifier;
        for (const AuditEvent &event : handComputedChain())
            EXPECT_TRUE(verifier.accept(event)) << verifier.problem();
        EXPECT_EQ(verifier.checked(), 3);
        EXPECT_EQ(verifier.head()->second, handComputedChain()[2].hash);
    }
    struct Tamper {
        const char *what;
        void (*change)(std::vector<AuditEvent> &);
        const char *problem;
    };
    const Tamper tampers[] = {
        {"a field changed", [](auto &chain) { chain[1].details = R"({"old":"0.5","new":"2.0"})"; },
         "event 2: its contents do not match its hash"},
        {"rehashed after the change",
         [](auto &chain) {
             chain[1].user = "mallory";
             chain[1].hash = eventHash(chain[1]);
         },
         "event 3: it does not name the event before it"},
        {"an event removed", [](auto &chain) { chain.erase(chain.begin() + 1); },
         "event 3: the trail has no event 2"},
        {"the first event not first", [](auto &chain) { chain.erase(chain.begin()); },
         "event 2: the trail has no event 1"},
    };
    for (const Tamper &tamper : tampers) {
        std::vector<AuditEvent> chain = handComputedChain();
        tamper.change(chain);
        ChainVerifier verifier;
        bool holds = true;
        for (const AuditEvent &event : chain)
            if (!(holds = verifier.accept(event)))
                break;
        EXPECT_FALSE(holds) << tamper.what;
        EXPECT_EQ(verifier.problem(), tamper.problem) << tamper.what;
    }
}

TEST(AuditChain, AnchorsAreASequenceAndAtLeastSixteenHexDigits) {
    const auto anchor = parseAnchor("2:87b52f0724630dee");
    ASSERT_TRUE(anchor);
    EXPECT_EQ(anchor->sequence, 2);
    EXPECT_EQ(anchor->hashPrefix, "87b52f0724630dee");
    EXPECT_EQ(anchorText(2, handComputedChain()[1].hash), "2:87b52f0724630dee");
    for (const char *bad :
         {"", "2", ":87b52f0724630dee", "0:87b52f0724630dee", "x:87b52f0724630dee", "2:87b52f0724630de",
          "2:87B52F0724630DEE", "2:87b52f0724630deg", "-1:87b52f0724630dee"})
        EXPECT_FALSE(parseAnchor(bad)) << bad;
}

} // namespace
} // namespace spectavo::store
