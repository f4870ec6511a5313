// The shut-in pressure list of the input dialog, driven through its widgets: double click,
// the four operations with their questions and status texts, the line checks, and the import
// of a measurement file.
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <memory>

#include "dialogs/FittedText.h"
#include "testing/DialogFixture.h"

namespace {

constexpr int kZeile = DlgInputData::kIdZeile;
constexpr int kStatus = DlgInputData::kIdStatus;

const std::string kAppended = "     15. 6.2003        120.500             210.0 ";

} // namespace

class TestPressureList : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedBoxes> m_boxes;
    std::unique_ptr<QtUserInterface> m_ui;
    std::unique_ptr<DlgInput> m_dlg;
    QTemporaryDir m_dir;

    DlgInput& open() {
        m_dlg = std::make_unique<DlgInput>(*m_ui);
        fillExampleCase(*m_dlg);
        if (!showActive(*m_dlg)) {
            qWarning("input dialog did not become active");
        }
        return *m_dlg;
    }
    QString status() const { return qobject_cast<QLabel*>(m_dlg->control(kStatus))->text(); }
    std::vector<std::string> items() const {
        std::vector<std::string> result;
        for (int i = 0; i < m_dlg->list()->count(); ++i) {
            result.push_back(m_dlg->list()->item(i)->text().toStdString());
        }
        return result;
    }
    void chooseOption(int index) {
        QTest::mouseClick(m_dlg->control(DlgInputData::kIdOptionFirst + index), Qt::LeftButton);
        settle();
    }
    void selectRow(int row) {
        QListWidget* list = m_dlg->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        settle();
    }
    void doubleClickRow(int row) {
        QListWidget* list = m_dlg->list();
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        settle();
    }
    // Chooses a line from the keyboard: Enter on the list's current line.
    void chooseLine(int row) {
        m_dlg->list()->setFocus(Qt::TabFocusReason);
        settle();
        m_dlg->list()->setCurrentRow(row);
        QTest::keyClick(m_dlg->list(), Qt::Key_Return);
        settle();
    }
    // Types a line into the edit line and leaves it with Tab: the chosen operation runs.
    void editLine(const QString& text) {
        typeInto(*m_dlg, kZeile, text);
        tabAway();
    }
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
        m_dlg.reset();
        m_ui.reset();
        m_boxes.reset();
    }

    void doubleClickSelectsALine() {
        DlgInput& d = open();
        doubleClickRow(1);
        QCOMPARE(editOf(d, kZeile)->text(), d.list()->item(1)->text());
        QCOMPARE(status(), QStringLiteral("2.Zeile ausgewählt"));
        QCOMPARE(QApplication::focusWidget(), d.control(kZeile));
        QCOMPARE(d.m_iAuswahl, 1);
        QVERIFY(m_boxes->shown.empty());
    }

    // Enter and Space in the list choose the current line as a double click does; the dialog
    // stays open and nothing is computed.
    void enterAndSpaceInTheListChooseTheLine_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void enterAndSpaceInTheListChooseTheLine() {
        QFETCH(int, key);
        DlgInput& d = open();
        QListWidget* list = d.list();
        list->setFocus(Qt::TabFocusReason);
        settle();
        list->setCurrentRow(2);
        QTest::keyClick(list, Qt::Key(key));
        settle();
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), 0);
        QCOMPARE(editOf(d, kZeile)->text(), list->item(2)->text());
        QCOMPARE(status(), QStringLiteral("3.Zeile ausgewählt"));
        QCOMPARE(QApplication::focusWidget(), d.control(kZeile));
        QVERIFY(m_boxes->shown.empty());
    }

    // A chosen line left untouched asks nothing for change, append and insert; with "Zeile
    // löschen" in force it is the request to delete that line.
    void chosenLineLeftUntouched_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("question");
        QTest::newRow("change") << 0 << QString();
        QTest::newRow("append") << 1 << QString();
        QTest::newRow("insert") << 2 << QString();
        QTest::newRow("delete") << 3
                                << QStringLiteral("Soll diese Zeile wirklich gelöscht werden?\n");
    }
    void chosenLineLeftUntouched() {
        QFETCH(int, option);
        QFETCH(QString, question);
        DlgInput& d = open();
        const std::vector<std::string> before = items();
        chooseOption(option);
        m_boxes->answers = {true};
        chooseLine(1);
        QCOMPARE(QApplication::focusWidget(), d.control(kZeile));
        tabAway();
        if (question.isEmpty()) {
            QVERIFY(m_boxes->shown.empty());
            QCOMPARE(items(), before);
        } else {
            QCOMPARE(m_boxes->texts(),
                     std::vector<std::string>{question.toStdString() + before[1]});
            QCOMPARE(items().size(), before.size() - 1);
        }
        // Typing over the chosen line is a change the user asked for.
        if (option == 0) {
            chooseLine(1);
            typeInto(d, kZeile, QStringLiteral("15.6.2003 120.5 210"));
            tabAway();
            QCOMPARE(
                m_boxes->texts(),
                std::vector<std::string>{"Soll diese Zeile geändert werden?\n15.6.2003 120.5 210"});
        }
    }

    // The lines in a fixed-pitch font, whole within the list, so that their columns line up.
    void listColumnsLineUp() {
        DlgInput& d = open();
        QListWidget* list = d.list();
        QVERIFY(fitted::fixedPitch(list->font()));
        const QFontMetricsF fm(list->font());
        for (int i = 0; i < list->count(); ++i) {
            QString text = list->item(i)->text();
            while (text.endsWith(QLatin1Char(' ')))
                text.chop(1);
            QVERIFY2(fm.horizontalAdvance(text) <= list->viewport()->width(), qPrintable(text));
        }
        // The decimal points of Gp stand under each other.
        const QString a = list->item(0)->text();
        const QString b = list->item(2)->text();
        QCOMPARE(fm.horizontalAdvance(a.left(a.indexOf(QLatin1Char('.'), 16))),
                 fm.horizontalAdvance(b.left(b.indexOf(QLatin1Char('.'), 16))));
    }

    void doubleClickBesideTheLinesDoesNothing() {
        DlgInput& d = open();
        QListWidget* list = d.list();
        const QPoint below(10, list->viewport()->height() - 3);
        QVERIFY(!list->itemAt(below));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
        settle();
        QCOMPARE(status(), QString());
        QCOMPARE(editOf(d, kZeile)->text(), QString());
        QVERIFY(m_boxes->shown.empty());
    }

    // What the user typed into other fields survives a double click, even where it does not
    // convert.
    void doubleClickKeepsTypedFields() {
        DlgInput& d = open();
        editOf(d, DlgInputData::kIdName)->setText(QStringLiteral("Feld Nord"));
        editOf(d, DlgInputData::kIdOGIP)->setText(QStringLiteral("fünftausend"));
        editOf(d, DlgInputData::kIdDruck)->setText(QStringLiteral("260"));
        doubleClickRow(0);
        QCOMPARE(editOf(d, DlgInputData::kIdName)->text(), QStringLiteral("Feld Nord"));
        QCOMPARE(editOf(d, DlgInputData::kIdOGIP)->text(), QStringLiteral("fünftausend"));
        QCOMPARE(editOf(d, DlgInputData::kIdDruck)->text(), QStringLiteral("260"));
        QCOMPARE(d.m_dOGIP, 5000.0);
        QVERIFY(m_boxes->shown.empty());
        // Likewise the button "Zeile ändern", which shows all members again.
        editOf(d, DlgInputData::kIdTemperatur)->setText(QStringLiteral("81"));
        chooseOption(0);
        QCOMPARE(editOf(d, DlgInputData::kIdOGIP)->text(), QStringLiteral("fünftausend"));
        QCOMPARE(editOf(d, DlgInputData::kIdTemperatur)->text(), QStringLiteral("81"));
    }

    // Each operation with Yes and with No: the question, the list, the status and m_Zeilen.
    void operations_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("selected"); // -1: no line selected
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question"); // empty: none asked
        QTest::addColumn<QString>("statusAfter");
        QTest::addColumn<int>("changedRow"); // where the new text stands, -1 none
        QTest::addColumn<int>("count");
        const QString tail = QStringLiteral("15.6.2003 120.5 210");
        QTest::newRow("append Ja")
            << 1 << -1 << true << QStringLiteral("Soll diese Zeile angehängt werden?\n") + tail
            << QStringLiteral("5.Zeile angehängt") << 4 << 5;
        QTest::newRow("append Nein")
            << 1 << -1 << false << QStringLiteral("Soll diese Zeile angehängt werden?\n") + tail
            << QString() << -1 << 4;
        const QString insertQ =
            QStringLiteral("Soll diese Zeile vor der markarkierten eingefügt werden?\n") + tail;
        QTest::newRow("insert Ja")
            << 2 << 1 << true << insertQ << QStringLiteral("2.Zeile eingefügt") << 1 << 5;
        QTest::newRow("insert Nein") << 2 << 1 << false << insertQ << QString() << -1 << 4;
        QTest::newRow("insert without a selection")
            << 2 << -1 << true << QString() << QString() << -1 << 4;
        const QString changeQ = QStringLiteral("Soll diese Zeile geändert werden?\n") + tail;
        QTest::newRow("change Ja")
            << 0 << 2 << true << changeQ << QStringLiteral("3.Zeile wurde geändert") << 2 << 4;
        QTest::newRow("change Nein") << 0 << 2 << false << changeQ << QString() << -1 << 4;
        QTest::newRow("change without a selection")
            << 0 << -1 << true << QString() << QString() << -1 << 4;
        const QString deleteQ =
            QStringLiteral("Soll diese Zeile wirklich gelöscht werden?\n") + tail;
        QTest::newRow("delete Ja")
            << 3 << 3 << true << deleteQ << QStringLiteral("4.Zeile gelöscht") << -1 << 3;
        QTest::newRow("delete Nein") << 3 << 3 << false << deleteQ << QString() << -1 << 4;
        QTest::newRow("delete without a selection")
            << 3 << -1 << true << QString() << QString() << -1 << 4;
    }
    void operations() {
        QFETCH(int, option);
        QFETCH(int, selected);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        QFETCH(QString, statusAfter);
        QFETCH(int, changedRow);
        QFETCH(int, count);
        DlgInput& d = open();
        const std::vector<std::string> before = items();
        chooseOption(option);
        if (selected >= 0) {
            selectRow(selected);
        }
        m_boxes->answers = {yes};
        editLine(QStringLiteral("15.6.2003 120.5 210"));
        // Change, insert and delete without a chosen line say so.
        const bool refused = selected < 0 && option != 1;
        if (refused) {
            QCOMPARE(m_boxes->texts().size(), std::size_t(1));
            QVERIFY(m_boxes->texts()[0].rfind("Keine Zeile ausgewählt: ", 0) == 0);
        } else if (question.isEmpty()) {
            QVERIFY(m_boxes->shown.empty());
        } else {
            QCOMPARE(m_boxes->texts(), std::vector<std::string>{question.toStdString()});
        }
        QCOMPARE(status(), statusAfter);
        QCOMPARE(d.list()->count(), count);
        if (changedRow >= 0) {
            QCOMPARE(items()[std::size_t(changedRow)], kAppended);
        }
        if (!yes || question.isEmpty()) {
            QCOMPARE(items(), before);
        }
        if (option == 3 && yes && !question.isEmpty()) {
            std::vector<std::string> expected = before;
            expected.erase(expected.begin() + selected);
            QCOMPARE(items(), expected);
        }
        QCOMPARE(d.m_Zeilen, items());
        // The edit line keeps its text after the operation.
        QCOMPARE(editOf(d, kZeile)->text(), QStringLiteral("15.6.2003 120.5 210"));
    }

    // The edit line keeps its text; a line once applied is not applied again by merely
    // passing through the field, but typing it again (or answering No) keeps it pending.
    void repeatedQuestionForTheSameLine() {
        DlgInput& d = open();
        chooseOption(1);
        m_boxes->answers = {true, false, true};
        editLine(QStringLiteral("15.6.2003 120.5"));
        editOf(d, kZeile)->setFocus(Qt::MouseFocusReason);
        tabAway();
        QCOMPARE(m_boxes->shown.size(), std::size_t(1));
        editLine(QStringLiteral("15.6.2003 120.5"));
        editOf(d, kZeile)->setFocus(Qt::MouseFocusReason);
        tabAway();
        QCOMPARE(m_boxes->shown.size(), std::size_t(3));
        for (const auto& shown : m_boxes->shown) {
            QCOMPARE(shown.text,
                     std::string("Soll diese Zeile angehängt werden?\n15.6.2003 120.5"));
        }
        QCOMPARE(d.list()->count(), 6);
        QCOMPARE(items()[4], std::string("     15. 6.2003        120.500"));
        QCOMPARE(items()[5], items()[4]);
        QCOMPARE(status(), QStringLiteral("6.Zeile angehängt"));
    }

    // Choosing the operation with a click moves the focus out of the edit line: the line is
    // then checked and the newly chosen operation asked for.
    void clickingAnOperationAppliesTheLine() {
        DlgInput& d = open();
        typeInto(d, kZeile, QStringLiteral("15/6/2003 120.5 210"));
        m_boxes->answers = {true};
        chooseOption(1);
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{
                                       "Soll diese Zeile angehängt werden?\n15/6/2003 120.5 210"});
        QCOMPARE(items().back(), kAppended);
    }

    void lineChecks_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << QString(); // nothing typed: no request
        QTest::newRow("typed and deleted")
            << QStringLiteral(" ") << QStringLiteral("Die Zeile enthält zu wenig Daten");
        QTest::newRow("doubled sign")
            << QStringLiteral("1.1.2001 --1e39 200")
            << QStringLiteral("Der Gp-Wert „--1e39“ ist keine gültige Zahl.");
        QTest::newRow("nan") << QStringLiteral("1.1.2001 nan 200")
                             << QStringLiteral("Der Gp-Wert „nan“ ist keine endliche Zahl.");
        QTest::newRow("inf pressure")
            << QStringLiteral("1.1.2001 100 inf")
            << QStringLiteral("Der Druckwert „inf“ ist keine endliche Zahl.");
        QTest::newRow("1e39") << QStringLiteral("1.1.2001 1e39 200")
                              << QStringLiteral(
                                     "Der Gp-Wert „1e39“ liegt außerhalb jedes möglichen Wertes.");
        QTest::newRow("-1e30") << QStringLiteral("1.1.2001 100 -1e30")
                               << QStringLiteral(
                                      "Der Druckwert „-1e30“ liegt außerhalb jedes möglichen "
                                      "Wertes.");
        QTest::newRow("date only")
            << QStringLiteral("1.6.2003") << QStringLiteral("Die Zeile enthält zu wenig Daten");
        QTest::newRow("day 0") << QStringLiteral("0.6.2003 1 1")
                               << QStringLiteral("Fehler bei der Angabe der Tage");
        QTest::newRow("day 32") << QStringLiteral("32.6.2003 1 1")
                                << QStringLiteral("Fehler bei der Angabe der Tage");
        QTest::newRow("month 13") << QStringLiteral("1.13.2003 1 1")
                                  << QStringLiteral("Fehler bei der Angabe der Monate");
        QTest::newRow("year 1899")
            << QStringLiteral("1.1.1899 1 1") << QStringLiteral("Fehler bei der Angabe des Jahres");
        QTest::newRow("year 2201")
            << QStringLiteral("1.1.2201 1") << QStringLiteral("Fehler bei der Angabe des Jahres");
        QTest::newRow("31.4.") << QStringLiteral("31.4.2003 120 210")
                               << QStringLiteral("Keine zeitliche Reihenfolge");
        QTest::newRow("on the start")
            << QStringLiteral("1.1.2000 120 210") << QStringLiteral("Keine zeitliche Reihenfolge");
        QTest::newRow("before the start") << QStringLiteral("31.12.1999 120 210")
                                          << QStringLiteral("Keine zeitliche Reihenfolge");
    }
    void lineChecks() {
        QFETCH(QString, line);
        QFETCH(QString, message);
        DlgInput& d = open();
        chooseOption(1);
        m_boxes->answers = {true};
        editLine(line);
        if (message.isEmpty()) {
            QVERIFY(m_boxes->shown.empty());
        } else {
            QCOMPARE(m_boxes->texts(), std::vector<std::string>{message.toStdString()});
        }
        QCOMPARE(d.list()->count(), 4);
        QCOMPARE(editOf(d, kZeile)->text(), line);
        QVERIFY(d.isVisible());
    }

    // Enter in the edit line applies the line as leaving it does; the dialog stays open, and
    // OK afterwards neither asks again nor drops the line.
    void enterAppliesTheLineAndKeepsTheDialogOpen() {
        DlgInput& d = open();
        chooseOption(1);
        m_boxes->answers = {true};
        typeInto(d, kZeile, QStringLiteral("15.6.2003 120.5 210"));
        QTest::keyClick(editOf(d, kZeile), Qt::Key_Return);
        settle();
        QVERIFY(d.isVisible());
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{
                                       "Soll diese Zeile angehängt werden?\n15.6.2003 120.5 210"});
        QCOMPARE(items().back(), kAppended);
        QTest::keyClick(editOf(d, kZeile), Qt::Key_Enter);
        settle();
        QVERIFY(d.isVisible());
        QCOMPARE(m_boxes->shown.size(), std::size_t(1));
        QTest::mouseClick(d.control(BrelvanDialog::kIdOk), Qt::LeftButton);
        settle();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(m_boxes->shown.size(), std::size_t(1));
        QCOMPARE(d.m_Zeilen.size(), std::size_t(5));
    }

    // The untouched edit line is no request: tabbing through it and OK from it say nothing.
    void untouchedEditLineDoesNothing() {
        DlgInput& d = open();
        editOf(d, kZeile)->setFocus(Qt::TabFocusReason);
        tabAway();
        QVERIFY(m_boxes->shown.empty());
        editOf(d, kZeile)->setFocus(Qt::MouseFocusReason);
        QTest::mouseClick(d.control(BrelvanDialog::kIdOk), Qt::LeftButton);
        settle();
        QVERIFY(m_boxes->shown.empty());
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    // A date before an earlier line but after the production start is accepted as it stands.
    void listIsNotResorted() {
        DlgInput& d = open();
        chooseOption(1);
        m_boxes->answers = {true};
        editLine(QStringLiteral("1.6.2000 10 240"));
        QCOMPARE(items().back(), std::string("      1. 6.2000         10.000             240.0 "));
        QVERIFY(d.isVisible());
    }

    // The edited list is what OK hands back; Abbrechen keeps nothing (the caller only copies
    // back on OK).
    void editedListReachesTheCaseOnOk() {
        DlgInput& d = open();
        chooseOption(3);
        selectRow(0);
        m_boxes->answers = {true};
        editLine(QStringLiteral("1.1.2001 500 225"));
        QCOMPARE(d.m_Zeilen.size(), std::size_t(3));
        // OK clicked from the edit line: its check runs once more, but with no line selected
        // the deletion is refused without a question, and OK goes on.
        m_boxes->clear();
        editOf(d, kZeile)->setFocus(Qt::MouseFocusReason);
        QTest::mouseClick(d.control(BrelvanDialog::kIdOk), Qt::LeftButton);
        settle();
        QVERIFY(m_boxes->shown.empty());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.m_Zeilen.size(), std::size_t(3));
        QCOMPARE(d.m_Zeilen.front(),
                 std::string("      1. 1.2002       1000.000             205.0 "));
    }

    // ---- Import

    void importExampleFile() {
        DlgInput& d = open();
        const QString path = writeFile("druck.txt", "Feld A  Schliessdruecke\r\n"
                                                    "1.7.1990   12.5   251.0\r\n"
                                                    "1.1.1991   40.0\r\n"
                                                    "1.7.1991   71.25  238.4\r\n");
        DlgInput::s_chooseFile = [path](QWidget*) { return path; };
        editOf(d, DlgInputData::kIdName)->setText(QStringLiteral("Feld A neu"));
        editOf(d, DlgInputData::kIdDruck)->setText(QStringLiteral("bar?"));
        QTest::mouseClick(d.control(DlgInputData::kIdDruckdatei), Qt::LeftButton);
        settle();
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{path.toStdString() + " wird geöffnet"});
        const std::vector<std::string> expected = {
            "      1. 7.1990         12.500             251.0", "      1. 1.1991         40.000   ",
            "      1. 7.1991         71.250             238.4"};
        QCOMPARE(items(), expected);
        QCOMPARE(d.m_Zeilen, expected);
        QCOMPARE(status(), QStringLiteral("3 Zeilen wurden eingelesen"));
        QCOMPARE(editOf(d, kZeile)->text(), QStringLiteral(" "));
        QCOMPARE(editOf(d, DlgInputData::kIdName)->text(), QStringLiteral("Feld A neu"));
        QCOMPARE(editOf(d, DlgInputData::kIdDruck)->text(), QStringLiteral("bar?"));
    }

    void importStops_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("message");
        QTest::newRow("heading only") << QByteArray("Kopf\n") << 0 << QString();
        QTest::newRow("empty line after the data")
            << QByteArray("Kopf\n1.7.1990 12.5 251\n\n1.1.1991 40\n") << 1
            << QStringLiteral("Die Zeile enhält keine 6 Werte\n ");
        QTest::newRow("line of 120 characters")
            << (QByteArray("Kopf\n1.7.1990 12.5 251\n") + QByteArray(120, '1') + "\n") << 1
            << QStringLiteral("In der 3.Zeile 100 Zeichen gelesen");
        QTest::newRow("date not checked")
            << QByteArray("Kopf\n32.13.1850 5 100\n") << 1 << QString();
    }
    void importStops() {
        QFETCH(QByteArray, content);
        QFETCH(int, lines);
        QFETCH(QString, message);
        DlgInput& d = open();
        const QString path = writeFile("stop.txt", content.toStdString());
        DlgInput::s_chooseFile = [path](QWidget*) { return path; };
        QTest::mouseClick(d.control(DlgInputData::kIdDruckdatei), Qt::LeftButton);
        settle();
        std::vector<std::string> expected{path.toStdString() + " wird geöffnet"};
        if (!message.isEmpty()) {
            expected.push_back(message.toStdString());
        }
        QCOMPARE(m_boxes->texts(), expected);
        QCOMPARE(d.list()->count(), lines);
        QCOMPARE(status(), QStringLiteral("%1 Zeilen wurden eingelesen").arg(lines));
    }

    // No file chosen, or one that cannot be opened: the list stays as it was.
    void importWithoutAFile() {
        DlgInput& d = open();
        DlgInput::s_chooseFile = [](QWidget*) { return QString(); };
        QTest::mouseClick(d.control(DlgInputData::kIdDruckdatei), Qt::LeftButton);
        settle();
        QVERIFY(m_boxes->shown.empty());
        QCOMPARE(d.list()->count(), 4);
        const QString missing = m_dir.filePath(QStringLiteral("fehlt.txt"));
        DlgInput::s_chooseFile = [missing](QWidget*) { return missing; };
        QTest::mouseClick(d.control(DlgInputData::kIdDruckdatei), Qt::LeftButton);
        settle();
        QCOMPARE(m_boxes->shown.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(m_boxes->shown.front().text).contains(missing));
        QCOMPARE(d.list()->count(), 4);
        QCOMPARE(d.m_Zeilen.size(), std::size_t(4));
    }
};

QTEST_MAIN(TestPressureList)
#include "tst_pressure_list.moc"
