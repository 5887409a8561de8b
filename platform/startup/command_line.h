#pragma once

namespace forms {

// Answers "--help" with `usage` and "--version" with `version`, on standard output, and
// returns true; the first of the two on the command line counts. Returns false, printing
// nothing, when neither is there: every other argument is left to Qt or ignored.
bool printRequestedInformation(int argc, char** argv, const char* usage, const char* version);

}  // namespace forms
