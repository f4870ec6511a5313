// The core's user interface on Qt: real message boxes with their German buttons, the test
// hook, the wait cursor, the input dialog on a case's data, the results dialog and the help.
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>
#include <memory>

#include "dialogs/DlgSensResults.h"
#include "dialogs/HelpWindow.h"
#include "document/CBrelvanDoc.h"
#include "testing/DialogFixture.h"

class TestQtUserInterface : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QtUserInterface::s_answer = nullptr;
        BrelvanDialog::s_modalHook = nullptr;
        QtUserInterface::s_helpFile = QStringLiteral(":/brelvan/hilfe.html");
        while (QApplication::overrideCursor()) {
            QApplication::restoreOverrideCursor();
        }
    }

    void questionHasGermanButtons_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nein") << false;
    }
    void questionHasGermanButtons() {
        QFETCH(bool, yes);
        QtUserInterface ui;
        QStringList seen;
        QString text;
        whenBoxOpens([&](QMessageBox* box) {
            seen = buttonTexts(box);
            text = box->text();
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == (yes ? QStringLiteral("Ja") : QStringLiteral("Nein"))) {
                    b->click();
                }
            }
        });
        QCOMPARE(ui.question("Soll diese Zeile angehängt werden?\n1.1.2001 5 200"), yes);
        QCOMPARE(seen, QStringList({QStringLiteral("Ja"), QStringLiteral("Nein")}));
        QCOMPARE(text, QStringLiteral("Soll diese Zeile angehängt werden?\n1.1.2001 5 200"));
    }

    void messageHasAnOkButton() {
        QtUserInterface ui;
        QStringList seen;
        whenBoxOpens([&](QMessageBox* box) {
            seen = buttonTexts(box);
            box->buttons().front()->click();
        });
        ui.message("Die Porosität ist Null");
        QCOMPARE(seen, QStringList{QStringLiteral("OK")});
        whenBoxOpens([&](QMessageBox* box) {
            seen = buttonTexts(box);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            box->buttons().front()->click();
        });
        ui.error("Die Datei x kann nicht geöffnet werden.");
        QCOMPARE(seen, QStringList{QStringLiteral("OK")});
    }

    void waitCursorNests() {
        QtUserInterface ui;
        ui.beginWaitCursor();
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        ui.beginWaitCursor();
        ui.endWaitCursor();
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        ui.endWaitCursor();
        QVERIFY(!QApplication::overrideCursor());
        ui.endWaitCursor(); // one end too many does no harm
        QVERIFY(!QApplication::overrideCursor());
    }

    // The case's data go into the dialog; they come back only when it ends with OK.
    void inputDialogOnTheCaseData_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Abbrechen") << false;
    }
    void inputDialogOnTheCaseData() {
        QFETCH(bool, ok);
        ScriptedBoxes boxes;
        QtUserInterface ui;
        DlgInputData data;
        fillExampleCase(data);
        static bool s_ok;
        s_ok = ok;
        BrelvanDialog::s_modalHook = [](QDialog& dialog) {
            auto& in = static_cast<DlgInput&>(dialog);
            if (editOf(in, DlgInputData::kIdName)->text() != QStringLiteral("Feld A") ||
                in.list()->count() != 4) {
                return int(QDialog::Rejected);
            }
            editOf(in, DlgInputData::kIdName)->setText(QStringLiteral("Feld B"));
            editOf(in, DlgInputData::kIdOGIP)->setText(QStringLiteral("7000"));
            QTest::mouseClick(in.control(s_ok ? BrelvanDialog::kIdOk : BrelvanDialog::kIdCancel),
                              Qt::LeftButton);
            return in.result();
        };
        QCOMPARE(ui.runInputDialog(data), ok);
        QCOMPARE(data.m_strFeldname, std::string(ok ? "Feld B" : "Feld A"));
        QCOMPARE(data.m_dOGIP, ok ? 7000.0 : 5000.0);
        QCOMPARE(data.m_dMaxGp, ok ? 1500.0 : 0.0);
        QVERIFY(boxes.shown.empty());
    }

    // The whole editing cycle of the document with the Qt dialog in it: a new case gets its
    // data and a line through the widgets, and is computed after OK.
    void editingCycleThroughTheDocument() {
        ScriptedBoxes boxes;
        QtUserInterface ui;
        CBrelvanDoc doc;
        doc.setUserInterface(&ui);
        doc.OnNewDocument();
        BrelvanDialog::s_modalHook = [](QDialog& dialog) {
            auto& in = static_cast<DlgInput&>(dialog);
            if (!showActive(in)) {
                return int(QDialog::Rejected);
            }
            editOf(in, DlgInputData::kIdName)->setText(QStringLiteral("Feld Ost"));
            editOf(in, DlgInputData::kIdOGIP)->setText(QStringLiteral("5000"));
            editOf(in, DlgInputData::kIdDruck)->setText(QStringLiteral("250"));
            editOf(in, DlgInputData::kIdTemperatur)->setText(QStringLiteral("80"));
            QTest::mouseClick(in.control(DlgInputData::kIdOptionFirst + 1), Qt::LeftButton);
            typeInto(in, DlgInputData::kIdZeile, QStringLiteral("1.1.2001 500 225"));
            tabAway();
            QTest::mouseClick(in.control(BrelvanDialog::kIdOk), Qt::LeftButton);
            return in.result();
        };
        boxes.answers = {true};
        doc.OnDataChange();
        QCOMPARE(boxes.texts(),
                 std::vector<std::string>{"Soll diese Zeile angehängt werden?\n1.1.2001 500 225"});
        QCOMPARE(doc.m_strFeldname, std::string("Feld Ost"));
        QCOMPARE(doc.m_Zeilen.size(), std::size_t(1));
        QCOMPARE(doc.m_dMaxGp, 500.0);
        QVERIFY(doc.IsModified());
        QVERIFY(!doc.m_Ausgabe.empty());
        QCOMPARE(doc.m_MaxWerte, 1);
    }

    void resultsDialog() {
        QtUserInterface ui;
        std::vector<std::string> shown;
        BrelvanDialog::s_modalHook = [&shown](QDialog& dialog) {
            auto* list = qobject_cast<QListWidget*>(
                static_cast<BrelvanDialog&>(dialog).control(DlgSensResults::kIdErgebnisse));
            for (int i = 0; i < list->count(); ++i) {
                shown.push_back(list->item(i)->text().toStdString());
            }
            return int(QDialog::Accepted);
        };
        ui.showSensResults({"3.0000   1", "", "1.5000   2"});
        QCOMPARE(shown, (std::vector<std::string>{"1.5000   2", "3.0000   1", ""}));
    }

    void help() {
        QtUserInterface ui;
        QVERIFY(ui.showHelp());
        HelpWindow* window = HelpWindow::current();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        const QString text = window->browser()->toPlainText();
        for (const char* topic :
             {"Was das Programm rechnet", "Einen Fall eingeben", "Die Schließdruckliste bearbeiten",
              "J-Wert berechnen", "Sensitivitätsberechnung", "Der Ergebnisbericht", "Die Grafik"}) {
            QVERIFY2(text.contains(QString::fromUtf8(topic)), topic);
        }
        QVERIFY(ui.showHelp()); // the same window again
        QCOMPARE(HelpWindow::current(), window);
        window->close();
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!HelpWindow::current());

        QtUserInterface::s_helpFile = QStringLiteral("/nicht/vorhanden/hilfe.html");
        QVERIFY(!ui.showHelp());
    }

    void helpThroughTheDocument() {
        ScriptedBoxes boxes;
        QtUserInterface ui;
        CBrelvanDoc doc;
        doc.setUserInterface(&ui);
        QtUserInterface::s_helpFile = QStringLiteral("/nicht/vorhanden/hilfe.html");
        doc.OnHilfe();
        QCOMPARE(boxes.texts(), std::vector<std::string>{"Hilfedatei nicht gefunden!"});
    }
};

QTEST_MAIN(TestQtUserInterface)
#include "tst_qt_user_interface.moc"
