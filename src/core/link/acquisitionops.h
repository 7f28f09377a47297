#pragma once

#include <atomic>
#include <cstdint>
#include <span>

#include "core/link/acquisition.h"
#include "core/link/acquisitiontargets.h"
#include "core/link/hubchannel.h"
#include "core/link/notify.h"
#include "core/link/stationrecords.h"
#include "core/link/timedsampling.h"

namespace spectavo::link {

class StationLink;

// The measurements a window starts: each opens the link's one acquisition for that window, sets the
// targets the receive thread fills, and sends what starts it. User-interface thread.
class AcquisitionOps {
public:
    explicit AcquisitionOps(StationLink &link);
    AcquisitionOps(const AcquisitionOps &) = delete;
    AcquisitionOps &operator=(const AcquisitionOps &) = delete;

    bool OpenAcquisition(NotifyTarget *window, int mode);
    void ArmAcquisition();
    bool RequestCell(std::uint8_t cell);
    bool SendScanSetup(float upperNm, float lowerNm, float stepNm, std::uint8_t filterCode);
    bool StartScan(int dataKind, ScanTarget *target, ScanTarget *second, NotifyTarget *window);
    bool OpenCommandAcquisition(std::uint8_t code, NotifyTarget *window);
    bool OpenWordAcquisition(std::uint8_t code, std::uint8_t first, std::uint8_t second,
                             NotifyTarget *window);
    bool GotoAndRead(int mode, float nanometres, std::atomic<float> *blank, std::atomic<float> *result,
                     NotifyTarget *window);
    bool GotoWavelength(float nanometres, NotifyTarget *window);
    bool TakeBlank(NotifyTarget *window);
    bool StartTimedSampling(int periodMs, TimedTarget *curve, NotifyTarget *window);
    // After either returns, no thread of the link writes into the closed acquisition's targets.
    void CloseAcquisition();
    // Closes the acquisition only when `window` holds it: a dialog or window that goes away ends its own
    // acquisition, never one another window has opened meanwhile.
    void CloseAcquisitionOf(NotifyTarget *window);
    void StopMeasurement();
    void EndTimedSampling();
    // The receive thread's close of the held acquisition on the instrument's word: a time scan is not
    // cut off but ends as broken on its own thread, so its window hears of it.
    void closeFromInstrument(Acquisition::Held &held);

private:
    static bool heldByOther(Acquisition::Held &held, NotifyTarget *window);
    bool sendOrClose(std::uint8_t code, std::span<const std::uint8_t> data = {});
    bool stopSamplingOf(NotifyTarget *window);

    StationLink &m_link;
    HubChannel &m_channel;
    StationStatus &m_status;
    StationConfig &m_config;
    Acquisition &m_acquisition;
    TimedSampling m_sampling;
};

} // namespace spectavo::link
