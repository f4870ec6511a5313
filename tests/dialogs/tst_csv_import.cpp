// The CSV import of the input dialog: the preview with its choices, and the lines it hands to
// the list.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <memory>

#include "dialogs/DlgCsvImport.h"
#include "testing/DialogFixture.h"

namespace {

// The production start of the example case is 1.1.2000.
const std::string kFile = "Nr;Messdatum;Gp kum. (Mio m3);Schließdruck (bar)\r\n"
                          "1;01.01.2004;1800;170,5\r\n"
                          "2;01.07.2004;2000;\r\n"
                          "3;01.01.1999;100;250\r\n"
                          "4;01.01.2005;2200;16O\r\n";

} // namespace

class TestCsvImport : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedBoxes> m_boxes;
    std::unique_ptr<QtUserInterface> m_ui;
    QTemporaryDir m_dir;

    QString writeFile(const char* name, const std::string& bytes) {
        const QString path = m_dir.filePath(QString::fromUtf8(name));
        std::ofstream(path.toStdString(), std::ios::binary) << bytes;
        return path;
    }

private slots:
    void init() {
        m_boxes = std::make_unique<ScriptedBoxes>();
        m_ui = std::make_unique<QtUserInterface>();
    }
    void cleanup() {
        DlgInput::s_chooseCsvFile = nullptr;
        DlgInput::s_runCsvPreview = nullptr;
        m_ui.reset();
        m_boxes.reset();
    }

    // The preview shows what enters the list and what is skipped; the user's column choice
    // reads the file again.
    void previewFollowsTheChoices() {
        DlgCsvImport preview(QStringLiteral("druck.csv"), kFile, 36525.0f); // 1.1.2000
        QCOMPARE(preview.rowsTable()->rowCount(), 2);
        QCOMPARE(preview.skippedTable()->rowCount(), 2);
        QCOMPARE(preview.skippedTable()->item(0, 0)->text(), QStringLiteral("4"));
        QCOMPARE(preview.skippedTable()->item(0, 1)->text(),
                 QStringLiteral("Keine zeitliche Reihenfolge (nicht nach dem Förderbeginn)"));
        QCOMPARE(preview.skippedTable()->item(1, 1)->text(),
                 QStringLiteral("Druck „16O“ ist keine Zahl"));
        QCOMPARE(preview.rowsTable()->item(0, 3)->text(), QStringLiteral("170,5"));
        QCOMPARE(preview.columnBox(1)->currentText(),
                 QStringLiteral("Automatisch (Gp kum. (Mio m3))"));
        QVERIFY(preview.okButton()->isEnabled());

        // Without the pressure column every row is a production-only line, the bad pressure
        // no longer matters.
        preview.columnBox(2)->setCurrentIndex(preview.columnBox(2)->findData(-1));
        QCOMPARE(preview.rowsTable()->rowCount(), 3);
        QCOMPARE(preview.lines().back(), std::string("      1. 1.2005       2200.000"));

        // A separator that splits nothing leaves no date column: nothing can be taken.
        preview.separatorBox()->setCurrentIndex(preview.separatorBox()->findData(int('\t')));
        QCOMPARE(preview.rowsTable()->rowCount(), 0);
        QVERIFY(!preview.okButton()->isEnabled());
        preview.separatorBox()->setCurrentIndex(0);
        QCOMPARE(preview.rowsTable()->rowCount(), 2);
    }

    // What the file itself decides is shown; where it cannot decide, nothing is taken until
    // the user chooses, and the choice reads the file again.
    void previewAsksWhatTheFileCannotDecide() {
        const std::string file = "Messungen Feld A\n"
                                 "Datum;Gp;Druck\n2/1/2001;1.500;225\n3/1/2001;2.000;205\n";
        DlgCsvImport preview(QStringLiteral("druck.csv"), file, 36525.0f); // 1.1.2000
        QCOMPARE(preview.headerBox()->itemText(0), QStringLiteral("Automatisch (Zeile 2)"));
        QCOMPARE(preview.separatorBox()->itemText(0), QStringLiteral("Automatisch (Semikolon ;)"));
        QCOMPARE(preview.decimalBox()->itemText(0), QStringLiteral("Automatisch (unklar)"));
        QVERIFY(preview.summaryLabel()->text().contains(QStringLiteral("„1.500“ in Zeile 3")));
        QVERIFY(preview.summaryLabel()->text().endsWith(
            QStringLiteral("Bitte das Dezimalzeichen wählen.")));
        QVERIFY(!preview.okButton()->isEnabled());

        preview.decimalBox()->setCurrentIndex(preview.decimalBox()->findData(int(',')));
        QCOMPARE(preview.dateOrderBox()->itemText(0), QStringLiteral("Automatisch (unklar)"));
        QVERIFY(preview.summaryLabel()->text().endsWith(
            QStringLiteral("Bitte die Datumsfolge wählen.")));
        QVERIFY(!preview.okButton()->isEnabled());

        preview.dateOrderBox()->setCurrentIndex(preview.dateOrderBox()->findData(
            static_cast<int>(brelvan::csv::DateOrder::MonthDayYear)));
        QVERIFY(preview.okButton()->isEnabled());
        QCOMPARE(preview.rowsTable()->rowCount(), 2);
        QCOMPARE(preview.lines().front(),
                 std::string("      1. 2.2001       1500.000             225.0 "));
    }

    // The button of the input dialog: the previewed lines replace the list or follow it; a
    // cancelled preview changes nothing; the fields typed meanwhile stay.
    void theDialogTakesThePreviewedLines() {
        DlgInput d(*m_ui);
        fillExampleCase(d);
        QVERIFY(showActive(d));
        const QString path = writeFile("druck.csv", kFile);
        DlgInput::s_chooseCsvFile = [path](QWidget*) { return path; };
        bool append = false;
        bool take = false;
        DlgInput::s_runCsvPreview = [&](DlgCsvImport& preview) {
            preview.appendButton()->setChecked(append);
            return take;
        };
        editOf(d, DlgInputData::kIdName)->setText(QStringLiteral("Feld B"));
        QTest::mouseClick(d.control(DlgInputData::kIdCsvImport), Qt::LeftButton);
        settle();
        QCOMPARE(d.list()->count(), 4);
        QCOMPARE(editOf(d, DlgInputData::kIdName)->text(), QStringLiteral("Feld B"));

        take = true;
        append = true;
        QTest::mouseClick(d.control(DlgInputData::kIdCsvImport), Qt::LeftButton);
        settle();
        QCOMPARE(d.list()->count(), 6);
        QCOMPARE(d.m_Zeilen.back(), std::string("      1. 7.2004       2000.000"));
        QCOMPARE(qobject_cast<QLabel*>(d.control(DlgInputData::kIdStatus))->text(),
                 QStringLiteral("6 Zeilen wurden eingelesen"));

        append = false;
        QTest::mouseClick(d.control(DlgInputData::kIdCsvImport), Qt::LeftButton);
        settle();
        QCOMPARE(d.list()->count(), 2);
        QVERIFY(m_boxes->shown.empty());

        // A file that cannot be read: its message, the list stays.
        DlgInput::s_chooseCsvFile = [this](QWidget*) { return m_dir.filePath("fehlt.csv"); };
        QTest::mouseClick(d.control(DlgInputData::kIdCsvImport), Qt::LeftButton);
        settle();
        QCOMPARE(m_boxes->shown.size(), std::size_t{1});
        QCOMPARE(d.list()->count(), 2);
    }
};

QTEST_MAIN(TestCsvImport)
#include "tst_csv_import.moc"
