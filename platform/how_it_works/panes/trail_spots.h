#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "platform/properties/watch.h"

namespace forms {

class History;

// Where a control stood after a run that moved it, in twips. An axis the history never
// changed has no value: the control stands on it where it stands now.
struct TrailSpot {
    std::optional<double> left, top;
    bool toCome = false;  // after a run stepped back over
    bool operator==(const TrailSpot&) const = default;
};

// A control a handler's statements moved, with the values that place it, to read where it
// stands now, and its spots around the moment shown: at most `most` of the runs done, oldest
// first, then at most `most` of those still to come.
struct ControlTrail {
    QString owner;  // "imgBall"
    std::optional<Watched> left, top;
    std::vector<TrailSpot> spots;
};

// One spot per run whose statement moved the control (changes by the user or the runtime
// move it too but leave no spot), looked for no further than `lookRuns` runs either way.
std::vector<ControlTrail> trailsAround(const History& history, std::size_t most,
                                       std::size_t lookRuns);

// A place or size as a number of twips; none for a value of another kind.
std::optional<double> twipsOf(const WatchedValue& value);

}  // namespace forms
