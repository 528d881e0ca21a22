#include "frame/browse_stops.h"

namespace {

// The real series: stop 1 the low value, stop 100 the high one, evenly spaced between.
struct RealSeries {
    double low = 0, high = 0, step = 0;
    long count = 0;
};

RealSeries& realSeries() {
    static RealSeries series;
    return series;
}

ScrollStopRoutines& routines() {
    static ScrollStopRoutines r{{},
                                {},
                                [](double low, double high) {
                                    realSeries() = {low, high, (high - low) / 99.0, 0};
                                },
                                [] {
                                    RealSeries& s = realSeries();
                                    ++s.count;
                                    if (s.count == 1) return s.low;
                                    if (s.count == 100) return s.high;
                                    return s.low + static_cast<double>(s.count - 1) * s.step;
                                }};
    return r;
}

}  // namespace

const ScrollStopRoutines& ScrollStopRoutinesInUse() {
    return routines();
}

void SetScrollStopRoutines(const ScrollStopRoutines& replacement) {
    ScrollStopRoutines& r = routines();
    if (replacement.initString) r.initString = replacement.initString;
    if (replacement.nextString) r.nextString = replacement.nextString;
    if (replacement.initReal) r.initReal = replacement.initReal;
    if (replacement.nextReal) r.nextReal = replacement.nextReal;
}
