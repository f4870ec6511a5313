// The batch tool in English beside German: its catalogue, the language it chooses, the English
// command and option names, and the words it takes for option values.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliTexts.h"
#include "cli/Options.h"
#include "support/Language.h"
#include "testing/CatalogueScan.h"
#include "testing/CliRun.h"
#include "testing/TestFiles.h"

namespace {

using CliResult = cli_run::Result;

// Runs the batch tool with `args` under the environment assignments `env` (e.g.
// "LANG=en_US.UTF-8"); the language variables not named are unset.
CliResult runCli(const std::vector<std::string>& args, const TempDir&,
                 const std::string& env = "LANG=C.UTF-8") {
    cli_run::Options options;
    options.environment = "-u LC_ALL -u LC_MESSAGES -u LANG " + env;
    return cli_run::run(args, options);
}

const std::string kBeispiel = BRELVAN_SOURCE_DIR "/examples/beispiel.brv";
const std::string kDruckwerte = BRELVAN_SOURCE_DIR "/examples/druckwerte.csv";

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

// Sets a language for one test and goes back to German.
struct LanguageScope {
    explicit LanguageScope(brelvan::Language l) { brelvan::setCurrentLanguage(l); }
    ~LanguageScope() { brelvan::setCurrentLanguage(brelvan::Language::German); }
};

} // namespace

// Every text the batch tool passes to tx() has its English translation with the same printf
// conversions, and the catalogue holds nothing the code no longer uses.
TEST(CliEnglish, CatalogueIsComplete) {
    const auto problems = brelvan::testing::catalogueProblems(
        cli::catalogue(), brelvan::testing::txLiterals("src/cli"));
    for (const std::string& p : problems)
        ADD_FAILURE() << p;
    EXPECT_GT(cli::catalogue().pairs().size(), 100u);
}

// The English names and value words reach the commands as the German ones; messages name the
// option as it was typed.
TEST(CliEnglish, ParserTakesEnglishNamesAndWords) {
    cli::Parsed p;
    std::string error;
    ASSERT_TRUE(cli::parseArgs({"fall.brv", "--model=pot", "--scheme", "interval", "--x", "days",
                                "--fixed", "wip,jvalue", "--overwrite", "--re", "infinite",
                                "--csv-date", "MDY", "--start", "case"},
                               {"modell", "verfahren", "x", "fest", "re", "csv-datum", "start"}, p,
                               error, {"ueberschreiben"}))
        << error;
    EXPECT_EQ(p.positional, std::vector<std::string>{"fall.brv"});
    const std::map<std::string, std::string> want = {
        {"modell", "topf"},  {"verfahren", "intervall"}, {"x", "tage"},    {"fest", "wip,jwert"},
        {"re", "unendlich"}, {"csv-datum", "MTJ"},       {"start", "fall"}};
    EXPECT_EQ(p.options, want);
    EXPECT_EQ(p.switches, std::set<std::string>{"ueberschreiben"});

    // German and English name of one option: given twice.
    cli::Parsed twice;
    EXPECT_FALSE(cli::parseArgs({"--modell", "veh", "--model", "veh"}, {"modell"}, twice, error));
    EXPECT_EQ(error, "Die Option „--model“ ist mehrfach angegeben.");
    // An English name is only taken where the command has the German option.
    cli::Parsed other;
    EXPECT_FALSE(cli::parseArgs({"--model", "veh"}, {"verfahren"}, other, error));
    EXPECT_EQ(error, "Unbekannte Option „--model“.");
    // A value word of another option stays as it is.
    cli::Parsed word;
    ASSERT_TRUE(cli::parseArgs({"--x", "interval"}, {"x"}, word, error));
    EXPECT_EQ(word.options.at("x"), "interval");

    LanguageScope english(brelvan::Language::English);
    EXPECT_EQ(cli::optionName("ueberschreiben"), "overwrite");
    EXPECT_EQ(cli::optionName("ogip"), "ogip");
    cli::Parsed bad;
    EXPECT_FALSE(cli::parseArgs({"--overwrite=ja"}, {}, bad, error, {"ueberschreiben"}));
    EXPECT_EQ(error, "The option “--overwrite” takes no value.");
}

// --sprache and --language are taken out wherever they stand before "--"; after "--" they are
// file names.
TEST(CliEnglish, LanguageOption) {
    std::string error;
    std::vector<std::string> args = {"bericht", "a.brv", "--sprache", "en",
                                     "--x",     "gp",    "--",        "--language=de"};
    ASSERT_TRUE(cli::takeLanguageOption(args, error)) << error;
    EXPECT_EQ(args,
              (std::vector<std::string>{"bericht", "a.brv", "--x", "gp", "--", "--language=de"}));
    EXPECT_EQ(brelvan::currentLanguage(), brelvan::Language::English);
    args = {"--language=de", "zeigen"};
    ASSERT_TRUE(cli::takeLanguageOption(args, error)) << error;
    EXPECT_EQ(args, std::vector<std::string>{"zeigen"});
    EXPECT_EQ(brelvan::currentLanguage(), brelvan::Language::German);

    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--sprache", "fr"},
                                                  {"--language=EN"},
                                                  {"bericht", "--sprache"},
                                                  {"--sprache", "en", "--language", "en"}}) {
        std::vector<std::string> copy = wrong;
        EXPECT_FALSE(cli::takeLanguageOption(copy, error)) << wrong.back();
        EXPECT_EQ(brelvan::currentLanguage(), brelvan::Language::German);
        EXPECT_EQ(copy, wrong); // nothing taken out
    }
}

// The language comes from --sprache, else from LC_ALL, LC_MESSAGES, LANG (the first set).
TEST(CliEnglish, LanguageOfTheUsage) {
    TempDir dir;
    const std::string german = "Aufruf: brelvan-cli BEFEHL";
    const std::string english = "Usage: brelvan-cli COMMAND";
    const struct {
        std::vector<std::string> args;
        std::string env;
        std::string start;
    } cases[] = {
        {{"--help"}, "LANG=C.UTF-8", german},
        {{"--help"}, "LANG=en_US.UTF-8", english},
        {{"--help"}, "LC_MESSAGES=en_GB.UTF-8 LANG=de_DE.UTF-8", english},
        {{"--help"}, "LC_ALL=de_DE.UTF-8 LANG=en_US.UTF-8", german},
        {{"--help"}, "LC_ALL=en_US.UTF-8 LC_MESSAGES=de_DE.UTF-8", english},
        {{"--help", "--sprache", "en"}, "LANG=C.UTF-8", english},
        {{"--language=en", "--help"}, "LANG=C.UTF-8", english},
        {{"--sprache", "de", "--help"}, "LC_ALL=en_US.UTF-8", german},
        {{"help", "--language", "de"}, "LANG=en_US.UTF-8", german},
    };
    for (const auto& c : cases) {
        const CliResult r = runCli(c.args, dir, c.env);
        EXPECT_EQ(r.status, 0) << c.env << " " << r.err;
        EXPECT_TRUE(startsWith(r.out, c.start)) << c.env << "\n" << r.out;
    }
    // Without arguments the usage goes to stderr, in the environment's language as well.
    const CliResult none = runCli({}, dir, "LANG=en_US.UTF-8");
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(startsWith(none.err, english)) << none.err;
}

// A language that does not exist is a usage error before anything else, in the environment's
// language; nothing is computed or written.
TEST(CliEnglish, UnknownLanguageIsAUsageError) {
    TempDir dir;
    const std::string target = dir.file("neu.brv");
    const CliResult de = runCli({"neu", target, "--sprache", "fr"}, dir);
    EXPECT_EQ(de.status, 1);
    EXPECT_EQ(de.out, "");
    EXPECT_EQ(de.err, "Unbekannte Sprache „fr“ für --sprache; möglich sind „de“ (Deutsch) und "
                      "„en“ (Englisch).\n");
    EXPECT_FALSE(std::filesystem::exists(target));
    const CliResult en =
        runCli({"--language=english", "bericht", kBeispiel}, dir, "LANG=en_US.UTF-8");
    EXPECT_EQ(en.status, 1);
    EXPECT_EQ(en.out, "");
    EXPECT_EQ(en.err,
              "Unknown language “english” for --language; use “de” (German) or “en” (English).\n");
    const CliResult missing = runCli({"zeigen", kBeispiel, "--sprache"}, dir);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("--sprache"), std::string::npos) << missing.err;
}

// Each English command with English options gives byte for byte what its German command with
// the German options gives (in German, chosen by --sprache de under an English environment).
TEST(CliEnglish, EnglishNamesGiveTheSameOutputs) {
    TempDir dir;
    const std::string zufluss = dir.file("verlauf.txt");
    writeFile(zufluss, "0 250\n365 240\n730 225\n");
    const struct {
        std::vector<std::string> german, english;
    } pairs[] = {
        {{"bericht", kBeispiel, "--verfahren", "intervall", "--modell", "topf", "--x", "tage"},
         {"report", kBeispiel, "--scheme", "interval", "--model", "pot", "--x", "days"}},
        {{"zeigen", kBeispiel}, {"show", kBeispiel}},
        {{"sensitivitaet", kBeispiel, "--ogip", "3000:7000", "--wip", "1000:40000", "--jwert",
          "10:100", "--csv-format", "punkt", "--faelle", "-"},
         {"sensitivity", kBeispiel, "--ogip", "3000:7000", "--wip", "1000:40000", "--jvalue",
          "10:100", "--csv-format", "point", "--cases", "-"}},
        {{"jwert", "--winkel", "0", "--k", "40", "--h", "30", "--mu", "0.35", "--phi", "0.18",
          "--tiefe", "20000", "--breite", "5000"},
         {"jvalue", "--angle", "0", "--k", "40", "--h", "30", "--mu", "0.35", "--phi", "0.18",
          "--depth", "20000", "--width", "5000"}},
        {{"zwert", "--gas", "CH4=90,C2H6=10", "--temperatur", "80", "--druck", "200", "--json"},
         {"zvalue", "--gas", "CH4=90,C2H6=10", "--temperature", "80", "--pressure", "200",
          "--json"}},
        {{"diagnose", kBeispiel, "--verfahren", "intervall"},
         {"diagnose", kBeispiel, "--scheme", "interval"}},
        {{"anpassen", kBeispiel, "--fest", "jwert", "--start", "fall", "--json"},
         {"fit", kBeispiel, "--fixed", "jvalue", "--start", "case", "--json"}},
        {{"zufluss",   "--modell",       "veh",  "--k",   "100",  "--h",
          "10",        "--mu",           "0.5",  "--phi", "0.2",  "--kompress",
          "10",        "--winkel",       "360",  "--rw",  "1000", "--re",
          "unendlich", "--druckverlauf", zufluss},
         {"influx", "--model", "veh",      "--k",
          "100",    "--h",     "10",       "--mu",
          "0.5",    "--phi",   "0.2",      "--compressibility",
          "10",     "--angle", "360",      "--rw",
          "1000",   "--re",    "infinite", "--pressure-history",
          zufluss}},
        {{"karte", kBeispiel, "--achsen", "ogip,jwert", "--ogip", "3000:8000", "--wip", "500:20000",
          "--jwert", "10:100", "--punkte", "3", "--dritter", "optimiert", "-"},
         {"map", kBeispiel, "--axes", "ogip,jvalue", "--ogip", "3000:8000", "--wip", "500:20000",
          "--jvalue", "10:100", "--points", "3", "--third", "optimised", "-"}},
        {{"neu", "-", "--feld", "F", "--beginn", "1.1.2000", "--druckdatei", kDruckwerte,
          "--csv-dezimal", "komma", "--csv-trenner", ";", "--temperatur", "90", "--kompress", "5",
          "--modell", "veh"},
         {"new", "-", "--field", "F", "--production-start", "1.1.2000", "--pressure-file",
          kDruckwerte, "--csv-decimal", "comma", "--csv-separator", ";", "--temperature", "90",
          "--compressibility", "5", "--model", "veh"}},
        // A usage error names the option as typed; the rest of the message is alike.
        {{"bericht", kBeispiel, "--x", "monate"}, {"report", kBeispiel, "--x", "monate"}},
    };
    for (const auto& pair : pairs) {
        std::vector<std::string> german = pair.german, english = pair.english;
        german.insert(german.begin(), {"--sprache", "de"});
        english.push_back("--sprache=de");
        const CliResult a = runCli(german, dir, "LANG=en_US.UTF-8");
        const CliResult b = runCli(english, dir, "LANG=en_US.UTF-8");
        EXPECT_EQ(a.status, b.status) << pair.german[0];
        EXPECT_EQ(a.out, b.out) << pair.german[0];
        EXPECT_EQ(a.err, b.err) << pair.german[0];
        EXPECT_FALSE(a.out.empty() && a.err.empty()) << pair.german[0];
    }
}

// Every option an English help names is taken by its command, and no English help names a
// German option.
TEST(CliEnglish, EnglishHelpNamesTheEnglishOptions) {
    TempDir dir;
    const std::set<std::string> germanOnly = {
        "--modell",     "--verfahren",      "--aus",           "--jwert",       "--speichern",
        "--faelle",     "--ueberschreiben", "--winkel",        "--tiefe",       "--breite",
        "--temperatur", "--druck",          "--feld",          "--kompress",    "--beginn",
        "--druckdatei", "--druckformat",    "--druckverlauf",  "--csv-spalten", "--csv-dezimal",
        "--csv-datum",  "--csv-trenner",    "--csv-kopfzeile", "--fest",        "--achsen",
        "--punkte",     "--dritter"};
    const std::regex option("--[a-z][a-z-]*");
    for (const char* command : {"report", "sensitivity", "fit", "map", "jvalue", "zvalue", "influx",
                                "new", "show", "diagnose"}) {
        const CliResult help = runCli({"--sprache", "en", command, "--help"}, dir);
        ASSERT_EQ(help.status, 0) << command << help.err;
        ASSERT_TRUE(startsWith(help.out, std::string("Usage: brelvan-cli ") + command)) << help.out;
        std::set<std::string> named;
        for (auto it = std::sregex_iterator(help.out.begin(), help.out.end(), option);
             it != std::sregex_iterator(); ++it)
            named.insert(it->str());
        for (const std::string& name : named) {
            EXPECT_FALSE(germanOnly.count(name)) << command << " " << name;
            if (name == "--help")
                continue;
            // An option with a value, or else a switch: either form is taken with --help.
            const CliResult asOption =
                runCli({"--sprache", "en", command, name + "=1", "--help"}, dir);
            if (asOption.status == 0)
                continue;
            const CliResult asSwitch = runCli({"--sprache", "en", command, name, "--help"}, dir);
            EXPECT_EQ(asSwitch.status, 0) << command << " " << name << "\n" << asOption.err;
        }
    }
}

// The English help of a command and the English messages of the parser in the batch tool.
TEST(CliEnglish, EnglishMessages) {
    TempDir dir;
    const CliResult unknown =
        runCli({"--sprache", "en", "report", kBeispiel, "--modell", "veh", "--foo"}, dir);
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(startsWith(unknown.err, "Unknown option “--foo”.\nUsage: brelvan-cli report"))
        << unknown.err;
    const CliResult missing = runCli({"jvalue", "--angle", "0"}, dir, "LANG=en_US.UTF-8");
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(startsWith(missing.err, "The option --k is missing.\n")) << missing.err;
    const CliResult number =
        runCli({"new", dir.file("x.brv"), "--depth", "tief"}, dir, "LANG=en_GB.UTF-8");
    EXPECT_EQ(number.status, 1);
    EXPECT_TRUE(startsWith(number.err, "“tief” is not a valid number for --depth.\n"))
        << number.err;
    const CliResult command = runCli({"berict"}, dir, "LANG=en_US.UTF-8");
    EXPECT_EQ(command.status, 1);
    EXPECT_TRUE(startsWith(command.err, "Unknown command “berict”.\n\nUsage:")) << command.err;
}

// "chart" and the pictures of "map" start brelvan-grafik next to the batch tool; a language
// chosen with --sprache that the environment would not give goes along as "--sprache xx" first.
TEST(CliEnglish, ChartProgramGetsTheChosenLanguage) {
    TempDir dir;
    const std::string copy = dir.file("brelvan-cli");
    std::filesystem::copy_file(BRELVAN_CLI, copy);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_all);
    // A chart program that prints its arguments.
    const std::string chart = dir.file("brelvan-grafik");
    writeFile(chart, "#!/bin/sh\nprintf '%s\\n' \"$@\"\n");
    std::filesystem::permissions(chart, std::filesystem::perms::owner_all);
    const auto run = [&](std::vector<std::string> args, const std::string& env) {
        cli_run::Options options;
        options.environment = "-u LC_ALL -u LC_MESSAGES -u LANG " + env;
        options.program = copy;
        const cli_run::Result r = cli_run::run(args, options);
        return std::make_pair(r.status, r.out + r.err);
    };
    const auto probe = run({"grafik", "a.brv", "b.svg"}, "LANG=C.UTF-8");
    if (probe.first == 1)
        GTEST_SKIP() << "Dieser Build hat keine Grafik: " << probe.second;
    EXPECT_EQ(probe, std::make_pair(0, std::string("a.brv\nb.svg\n")));
    EXPECT_EQ(run({"chart", "a.brv", "--sprache", "en", "b.svg"}, "LANG=C.UTF-8").second,
              "--sprache\nen\na.brv\nb.svg\n");
    EXPECT_EQ(run({"--language=en", "chart", "a.brv", "b.svg"}, "LANG=en_US.UTF-8").second,
              "a.brv\nb.svg\n");
    EXPECT_EQ(run({"grafik", "--sprache", "de", "a.brv", "b.svg"}, "LC_ALL=en_US.UTF-8").second,
              "--sprache\nde\na.brv\nb.svg\n");
    // The map as a picture: the whole command goes over, its English names as typed.
    EXPECT_EQ(run({"--sprache", "en", "map", kBeispiel, "--axes", "ogip,wip", "--ogip", "1:2",
                   "--wip", "1:2", "--jvalue", "1:2", "m.png"},
                  "LANG=C.UTF-8")
                  .second,
              "--sprache\nen\nkarte\n" + kBeispiel +
                  "\n--axes\nogip,wip\n--ogip\n1:2\n--wip\n1:2\n--jvalue\n1:2\nm.png\n");
}
