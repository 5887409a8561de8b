#include "platform/how_it_works/panes/trail_spots.h"

#include <algorithm>
#include <cstring>

#include "platform/how_it_works/records/history.h"

namespace forms {

namespace {

struct Move {
    std::size_t run;
    bool left;  // else top
    double twips;
    bool byCode;
};

bool isMember(const Watched& what, const char* member) {
    return what.member && std::strcmp(what.member, member) == 0;
}

// Each control whose Left or Top the history changed, with the values that place it.
std::vector<ControlTrail> controlsMoved(const History& history) {
    std::vector<ControlTrail> trails;
    for (const Watched& what : history.valuesChanged()) {
        const bool left = isMember(what, "Left");
        if (what.owner.isEmpty() || (!left && !isMember(what, "Top"))) continue;
        auto trail = std::ranges::find(trails, what.owner, &ControlTrail::owner);
        if (trail == trails.end()) trail = trails.insert(trails.end(), {what.owner, {}, {}, {}});
        (left ? trail->left : trail->top) = what;
    }
    return trails;
}

void addMoves(const History& history, const std::optional<Watched>& what, bool left,
              std::size_t first, std::size_t last, std::vector<Move>& moves) {
    if (!what) return;
    history.forEachChange(
        what->where.target(), first, last,
        [&](std::size_t run, const WatchedValue& value, const Author& author) {
            if (const auto twips = twipsOf(value))
                moves.push_back({run, left, *twips, author.by == Place::By::Code});
        });
}

std::optional<double> valueBefore(const History& history, const std::optional<Watched>& what,
                                  std::size_t run) {
    if (!what) return std::nullopt;
    const auto value = history.valueBefore(what->where.target(), run);
    return value ? twipsOf(*value) : std::nullopt;
}

// Where the control stood after each run of [first, last) a statement moved it in.
std::vector<TrailSpot> spotsOf(const History& history, const ControlTrail& trail, std::size_t first,
                               std::size_t last) {
    std::vector<Move> moves;
    addMoves(history, trail.left, true, first, last, moves);
    addMoves(history, trail.top, false, first, last, moves);
    std::ranges::stable_sort(moves, {}, &Move::run);
    TrailSpot at{valueBefore(history, trail.left, first), valueBefore(history, trail.top, first)};
    std::vector<TrailSpot> spots;
    for (auto move = moves.begin(); move != moves.end();) {
        const std::size_t run = move->run;
        bool byCode = false;
        for (; move != moves.end() && move->run == run; ++move) {
            (move->left ? at.left : at.top) = move->twips;
            byCode = byCode || move->byCode;
        }
        at.toCome = run >= history.moment();
        if (byCode) spots.push_back(at);
    }
    return spots;
}

// The newest `most` spots done and the first `most` to come.
void keepNearest(std::vector<TrailSpot>& spots, std::size_t most) {
    const auto toCome = std::ranges::find_if(spots, &TrailSpot::toCome);
    const auto done = static_cast<std::size_t>(toCome - spots.begin());
    const auto later = static_cast<std::size_t>(spots.end() - toCome);
    if (later > most) spots.erase(toCome + static_cast<std::ptrdiff_t>(most), spots.end());
    if (done > most)
        spots.erase(spots.begin(), spots.begin() + static_cast<std::ptrdiff_t>(done - most));
}

}  // namespace

std::optional<double> twipsOf(const WatchedValue& value) {
    if (const auto* single = std::get_if<float>(&value)) return *single;
    if (const auto* whole = std::get_if<Integer>(&value)) return whole->value();
    return std::nullopt;
}

std::vector<ControlTrail> trailsAround(const History& history, std::size_t most,
                                       std::size_t lookRuns) {
    const std::size_t moment = history.moment();
    const std::size_t first = moment - std::min(moment, lookRuns);
    const std::size_t last = std::min(history.runs(), moment + lookRuns);
    std::vector<ControlTrail> trails = controlsMoved(history);
    for (ControlTrail& trail : trails) {
        trail.spots = spotsOf(history, trail, first, last);
        keepNearest(trail.spots, most);
    }
    std::erase_if(trails, [](const ControlTrail& trail) { return trail.spots.empty(); });
    return trails;
}

}  // namespace forms
