#pragma once

namespace forms {

// Makes standard input, output and error safe to use whatever the program was started with:
// a closed one is opened on /dev/null, so that no file the program opens later (its display
// connection, Qt's wake-up pipe) takes its number and receives what is written to it; and a
// write to a pipe whose reader has gone fails instead of ending the program. Call first thing
// in main. False when /dev/null cannot be opened for a closed stream.
bool makeStandardStreamsSafe();

}  // namespace forms
