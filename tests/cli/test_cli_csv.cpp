// The batch tool with spreadsheets: a case from a CSV file, the report as CSV and XLSX.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "testing/TestFiles.h"

namespace {

int run(const std::string& args, const TempDir& dir) {
    const std::string command = std::string("'") + BRELVAN_CLI + "' " + args + " >'" +
                                dir.file("out.txt") + "' 2>'" + dir.file("err.txt") + "'";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
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
    ASSERT_EQ(run(neu, dir), 0) << readFile(dir.file("err.txt"));
    const std::string err = readFile(dir.file("err.txt"));
    EXPECT_NE(
        err.find("Zeile 6 übersprungen (Fehler bei der Angabe der Monate): 15.13.2003;1600;180"),
        std::string::npos)
        << err;
    EXPECT_NE(err.find("4 Zeilen übernommen, 1 übersprungen"), std::string::npos) << err;

    // The same case as the bundled example: the same report, and its table as CSV and XLSX.
    ASSERT_EQ(run("bericht '" + dir.file("fall.brv") + "' --csv '" + dir.file("b.csv") +
                      "' --xlsx '" + dir.file("b.xlsx") + "'",
                  dir),
              0)
        << readFile(dir.file("err.txt"));
    const std::string csv = readFile(dir.file("b.csv"));
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF"
                        "Datum;Zeit (Tage);Gp (Mio m3);",
                        0),
              0u);
    EXPECT_NE(csv.find("\r\n01.07.2002;912;1200;"), std::string::npos) << csv;
    EXPECT_EQ(readFile(dir.file("b.xlsx")).substr(0, 2), "PK");

    ASSERT_EQ(run("bericht '" + dir.file("fall.brv") + "' --csv '" + dir.file("p.csv") +
                      "' --csv-format punkt",
                  dir),
              0);
    EXPECT_NE(readFile(dir.file("p.csv")).find("\r\n2002-07-01,912,1200,"), std::string::npos);

    // A bad format name and a file that cannot be written are refused.
    EXPECT_EQ(run("bericht '" + dir.file("fall.brv") + "' --csv x.csv --csv-format excel", dir), 1);
    EXPECT_EQ(
        run("bericht '" + dir.file("fall.brv") + "' --xlsx '" + dir.file("nein/b.xlsx") + "'", dir),
        2);
    EXPECT_NE(readFile(dir.file("err.txt")).find("ihren Ordner gibt es nicht"), std::string::npos);
    // Columns chosen on the command line; a bad choice is refused.
    std::ofstream(dir.file("spalten.csv")) << "500;225;1.1.2001\n1000;205;1.1.2002\n";
    const std::string chosen =
        "neu '" + dir.file("s.brv") + "' --druckdatei '" + dir.file("spalten.csv") + "'";
    ASSERT_EQ(run(chosen + " --csv-spalten 3,1,0", dir), 0) << readFile(dir.file("err.txt"));
    ASSERT_EQ(run("zeigen '" + dir.file("s.brv") + "'", dir), 0);
    EXPECT_NE(readFile(dir.file("out.txt")).find("m_Zeilen: 2\n      1. 1.2001        500.000\n"),
              std::string::npos)
        << readFile(dir.file("out.txt"));
    EXPECT_EQ(run(chosen + " --csv-spalten 3", dir), 1);
    EXPECT_EQ(run(chosen + " --csv-spalten 0,1", dir), 1);

    // A CSV file without a date column: no case is written.
    std::ofstream(dir.file("leer.csv")) << "Gp;Druck\n1;2\n";
    EXPECT_EQ(
        run("neu '" + dir.file("x.brv") + "' --druckdatei '" + dir.file("leer.csv") + "'", dir), 2);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.brv")));
}
