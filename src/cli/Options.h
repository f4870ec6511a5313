// Command-line reading of the batch tool: positional arguments, "--name value" (or
// "--name=value") options and "--name" switches from fixed sets, "--help", "--" before
// positional arguments that begin with "-", and numbers read without the C locale. "-" stands
// for standard input or output where a command reads or writes a file.
#pragma once

#include "support/FileIo.h"

#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kUsage = 1;
inline constexpr int kFailed = 2;  // a file cannot be read or written, or an input is refused
inline constexpr int kAborted = 3; // the computation ended with an abort (report still given)

// The version of the programs (the project's).
extern const char* const kVersion;

struct Parsed {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options; // without the leading "--"
    std::set<std::string> switches;             // given switches, without the leading "--"
    bool help = false;
};

// Reads `args` with the option names `known` and the switch names `switches` (both without
// "--"); false and `error` for an unknown option, a missing value, a value given to a switch or
// an option given twice. Each option and switch is also taken by its English name (see
// optionName), and the English words of its value stand for the German ones; `out` holds the
// German names and words.
bool parseArgs(const std::vector<std::string>& args, const std::vector<std::string>& known,
               Parsed& out, std::string& error, const std::vector<std::string>& switches = {});

// The name of an option in the current language: `german` itself, or its English name.
std::string optionName(std::string_view german);

// Takes "--sprache de|en" (or "--language de|en", also with "=") out of `args`, wherever it
// stands before "--", and sets the process language; without it the language comes from the
// environment. False and `error` for an unknown language, a missing value or the option given
// twice.
bool takeLanguageOption(std::vector<std::string>& args, std::string& error);

// A finite number, the whole text (blanks around it allowed); nothing for anything else.
std::optional<double> number(const std::string& text);
std::optional<float> numberF(const std::string& text);
std::optional<int> integer(const std::string& text);

// "MIN:MAX"
bool range(const std::string& text, double& min, double& max);
// "T.M.JJJJ"
bool date(const std::string& text, int& day, int& month, int& year);
// "H2S=1.5,CO2=2,CH4=96.5" with the component names, in any case; the components not named
// are 0. False and `error` for an unknown name, a name given twice or a bad number.
bool gasList(const std::string& text, std::array<float, 15>& gas, std::string& error);

extern const std::array<const char*, 15> kComponentNames;

void printOut(const std::string& line); // stdout, with a line break
void printErr(const std::string& line); // stderr, with a line break

// Parses the arguments of a command; on a usage error the message and the command's help go
// to stderr and `status` is kUsage; with --help the help goes to stdout and `status` is kOk.
// True when the command is to run.
bool prepare(const std::vector<std::string>& args, const std::vector<std::string>& known,
             const char* help, Parsed& parsed, int& status,
             const std::vector<std::string>& switches = {});
// The message and the command's help on stderr; returns kUsage.
int usage(const std::string& error, const char* help);
// "--verfahren original|intervall": 0 or 1 in `scheme`, left unset without the option; false
// and `error` for another word.
bool schemeOption(const Parsed& p, std::optional<int>& scheme, std::string& error);
// "--modell fetkovich|veh|carter-tracy|topf": the water-zone model's number in `model`, left
// unset without the option; false and `error` for another word.
bool modelOption(const Parsed& p, std::optional<int>& model, std::string& error);
// The help line of the option.
const char* modelHelp();

// The path to read for a file argument: "-" is standard input.
std::string inputPath(const std::string& argument);
// Writes `bytes` to the file `path` atomically, or to standard output for "-"; false and
// `error` (without the path) when that fails.
brelvan::IoResult<> writeOutput(const std::string& path, std::string_view bytes);
// Standard output flushed; false after a message on stderr when it could not be
// written (a full disk, a closed pipe).
bool flushStdout();

// Refuses to replace an existing case file unless --ueberschreiben was given; false after the
// message.
bool mayWriteCase(const Parsed& p, const std::string& path);

} // namespace cli
