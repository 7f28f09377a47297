#include "app/scan/measuredresult.h"

#include "store/eventstamp.h"

namespace spectavo::app {

store::ResultRecord measuredResult(const char *kind, MeasuredState state, MeasuredClock::time_point started,
                                   std::string sample, std::string method, const char *format,
                                   std::string data) {
    store::ResultRecord result;
    result.kind = kind;
    result.state = measuredStateText(state);
    result.sample = std::move(sample);
    result.method = std::move(method);
    result.startedUtc = store::utcText(started);
    result.endedUtc = store::utcText(MeasuredClock::now());
    result.utcOffsetMinutes = store::localOffsetMinutes();
    result.dataFormat = format;
    result.data = std::move(data);
    return result;
}

} // namespace spectavo::app
