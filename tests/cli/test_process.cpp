// The batch tool as a process: what it loads when it starts.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// Everything `command` writes on standard output.
std::string outputOf(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        out.append(chunk, n);
    pclose(pipe);
    return out;
}

} // namespace

// Qt is for the chart program only; every command of the batch tool starts without it.
TEST(CliProcess, LoadsNoQtLibrary) {
    const std::string libraries = outputOf(std::string("ldd '") + BRELVAN_CLI + "' 2>&1");
    ASSERT_NE(libraries.find("libc.so"), std::string::npos) << libraries;
    EXPECT_EQ(libraries.find("libQt"), std::string::npos) << libraries;
}
