// The batch tool as a process: what it loads when it starts, and what the user's locale does to
// its outputs (nothing).
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "testing/TestFiles.h"

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

// Every file of a folder by name, with its bytes.
std::map<std::string, std::string> filesOf(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = readFile(entry.path().string());
    return files;
}

} // namespace

// Qt is for the chart program only; every command of the batch tool starts without it.
TEST(CliProcess, LoadsNoQtLibrary) {
    const std::string libraries = outputOf(std::string("ldd '") + BRELVAN_CLI + "' 2>&1");
    ASSERT_NE(libraries.find("libc.so"), std::string::npos) << libraries;
    EXPECT_EQ(libraries.find("libQt"), std::string::npos) << libraries;
}

// The golden cases (reports, searches, shown fields, the new case file, messages and exit
// statuses) run once with LC_ALL=C and once under a decimal-comma locale: byte for byte alike.
TEST(CliProcess, DecimalCommaLocaleChangesNoByte) {
    const locale_t comma = newlocale(LC_ALL_MASK, "de_DE.UTF-8", nullptr);
    if (comma == nullptr)
        GTEST_SKIP() << "Die Locale de_DE.UTF-8 fehlt; tools/install-deps.sh erzeugt sie.";
    freelocale(comma);
    TempDir dir;
    const std::string script = BRELVAN_SOURCE_DIR "/tests/cli/golden/run-cases.sh";
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        const std::string command = std::string("LC_ALL=") + locale + " '" + script + "' '" +
                                    BRELVAN_CLI + "' '" + dir.file(locale) + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    const auto plain = filesOf(dir.file("C"));
    const auto localized = filesOf(dir.file("de_DE.UTF-8"));
    ASSERT_GT(plain.size(), 30u);
    ASSERT_EQ(plain.size(), localized.size());
    for (const auto& [name, bytes] : plain) {
        const auto other = localized.find(name);
        ASSERT_NE(other, localized.end()) << name;
        EXPECT_EQ(other->second, bytes) << name;
    }
}
