// The built batch tool run as a script runs it: its arguments, a redirect of its own, and what
// it writes on standard output and standard error with its exit status. A run that hangs (on a
// FIFO, say) ends after the time limit with status 124. No display is set, as in a batch job.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "testing/TestFiles.h"

// The batch tool of the build; test targets may name another.
#ifndef BRELVAN_CLI
#define BRELVAN_CLI BRELVAN_BINARY_DIR "/brelvan-cli"
#endif

namespace cli_run {

struct Result {
    int status = -1; // -1 when the shell did not end normally
    std::string out;
    std::string err;
    std::vector<std::string> lines; // out, line by line
};

struct Options {
    std::string redirect;    // shell text after the arguments, e.g. "<file" or ">/dev/full"
    std::string environment; // variables of the run, e.g. "LC_ALL=de_DE.UTF-8"
    std::string program = BRELVAN_CLI;
    int seconds = 120;
};

// One word as the shell reads it back unchanged.
inline std::string quoted(const std::string& word) {
    std::string q = "'";
    for (char c : word) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

// Runs the tool with `words`, shell words quoted where needed. Standard output is captured
// unless the redirect sends it elsewhere.
inline Result runWords(const std::string& words, const Options& options = {}) {
    TempDir dir;
    const std::string out = dir.file("stdout"), err = dir.file("stderr");
    const bool ownOut = options.redirect.find('>') != std::string::npos;
    std::string command = "env -u DISPLAY " + options.environment + " timeout " +
                          std::to_string(options.seconds) + " " + quoted(options.program) + " " +
                          words + " " + options.redirect;
    if (!ownOut)
        command += " >" + quoted(out);
    command += " 2>" + quoted(err);
    Result r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readFile(out);
    r.err = readFile(err);
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);)
        r.lines.push_back(line);
    return r;
}

// Runs the tool with `args`, each passed as it stands.
inline Result run(const std::vector<std::string>& args, const Options& options = {}) {
    std::string words;
    for (const std::string& a : args) {
        if (!words.empty())
            words += ' ';
        words += quoted(a);
    }
    return runWords(words, options);
}

} // namespace cli_run
