// The batch tool's conventions for scripts and shells: exit statuses, no case file replaced
// unasked, "-" for standard input and output, "--", --version, --json, Ctrl+C.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "testing/CliRun.h"
#include "testing/JsonRead.h"
#include "testing/TestFiles.h"

namespace {

const std::string kBeispiel = BRELVAN_SOURCE_DIR "/examples/beispiel.brv";

using Outcome = cli_run::Result;

// The batch tool with `args` (shell words, already quoted where needed) and `redirect` (e.g.
// "< file").
Outcome cli(const std::string& args, const std::string& redirect = "") {
    cli_run::Options options;
    options.redirect = redirect;
    return cli_run::runWords(args, options);
}

std::string q(const std::string& path) {
    return "'" + path + "'";
}

// A new case from a measurement file; the options are shell words.
std::string neu(const std::string& target, const std::string& measurements,
                const std::string& more = "") {
    return "neu " + q(target) +
           " --feld T --gas CH4=100 --temperatur 80 --druck 250 --ogip 5000 --wip 20000 "
           "--kompress 9.5 --jwert 50 --beginn 1.1.2000 --druckdatei " +
           q(measurements) + " " + more;
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(CliConventions, ExitStatusesTellSuccessUsageRefusalAndAbort) {
    TempDir dir;
    EXPECT_EQ(cli("--version").out, "brelvan-cli 2.0\n");
    EXPECT_EQ(cli("bericht").status, 1);
    EXPECT_EQ(cli("bericht " + kBeispiel + " --unbekannt").status, 1);
    EXPECT_EQ(cli("bericht " + q(dir.file("fehlt.brv"))).status, 2);

    // A production-only row beyond the OGIP passes the dialog's checks and aborts the
    // computation: status 3, and the report with its abort is still printed.
    writeFile(dir.file("abbruch.txt"),
              "Datum Gp Druck\n1.1.2001 500 225\n1.1.2002 1000 205\n1.1.2003 6000\n");
    ASSERT_EQ(cli(neu(dir.file("abbruch.brv"), dir.file("abbruch.txt"))).status, 0);
    const Outcome aborted = cli("bericht " + q(dir.file("abbruch.brv")));
    EXPECT_EQ(aborted.status, 3) << aborted.err;
    EXPECT_TRUE(has(aborted.out, "ABBRUCH")) << aborted.out;
    EXPECT_EQ(cli("diagnose " + q(dir.file("abbruch.brv"))).status, 3);

    // Standard output that cannot be written is a failure, not a success.
    const Outcome full = cli("bericht " + kBeispiel, ">/dev/full");
    EXPECT_EQ(full.status, 2);
    EXPECT_TRUE(has(full.err, "Die Ausgabe kann nicht geschrieben werden")) << full.err;
    EXPECT_EQ(
        cli("jwert --winkel 360 --k 100 --h 10 --mu 1 --phi 0.2 --rw 1000 --re 10000", ">/dev/full")
            .status,
        2);

    // A new case whose import took no row is not written.
    writeFile(dir.file("leer.txt"), "Datum Gp Druck\n");
    const Outcome empty = cli(neu(dir.file("leer.brv"), dir.file("leer.txt")));
    EXPECT_EQ(empty.status, 2);
    EXPECT_TRUE(has(empty.err, "keine Zeile übernommen")) << empty.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("leer.brv")));
    // A measurement line whose date does not exist is not taken, and says why.
    writeFile(dir.file("feb.txt"),
              "Datum Gp Druck\n1.1.2001 500 225\n31.2.2001 800 215\n1.1.2002 1000 205\n");
    const Outcome feb31Line = cli(neu(dir.file("feb.brv"), dir.file("feb.txt")));
    ASSERT_EQ(feb31Line.status, 0) << feb31Line.err;
    EXPECT_TRUE(has(feb31Line.err, "(Das Datum 31.2.2001 gibt es nicht)")) << feb31Line.err;
    EXPECT_TRUE(has(cli("zeigen " + q(dir.file("feb.brv"))).out, "m_Zeilen: 2\n"));
    // A production start that does not exist is refused.
    const Outcome feb31 =
        cli(neu(dir.file("f.brv"), dir.file("abbruch.txt"), "--beginn 31.2.1999"));
    EXPECT_EQ(feb31.status, 1) << feb31.err; // --beginn given twice: a usage error
    const Outcome feb = cli("neu " + q(dir.file("f.brv")) + " --beginn 31.2.1999");
    EXPECT_EQ(feb.status, 2);
    EXPECT_TRUE(has(feb.err, "Das Datum 31.2.1999 gibt es nicht")) << feb.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("f.brv")));
}

TEST(CliConventions, NoCaseFileIsReplacedUnasked) {
    TempDir dir;
    const std::string fall = dir.file("fall.brv");
    const std::string messungen = BRELVAN_SOURCE_DIR "/examples/druckwerte.txt";
    ASSERT_EQ(cli(neu(fall, messungen)).status, 0);
    const std::string before = readFile(fall);
    const Outcome again = cli(neu(fall, messungen, "--ogip 6000"));
    EXPECT_EQ(again.status, 1); // --ogip twice
    const Outcome refused = cli(neu(fall, messungen, "--feld Anders"));
    EXPECT_EQ(refused.status, 1);
    const Outcome exists = cli("neu " + q(fall) + " --feld Anders");
    EXPECT_EQ(exists.status, 2);
    EXPECT_TRUE(has(exists.err, "gibt es schon; sie wird nur mit --ueberschreiben ersetzt"))
        << exists.err;
    EXPECT_EQ(readFile(fall), before);
    // --speichern refuses before anything is computed.
    const Outcome sens =
        cli("sensitivitaet " + kBeispiel +
            " --ogip 3000:7000 --wip 1000:40000 --jwert 10:100 --speichern " + q(fall));
    EXPECT_EQ(sens.status, 2);
    EXPECT_TRUE(sens.out.empty());
    EXPECT_EQ(readFile(fall), before);
    // Asked for: replaced.
    ASSERT_EQ(cli("neu " + q(fall) + " --feld Anders --ueberschreiben").status, 0);
    EXPECT_NE(readFile(fall), before);
}

TEST(CliConventions, StandardInputAndOutputStandInForFiles) {
    TempDir dir;
    // The case from standard input gives the same report.
    const Outcome fromFile = cli("bericht " + kBeispiel);
    const Outcome fromStdin = cli("bericht -", "<" + kBeispiel);
    ASSERT_EQ(fromStdin.status, 0) << fromStdin.err;
    EXPECT_EQ(fromStdin.out, fromFile.out);
    // The CSV export on standard output instead of the report.
    const Outcome csv = cli("bericht " + kBeispiel + " --csv -");
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.rfind("\xEF\xBB\xBF"
                            "Datum;",
                            0),
              0u);
    EXPECT_FALSE(has(csv.out, "FETKOVITCH"));
    EXPECT_EQ(cli("bericht " + kBeispiel + " --aus - --csv -").status, 1);
    EXPECT_EQ(cli("bericht " + kBeispiel + " --xlsx -").status, 1);
    const Outcome aus = cli("bericht " + kBeispiel + " --aus -");
    EXPECT_TRUE(has(aus.out, "FETKOVITCH"));

    // A new case written to standard output, its measurements from standard input as CSV.
    writeFile(dir.file("m.csv"), "Datum;Gp;Druck\n1.1.2001;500;225,0\n1.1.2002;1000;205\n");
    const Outcome made = cli(neu("-", "-", "--druckformat csv"),
                             "<" + q(dir.file("m.csv")) + " >" + q(dir.file("-x.brv")));
    ASSERT_EQ(made.status, 0) << made.err;
    // "--" ends the options, so a file name may begin with "-".
    const Outcome full = cli("zeigen -- " + q(dir.file("-x.brv")));
    ASSERT_EQ(full.status, 0) << full.err;
    EXPECT_TRUE(has(full.out, "m_Zeilen: 2\n      1. 1.2001        500.000             225.0 \n"))
        << full.out;
    EXPECT_EQ(cli("neu x.brv --druckformat csv").status, 1); // without --druckdatei

    // A spreadsheet that cannot decide its decimal character: no case, and the option named.
    writeFile(dir.file("t.csv"), "Datum;Gp;Druck\n1.1.2001;1.500;225\n1.1.2002;2.000;205\n");
    const Outcome stop = cli(neu(dir.file("t.brv"), dir.file("t.csv")));
    EXPECT_EQ(stop.status, 2);
    EXPECT_TRUE(has(stop.err, "--csv-dezimal komma")) << stop.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("t.brv")));
    const Outcome chosen = cli(neu(dir.file("t.brv"), dir.file("t.csv"), "--csv-dezimal komma"));
    ASSERT_EQ(chosen.status, 0) << chosen.err;
    EXPECT_TRUE(has(chosen.err, "Dezimalzeichen Komma")) << chosen.err;
    EXPECT_TRUE(has(cli("zeigen " + q(dir.file("t.brv"))).out, "       1500.000"));
}

TEST(CliConventions, JsonOutputParsesBackToTheNumbers) {
    TempDir dir;
    const Outcome diag = cli("diagnose " + kBeispiel + " --json");
    ASSERT_EQ(diag.status, 0) << diag.err;
    const auto d = jsonread::parse(diag.out);
    ASSERT_TRUE(d) << diag.out;
    EXPECT_EQ((*d)["ogip"].number, 5000);
    EXPECT_EQ((*d)["water_drive"].kind, jsonread::Value::Kind::Bool);
    EXPECT_EQ((*d)["water_drive_verdict"].kind, jsonread::Value::Kind::String);
    for (const char* key : {"volumetric_ogip", "cole_rise", "rms_error", "mean_error"})
        EXPECT_EQ((*d)[key].kind, jsonread::Value::Kind::Number) << key;
    // The same figures as the text output.
    const Outcome text = cli("diagnose " + kBeispiel);
    EXPECT_TRUE(has(text.out, brelvan::cformat("RMS-Fehler: %.4f", (*d)["rms_error"].number)));

    const Outcome jwert =
        cli("jwert --winkel 360 --k 100 --h 10 --mu 1 --phi 0.2 --rw 1000 --re 10000 --json");
    const auto j = jsonread::parse(jwert.out);
    ASSERT_TRUE(j) << jwert.out;
    const Outcome jText =
        cli("jwert --winkel 360 --k 100 --h 10 --mu 1 --phi 0.2 --rw 1000 --re 10000");
    EXPECT_TRUE(has(jText.out, brelvan::cformat("J-Wert: %.6f", (*j)["j"].number)));
    EXPECT_GT((*j)["wip"].number, 0);

    const auto z =
        jsonread::parse(cli("zwert --gas CH4=100 --temperatur 100 --druck 200 --json").out);
    ASSERT_TRUE(z);
    EXPECT_NEAR((*z)["z"].number, 0.94, 0.02); // methane at 100 °C and 200 bar
    EXPECT_TRUE(z->has("tpc_rankine") && z->has("ppc_psia"));

    const Outcome fit = cli("anpassen " + kBeispiel + " --fest jwert --json");
    ASSERT_EQ(fit.status, 0) << fit.err;
    const auto a = jsonread::parse(fit.out);
    ASSERT_TRUE(a) << fit.out;
    EXPECT_GT((*a)["ogip"].number, 0);
    EXPECT_EQ((*a)["j"].number, 50); // held at the case's value
    EXPECT_FALSE((*a)["free"]["j"].flag);
    EXPECT_EQ((*a)["ranges"]["j"].kind, jsonread::Value::Kind::Null);
    EXPECT_EQ((*a)["ranges"]["ogip"].kind, jsonread::Value::Kind::Array);
    EXPECT_TRUE(a->has("rms_error") && a->has("mean_error"));

    const Outcome sens = cli("sensitivitaet " + kBeispiel +
                             " --ogip 3000:7000 --wip 1000:40000 --jwert 10:100 --json --faelle " +
                             q(dir.file("faelle.csv")));
    ASSERT_EQ(sens.status, 0) << sens.err;
    const auto s = jsonread::parse(sens.out);
    ASSERT_TRUE(s) << sens.out;
    EXPECT_EQ((*s)["cases"].number, 64);
    EXPECT_EQ((*s)["ranges"]["ogip"][0].number, 3000);
    EXPECT_EQ((*s)["ranges"]["ogip"][1].number, 7000);
    // The adopted values are the ones the report below the text output names.
    const Outcome sText =
        cli("sensitivitaet " + kBeispiel + " --ogip 3000:7000 --wip 1000:40000 --jwert 10:100");
    EXPECT_TRUE(has(sText.out, brelvan::cformat("%.1f", (*s)["ogip"].number))) << sText.out;
    // The 64 cases in their own CSV: heading and 64 rows.
    const std::string faelle = readFile(dir.file("faelle.csv"));
    EXPECT_EQ(faelle.rfind("\xEF\xBB\xBF", 0), 0u);
    std::size_t rows = 0;
    for (char c : faelle)
        rows += c == '\n' ? 1 : 0;
    EXPECT_GE(rows, 65u) << faelle;
}

// Ctrl+C stops a long map; no file and no temporary file is left behind.
TEST(CliConventions, InterruptedMapLeavesNoFile) {
    TempDir dir;
    const std::string out = dir.file("karte.csv");
    const std::string program = BRELVAN_CLI;
    std::vector<std::string> args = {program,     "karte",     kBeispiel,   "--achsen",
                                     "ogip,wip",  "--ogip",    "3000:8000", "--wip",
                                     "500:20000", "--jwert",   "10:100",    "--punkte",
                                     "401",       "--dritter", "optimiert", out};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ), 0);
    std::this_thread::sleep_for(std::chrono::seconds(3));
    ASSERT_EQ(kill(pid, SIGINT), 0);
    int raw = 0;
    ASSERT_EQ(waitpid(pid, &raw, 0), pid);
    ASSERT_TRUE(WIFEXITED(raw)) << "ended by a signal";
    EXPECT_EQ(WEXITSTATUS(raw), 130);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}
