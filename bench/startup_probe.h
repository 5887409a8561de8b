#pragma once

// Linked into a program, the start-up probe waits for the program's first paint. One event
// round later, when that frame has been flushed to the window system, it prints two lines on
// standard output and ends the event loop:
//
//   first-frame-ns <CLOCK_MONOTONIC at that moment>
//   peak-rss-kb <the process's peak resident memory>
//
// The caller notes the monotonic clock before starting the process, so the difference is the
// whole start-up: loading, linking, Qt, the program's own set-up and the first frame.
