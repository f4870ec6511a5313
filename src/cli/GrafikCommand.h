// The batch tool's command "grafik": the chart program brelvan-grafik in the folder of
// brelvan-cli takes over the process with the same arguments (and "--sprache de|en" first when
// the language was chosen on the command line rather than by the environment), so that the
// batch tool itself does not load Qt. Available in builds with the desktop program
// (BRELVAN_HAVE_CHART).
#pragma once

#include <string>
#include <vector>

// args: everything after "grafik". Returns only when the chart program cannot be started: the
// exit status 2 after a message.
int brelvanGrafikCommand(const std::vector<std::string>& args);
