#pragma once

namespace walk {

// How long a walk runs, from the test binary's arguments: a fixed number of sequences from a
// fixed seed (for CI), or random seeds for `seconds`.
struct Options {
    int seconds = 0;
    int sequences = 0;  // 0: as many as suit the build
    int steps = 0;
};
Options& options();

}  // namespace walk
