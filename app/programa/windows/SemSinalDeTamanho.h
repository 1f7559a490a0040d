#pragma once

// Windows has no signal for a file size limit: where the program entry ignores that signal, it
// ignores Ctrl+Break instead, which a window program never receives.
#include <csignal>
#ifndef SIGXFSZ
#define SIGXFSZ SIGBREAK
#endif
