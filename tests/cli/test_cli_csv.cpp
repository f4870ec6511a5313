// The batch tool with spreadsheets: a case from a CSV file, the report as CSV and XLSX.
#include <gtest/gtest.h>

#include <fstream>

#include "testing/CliRun.h"
#include "testing/TestFiles.h"

namespace {

cli_run::Result run(const std::string& words) {
    return cli_run::runWords(words);
}

} // namespace

TEST(CliCsv, ACaseFromACsvFileComputesAndExports) {
    TempDir dir;
    std::ofstream(dir.file("druck.csv"), std::ios::binary)
        << "Datum;Gp (Mio m3);Druck (bar)\r\n01.01.2001;500;225,0\r\n01.01.2002;1000;205\r\n"
           "01.07.2002;1200;\r\n2003-01-01;1500;185\r\n15.13.2003;1600;180\r\n";
    const std::string neu =
        "neu '" + dir.file("fall.brv") +
        "' --feld CSV --gas CH4=100 --temperatur 80 --druck 250 --ogip 5000 "
        "--wip 20000 --kompress 9.5 --jwert 50 --beginn 1.1.2000 --druckdatei '" +
        dir.file("druck.csv") + "'";
    const cli_run::Result made = run(neu);
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string& err = made.err;
    EXPECT_NE(
        err.find("Zeile 6 übersprungen (Fehler bei der Angabe der Monate): 15.13.2003;1600;180"),
        std::string::npos)
        << err;
    EXPECT_NE(err.find("4 Zeilen übernommen, 1 übersprungen"), std::string::npos) << err;

    // The same case as the bundled example: the same report, and its table as CSV and XLSX.
    const cli_run::Result report = run("bericht '" + dir.file("fall.brv") + "' --csv '" +
                                       dir.file("b.csv") + "' --xlsx '" + dir.file("b.xlsx") + "'");
    ASSERT_EQ(report.status, 0) << report.err;
    const std::string csv = readFile(dir.file("b.csv"));
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF"
                        "Datum;Zeit (Tage);Gp (Mio m3);",
                        0),
              0u);
    EXPECT_NE(csv.find("\r\n01.07.2002;912;1200;"), std::string::npos) << csv;
    EXPECT_EQ(readFile(dir.file("b.xlsx")).substr(0, 2), "PK");

    ASSERT_EQ(run("bericht '" + dir.file("fall.brv") + "' --csv '" + dir.file("p.csv") +
                  "' --csv-format punkt")
                  .status,
              0);
    EXPECT_NE(readFile(dir.file("p.csv")).find("\r\n2002-07-01,912,1200,"), std::string::npos);

    // A bad format name and a file that cannot be written are refused.
    EXPECT_EQ(run("bericht '" + dir.file("fall.brv") + "' --csv x.csv --csv-format excel").status,
              1);
    const cli_run::Result unwritable =
        run("bericht '" + dir.file("fall.brv") + "' --xlsx '" + dir.file("nein/b.xlsx") + "'");
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("ihren Ordner gibt es nicht"), std::string::npos);
    // Columns chosen on the command line; a bad choice is refused.
    std::ofstream(dir.file("spalten.csv")) << "500;225;1.1.2001\n1000;205;1.1.2002\n";
    const std::string chosen =
        "neu '" + dir.file("s.brv") + "' --druckdatei '" + dir.file("spalten.csv") + "'";
    const cli_run::Result columns = run(chosen + " --csv-spalten 3,1,0");
    ASSERT_EQ(columns.status, 0) << columns.err;
    const cli_run::Result shown = run("zeigen '" + dir.file("s.brv") + "'");
    ASSERT_EQ(shown.status, 0);
    EXPECT_NE(shown.out.find("m_Zeilen: 2\n      1. 1.2001        500.000\n"), std::string::npos)
        << shown.out;
    EXPECT_EQ(run(chosen + " --csv-spalten 3").status, 1);
    EXPECT_EQ(run(chosen + " --csv-spalten 0,1").status, 1);

    // A CSV file without a date column: no case is written.
    std::ofstream(dir.file("leer.csv")) << "Gp;Druck\n1;2\n";
    EXPECT_EQ(
        run("neu '" + dir.file("x.brv") + "' --druckdatei '" + dir.file("leer.csv") + "'").status,
        2);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.brv")));
}
