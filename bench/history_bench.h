#pragma once

// Plays `minutes` of every timer effect with How It Works open, goes to moments across the
// history and prints the figures; the process's exit code.
int historyMinutes(int minutes);
