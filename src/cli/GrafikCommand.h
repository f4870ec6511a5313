// The batch tool's command "grafik": computes a case and writes its chart as the chart view
// draws it. Built only together with the desktop program's views (BRELVAN_HAVE_CHART).
#pragma once

#include <string>
#include <vector>

// args: everything after "grafik". Returns the exit status (0, 1 usage, 2 file or input).
int brelvanGrafikCommand(const std::vector<std::string>& args);
