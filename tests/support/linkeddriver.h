#pragma once

#include <chrono>
#include <string>
#include <thread>

#include "core/link/stationlink.h"
#include "support/linkfixture.h"

namespace spectavo::test {

// Polls a condition until it holds or the time runs out; true when it holds.
template <typename Condition>
bool eventually(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return condition();
}

// A link through a real driver library, brought up to "online" and taken down cleanly.
class LinkedDriver {
public:
    // Loads, opens and links; false when any step fails or the instrument does not answer.
    bool connect(const std::string &driverPath) {
        link.setMainTarget(&main);
        // Linked is not enough: readings decode by the optical layout of the hardware answer, and the
        // serial number is asked after it, so its answer means the layout is known.
        return link.channel().LoadHubDriverNamed(driverPath) && link.channel().OpenHub() &&
               link.channel().StartReceiver() && link.commands().LinkRequest() && eventually([this] {
                   return link.status().linkOnline.load() == 1 && !link.status().serialText.get().empty();
               });
    }
    ~LinkedDriver() {
        link.operations().CloseAcquisition();
        link.channel().StopReceiver();
        if (link.channel().IsHubConnected())
            link.channel().CloseHub();
        link.setMainTarget(nullptr);
        link.channel().ReleaseHubDriver();
    }

    link::StationLink link;
    RecordingTarget main;
};

} // namespace spectavo::test
