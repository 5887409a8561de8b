#pragma once

#include <cstdint>

namespace walk {

// A walk for a tree where a fault may crash the process: each sequence, and each candidate of its
// shrinking, runs in a child process of its own, so that a crash is a fault found like any other.
// Prints each seed before it starts. Returns the process's exit status.
int walkIsolated(std::uint32_t firstSeed, int sequences, int steps, int seconds);

}  // namespace walk
