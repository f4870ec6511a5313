#include "cli/CliInterface.h"

#include <cstdio>

#include "cli/CliTexts.h"
#include "document/DlgInputData.h"

namespace {

void toStderr(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

} // namespace

void CliInterface::message(const std::string& text) {
    toStderr(text);
}

void CliInterface::error(const std::string& text) {
    toStderr(text);
}

bool CliInterface::question(const std::string& text) {
    if (keepsSummary || text.find("Wollen Sie die Einzelergebnisse sehen?") != std::string::npos) {
        sensSummary = text;
        return answer;
    }
    toStderr(text + (answer ? cli::tx(" -> Ja") : cli::tx(" -> Nein")));
    return answer;
}

void CliInterface::showSensResults(const std::vector<std::string>&) {}

bool CliInterface::runInputDialog(DlgInputData&) {
    return false;
}
