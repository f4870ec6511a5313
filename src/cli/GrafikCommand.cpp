// brelvan-cli grafik FALL.brv AUSGABE.svg|.png|.pdf [--x tage|gp] [--lupe] [--seite hoch|quer]
// and whatever else brelvan-grafik reads: the arguments are handed over as they are.
#include "cli/GrafikCommand.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/CliTexts.h"
#include "cli/Options.h"
#include "support/Language.h"
#include "support/TextFormat.h"

using cli::tx;

namespace {

// The folder of the running program; empty when /proc/self/exe cannot be read.
std::string ownFolder() {
    std::string path(256, '\0');
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
        if (n < 0)
            return {};
        if (static_cast<std::size_t>(n) < path.size()) {
            path.resize(static_cast<std::size_t>(n));
            break;
        }
        if (path.size() >= (std::size_t{1} << 20))
            return {};
        path.resize(path.size() * 2);
    }
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

int brelvanGrafikCommand(const std::vector<std::string>& args) {
    const std::string folder = ownFolder();
    if (folder.empty()) {
        cli::printErr(tx("Der Ordner von brelvan-cli lässt sich nicht bestimmen (/proc/self/exe); "
                         "das Grafikprogramm „brelvan-grafik“ kann nicht gestartet werden."));
        return cli::kFailed;
    }
    std::string program = folder + "/brelvan-grafik";
    // The chart program takes the language from the environment as well; one chosen with
    // --sprache is handed on.
    std::vector<std::string> copies;
    if (brelvan::currentLanguage() != brelvan::languageFromEnvironment())
        copies = {"--sprache", brelvan::languageCode(brelvan::currentLanguage())};
    copies.insert(copies.end(), args.begin(), args.end());
    std::vector<char*> argv;
    argv.push_back(program.data());
    for (std::string& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    execv(program.c_str(), argv.data());
    // Only reached when the program did not start.
    const int error = errno;
    if (error == ENOENT)
        cli::printErr(brelvan::cformat(
            tx("Das Grafikprogramm „%s“ fehlt. Der Befehl „grafik“ braucht es im Ordner von "
               "brelvan-cli."),
            program));
    else
        cli::printErr(
            brelvan::cformat(tx("Das Grafikprogramm „%s“ kann nicht gestartet werden: %s."),
                             program, std::strerror(error)));
    return cli::kFailed;
}
