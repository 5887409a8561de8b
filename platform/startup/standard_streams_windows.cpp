#include <windows.h>

#include <cstdio>

#include "platform/startup/standard_streams.h"

namespace forms {

namespace {

bool leadsSomewhere(DWORD stream) {
    const HANDLE handle = ::GetStdHandle(stream);
    return handle && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

// A window program starts with no console, so what it prints goes nowhere unless its output was
// redirected. Started from a console, it writes to that one: --help and --version then print
// where they were asked for. A standard stream that is missing takes no number another file
// could get, and a write to a pipe whose reader has gone fails without a signal, so there is
// nothing else to make safe.
bool makeStandardStreamsSafe() {
    const bool output = leadsSomewhere(STD_OUTPUT_HANDLE);
    const bool errors = leadsSomewhere(STD_ERROR_HANDLE);
    if ((output && errors) || !::AttachConsole(ATTACH_PARENT_PROCESS)) return true;
    if (!output) std::freopen("CONOUT$", "w", stdout);
    if (!errors) std::freopen("CONOUT$", "w", stderr);
    return true;
}

}  // namespace forms
