// The case input dialog: the exchange with its ranges and order, the checks of OK, the
// focus-leave handlers, Enter and Escape, and the buttons to the J value and sensitivity
// dialogs.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "dialogs/DlgJWert.h"
#include "dialogs/DlgSensitivity.h"
#include "document/DataExchange.h"
#include "support/TextFormat.h"
#include "testing/DialogFixture.h"

namespace {

std::string range(double min, double max, bool integer = false) {
    return brelvan::rangeMessage(min, max, integer);
}

} // namespace

class TestDlgInput : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedBoxes> m_boxes;
    std::unique_ptr<QtUserInterface> m_ui;
    std::unique_ptr<DlgInput> m_dlg;

    DlgInput& open(void (*adjust)(DlgInputData&) = nullptr) {
        m_dlg = std::make_unique<DlgInput>(*m_ui);
        fillExampleCase(*m_dlg);
        if (adjust) {
            adjust(*m_dlg);
        }
        if (!showActive(*m_dlg)) {
            qWarning("input dialog did not become active");
        }
        return *m_dlg;
    }
    void clickOk() {
        QTest::mouseClick(m_dlg->control(BrelvanDialog::kIdOk), Qt::LeftButton);
        settle();
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

    void initialisationShowsTheCase() {
        DlgInput& d = open();
        QCOMPARE(d.windowTitle(), QStringLiteral("Dialogfeld zur Dateneingabe"));
        QCOMPARE(editOf(d, DlgInputData::kIdName)->text(), QStringLiteral("Feld A"));
        QCOMPARE(editOf(d, gasId(kCH4))->text(), QStringLiteral("100"));
        QCOMPARE(editOf(d, DlgInputData::kIdKompress)->text(), QStringLiteral("9.5"));
        QCOMPARE(editOf(d, DlgInputData::kIdJahr)->text(), QStringLiteral("2000"));
        QCOMPARE(qobject_cast<QLabel*>(d.control(DlgInputData::kIdSumme))->text(),
                 QStringLiteral("100.00"));
        QVERIFY(qobject_cast<QRadioButton*>(d.control(DlgInputData::kIdOptionFirst))->isChecked());
        QVERIFY(qobject_cast<QRadioButton*>(d.control(DlgInputData::kIdTage))->isChecked());
        QCOMPARE(d.list()->count(), 4);
        QCOMPARE(d.list()->item(2)->text(), QStringLiteral("      1. 7.2002       1200.000"));
        QCOMPARE(QApplication::focusWidget(), d.control(DlgInputData::kIdName));
        QVERIFY(m_boxes->shown.empty());
    }

    // One field at a time set just inside or just outside its range; OK either ends the
    // dialog or names the range, with the focus on that field and the dialog open.
    void okRanges_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // empty: the dialog ends with OK
        auto row = [](const char* name, int id, const char* text, const std::string& msg) {
            QTest::newRow(name) << id << QString::fromUtf8(text) << QString::fromStdString(msg);
        };
        row("Kompress 7", DlgInputData::kIdKompress, "7", "");
        row("Kompress 6.99", DlgInputData::kIdKompress, "6.99", range(7, 13));
        row("Kompress 13", DlgInputData::kIdKompress, "13", "");
        row("Kompress 13.01", DlgInputData::kIdKompress, "13.01", range(7, 13));
        row("J 0.001", DlgInputData::kIdJWertFeld, "0.001", "");
        row("J 0.0009", DlgInputData::kIdJWertFeld, "0.0009", range(0.001, 10000));
        row("J 10000", DlgInputData::kIdJWertFeld, "10000", "");
        row("J 10000.1", DlgInputData::kIdJWertFeld, "10000.1", range(0.001, 10000));
        row("OGIP 100000", DlgInputData::kIdOGIP, "100000", "");
        row("OGIP 0.09", DlgInputData::kIdOGIP, "0.09", range(0.1, 100000));
        row("OGIP 100000.5", DlgInputData::kIdOGIP, "100000.5", range(0.1, 100000));
        row("OGIP below Gp", DlgInputData::kIdOGIP, "1500",
            brelvan::cformat("Die max.Kum.Produktion %5.2f >= OGIP von %5.2f", 1500.0, 1500.0));
        row("Druck 1", DlgInputData::kIdDruck, "1", "");
        row("Druck 0.9", DlgInputData::kIdDruck, "0.9", range(1, 10000));
        row("Druck 10001", DlgInputData::kIdDruck, "10001", range(1, 10000));
        row("Temperatur 0", DlgInputData::kIdTemperatur, "0", "");
        row("Temperatur -0.1", DlgInputData::kIdTemperatur, "-0.1", range(0, 1000));
        row("Temperatur 1000.1", DlgInputData::kIdTemperatur, "1000.1", range(0, 1000));
        row("WIP 0.1", DlgInputData::kIdWIP, "0.1", "");
        row("WIP 100000", DlgInputData::kIdWIP, "100000", "");
        row("WIP 100000.01", DlgInputData::kIdWIP, "100000.01", range(0.1, 100000));
        row("CO2 -1", gasId(kCO2), "-1", range(0, 100));
        row("C10H22 100.5", gasId(kC10H22), "100.5", range(0, 100));
        row("H2S 0", gasId(kH2S), "0", "");
        row("Jahr 1930", DlgInputData::kIdJahr, "1930", "");
        row("Jahr 1929", DlgInputData::kIdJahr, "1929", range(1930, 2200, true));
        row("Jahr 2201", DlgInputData::kIdJahr, "2201", range(1930, 2200, true));
        row("Monat 12", DlgInputData::kIdMonat, "12", "");
        row("Monat 0", DlgInputData::kIdMonat, "0", range(1, 12, true));
        row("Monat 13", DlgInputData::kIdMonat, "13", range(1, 12, true));
        row("Tag 31", DlgInputData::kIdTag, "31", "");
        row("Tag 0", DlgInputData::kIdTag, "0", range(1, 31, true));
        row("Tag 32", DlgInputData::kIdTag, "32", range(1, 31, true));
        row("OGIP no number", DlgInputData::kIdOGIP, "5000x", brelvan::notANumberMessage(false));
        row("OGIP empty", DlgInputData::kIdOGIP, "", brelvan::notANumberMessage(false));
        row("Tag decimal", DlgInputData::kIdTag, "1.5", brelvan::notANumberMessage(true));
        row("CH4 in words", gasId(kCH4), "hundert", brelvan::notANumberMessage(false));
    }
    void okRanges() {
        QFETCH(int, id);
        QFETCH(QString, text);
        QFETCH(QString, message);
        DlgInput& d = open();
        if (id == gasId(kH2S) || id == gasId(kCO2) || id == gasId(kC10H22)) {
            editOf(d, id)->setText(text); // the composition's own leave handler is not tested here
        } else {
            typeInto(d, id, text);
        }
        m_boxes->clear();
        clickOk();
        if (message.isEmpty()) {
            QVERIFY2(m_boxes->shown.empty(),
                     m_boxes->shown.empty() ? "" : m_boxes->shown.front().text.c_str());
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QVERIFY(!d.isVisible());
            return;
        }
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{message.toStdString()});
        QVERIFY(d.isVisible());
        if (!message.startsWith(QStringLiteral("Die max."))) {
            QCOMPARE(QApplication::focusWidget(), d.control(id));
            QCOMPARE(editOf(d, id)->selectedText(), text);
        }
        QCOMPARE(editOf(d, id)->text(), text); // the user's text stays for correction
    }

    // The first failing field in the exchange's order is the one reported.
    void exchangeOrder_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("Kompress before name and J")
            << int(DlgInputData::kIdKompress) << int(DlgInputData::kIdJWertFeld);
        QTest::newRow("OGIP before Druck")
            << int(DlgInputData::kIdOGIP) << int(DlgInputData::kIdDruck);
        QTest::newRow("WIP before the composition") << int(DlgInputData::kIdWIP) << gasId(kNC5H12);
        QTest::newRow("nC5H12 before CO2") << gasId(kNC5H12) << gasId(kCO2);
        QTest::newRow("iC5H12 before H2S") << gasId(kIC5H12) << gasId(kH2S);
        QTest::newRow("H2S before Jahr") << gasId(kH2S) << int(DlgInputData::kIdJahr);
        QTest::newRow("Jahr before Monat")
            << int(DlgInputData::kIdJahr) << int(DlgInputData::kIdMonat);
        QTest::newRow("Monat before Tag")
            << int(DlgInputData::kIdMonat) << int(DlgInputData::kIdTag);
    }
    void exchangeOrder() {
        QFETCH(int, first);
        QFETCH(int, second);
        DlgInput& d = open();
        editOf(d, second)->setText(QStringLiteral("x"));
        editOf(d, first)->setText(QStringLiteral("y"));
        editOf(d, DlgInputData::kIdName)->setFocus();
        clickOk();
        QCOMPARE(m_boxes->shown.size(), std::size_t(1));
        QCOMPARE(QApplication::focusWidget(), d.control(first));
        QVERIFY(d.isVisible());
    }

    // The checks after the exchange, in their order; the dialog stays open after each.
    void okChecks_data() {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("message");
        QTest::newRow("no lines") << 0 << QStringLiteral("Es liegen keine Meßwerte vor!");
        QTest::newRow("no pressures") << 1 << QStringLiteral("Es liegen keine Druckmeßwerte vor!");
        QTest::newRow("no components") << 2 << QStringLiteral("Bitte Gaskomponenten eingeben");
        QTest::newRow("sum above 100")
            << 3 << QStringLiteral("Die Summe der Gaskomponenten ist > 100 !");
        QTest::newRow("sum exactly 100") << 4 << QString();
    }
    void okChecks() {
        QFETCH(int, variant);
        QFETCH(QString, message);
        static int s_variant;
        s_variant = variant;
        DlgInput& d = open([](DlgInputData& data) {
            switch (s_variant) {
            case 0:
                data.m_Zeilen.clear();
                break;
            case 1:
                data.m_Zeilen = {"      1. 1.2001        500.000"};
                break;
            case 2:
                data.m_fGas = {};
                break;
            case 3:
                data.m_fGas[1] = 0.5f;
                break;
            case 4:
                data.m_fGas = {};
                data.m_fGas[3] = 90.5f;
                data.m_fGas[1] = 7.25f;
                data.m_fGas[2] = 2.25f;
                break;
            }
        });
        clickOk();
        if (message.isEmpty()) {
            QVERIFY(m_boxes->shown.empty());
            QCOMPARE(d.result(), int(QDialog::Accepted));
            return;
        }
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{message.toStdString()});
        QVERIFY(d.isVisible());
    }

    void okTakesEveryField() {
        DlgInput& d = open();
        editOf(d, DlgInputData::kIdName)->setText(QStringLiteral("Feld Süd"));
        editOf(d, gasId(kCO2))->setText(QStringLiteral("2.5"));
        editOf(d, gasId(kCH4))->setText(QStringLiteral("97.5"));
        editOf(d, DlgInputData::kIdDruck)->setText(QStringLiteral("260"));
        QTest::mouseClick(d.control(DlgInputData::kIdKumProduktion), Qt::LeftButton);
        QVERIFY(
            static_cast<QRadioButton*>(d.control(DlgInputData::kIdVerfahrenOriginal))->isChecked());
        QTest::mouseClick(d.control(DlgInputData::kIdVerfahrenIntervall), Qt::LeftButton);
        editOf(d, DlgInputData::kIdName)->setFocus();
        clickOk();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.m_strFeldname, std::string("Feld Süd"));
        QCOMPARE(d.m_fGas[1], 2.5f);
        QCOMPARE(d.m_fGas[3], 97.5f);
        QCOMPARE(d.m_dDruck, 260.0);
        QCOMPARE(d.m_iGrafiktyp, 1);
        QCOMPARE(d.m_iVerfahren, 1);
        QCOMPARE(d.m_Zeilen.size(), std::size_t(4));
    }

    // The combo "Zuflussmodell" sets the model; a model whose geometry the J-value data lack
    // keeps the dialog open with a message naming the value, and the same case with the
    // geometry is accepted.
    void waterZoneModelCombo() {
        {
            DlgInput& d = open([](DlgInputData& data) { data.m_fMaechtigkeit = 0; });
            auto* combo = static_cast<QComboBox*>(d.control(DlgInputData::kIdModell));
            QCOMPARE(combo->count(), 4);
            QCOMPARE(combo->currentIndex(), 0);
            QCOMPARE(combo->itemText(1), QStringLiteral("van Everdingen–Hurst"));
            combo->setCurrentIndex(1);
            QCOMPARE(d.m_iModell, 1);
            clickOk();
            QCOMPARE(
                m_boxes->texts(),
                std::vector<std::string>{
                    "Für das Zuflussmodell van Everdingen–Hurst fehlt die Mächtigkeit (h > 0)."});
            QVERIFY(d.isVisible());
        }
        m_boxes->shown.clear();
        DlgInput& d = open([](DlgInputData& data) { data.m_iModell = 2; });
        QCOMPARE(static_cast<QComboBox*>(d.control(DlgInputData::kIdModell))->currentIndex(), 2);
        clickOk();
        QVERIFY(m_boxes->shown.empty());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.m_iModell, 2);
    }

    // Enter presses OK (its checks included); Escape and "Abbrechen" cancel; QDialog's
    // standard accept does nothing.
    void enterEscapeAndStandardOk() {
        {
            DlgInput& d = open();
            typeInto(d, DlgInputData::kIdOGIP, QStringLiteral("0.05"));
            QTest::keyClick(editOf(d, DlgInputData::kIdOGIP), Qt::Key_Return);
            settle();
            QCOMPARE(m_boxes->texts(), std::vector<std::string>{range(0.1, 100000)});
            QVERIFY(d.isVisible());
            typeInto(d, DlgInputData::kIdOGIP, QStringLiteral("6000"));
            QTest::keyClick(editOf(d, DlgInputData::kIdOGIP), Qt::Key_Enter);
            settle();
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(d.m_dOGIP, 6000.0);
        }
        {
            DlgInput& d = open();
            d.accept();
            QVERIFY(d.isVisible());
            QTest::keyClick(editOf(d, DlgInputData::kIdName), Qt::Key_Escape);
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Rejected));
        }
        {
            DlgInput& d = open();
            m_boxes->clear();
            typeInto(d, gasId(kCO2), QStringLiteral("kaputt"));
            QTest::mouseClick(d.control(BrelvanDialog::kIdCancel), Qt::LeftButton);
            settle();
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QVERIFY(m_boxes->shown.empty());
        }
        QVERIFY(qobject_cast<QPushButton*>(m_dlg->control(BrelvanDialog::kIdOk))->isDefault());
    }

    void compositionSumOnLeavingAField() {
        DlgInput& d = open();
        typeInto(d, gasId(kCO2), QStringLiteral("5"));
        QCOMPARE(qobject_cast<QLabel*>(d.control(DlgInputData::kIdSumme))->text(),
                 QStringLiteral("100.00"));
        tabAway();
        QCOMPARE(qobject_cast<QLabel*>(d.control(DlgInputData::kIdSumme))->text(),
                 QStringLiteral("105.00"));
        QCOMPARE(d.m_fGas[1], 5.0f);
        QVERIFY(m_boxes->shown.empty());
        // The sum is not shown on keystrokes, only when a composition field is left.
        typeInto(d, gasId(kN2), QStringLiteral("1"));
        QCOMPARE(qobject_cast<QLabel*>(d.control(DlgInputData::kIdSumme))->text(),
                 QStringLiteral("105.00"));
        QTest::mouseClick(d.control(DlgInputData::kIdKompress), Qt::LeftButton);
        editOf(d, DlgInputData::kIdKompress)->setFocus(Qt::MouseFocusReason);
        settle();
        QCOMPARE(qobject_cast<QLabel*>(d.control(DlgInputData::kIdSumme))->text(),
                 QStringLiteral("106.00"));
    }

    // A failing field in a focus-leave handler: one message, the focus back on the field, and
    // neither the message nor that focus change starts a handler again.
    void leaveHandlerFailureIsReportedOnce() {
        DlgInput& d = open();
        typeInto(d, gasId(kCO2), QStringLiteral("abc"));
        tabAway();
        settle();
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{brelvan::notANumberMessage(false)});
        QCOMPARE(QApplication::focusWidget(), d.control(gasId(kCO2)));
        QCOMPARE(editOf(d, gasId(kCO2))->text(), QStringLiteral("abc"));
        QCOMPARE(editOf(d, gasId(kCO2))->selectedText(), QStringLiteral("abc"));
        // A bad field elsewhere: leaving a composition field reports that field.
        m_boxes->clear();
        editOf(d, gasId(kCO2))->setText(QStringLiteral("0"));
        editOf(d, DlgInputData::kIdJahr)->setText(QStringLiteral("1800"));
        tabAway();
        settle();
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{range(1930, 2200, true)});
        QCOMPARE(QApplication::focusWidget(), d.control(DlgInputData::kIdJahr));
        // Leaving the year field again after correcting it: no message.
        m_boxes->clear();
        typeInto(d, DlgInputData::kIdJahr, QStringLiteral("1995"));
        tabAway();
        QVERIFY(m_boxes->shown.empty());
    }

    // Another window taking the focus is not a departure from the field.
    void otherWindowDoesNotRunHandlers() {
        DlgInput& d = open();
        typeInto(d, gasId(kCO2), QStringLiteral("abc"));
        QWidget other;
        QVERIFY(showActive(other));
        settle();
        QVERIFY(m_boxes->shown.empty());
        other.hide();
        QVERIFY(showActive(d));
        settle();
        QVERIFY(m_boxes->shown.empty());
        QCOMPARE(QApplication::focusWidget(), d.control(gasId(kCO2)));
    }

    void productionStartOnLeavingADateField() {
        DlgInput& d = open();
        typeInto(d, DlgInputData::kIdTag, QStringLiteral("15"));
        tabAway();
        QCOMPARE(d.m_iTag, 15);
        QCOMPARE(d.m_fBeginn, 36540.0f); // 15.1.2000
        typeInto(d, DlgInputData::kIdMonat, QStringLiteral("4"));
        typeInto(d, DlgInputData::kIdTag, QStringLiteral("31"));
        tabAway();
        QCOMPARE(d.m_fBeginn, 0.0f); // 31.4. does not exist
    }

    // The J value dialog: its result and inputs come back; what the user typed into the other
    // fields of the input dialog stays.
    void jValueDialog_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nein") << false;
    }
    void jValueDialog() {
        QFETCH(bool, yes);
        DlgInput& d = open();
        typeInto(d, DlgInputData::kIdName, QStringLiteral("Feld B"));
        // not a number: kept as typed
        editOf(d, DlgInputData::kIdTemperatur)->setText(QStringLiteral("85,5"));
        editOf(d, DlgInputData::kIdDruck)->setText(QStringLiteral("255"));
        BrelvanDialog::s_modalHook = [](QDialog& dialog) {
            auto& j = static_cast<DlgJWert&>(dialog);
            if (j.m_fPermeabilitaet != 100.0f || j.m_fTiefe != 5000.0f) {
                return int(QDialog::Rejected);
            }
            editOf(j, DlgJWertData::kIdBreite)->setText(QStringLiteral("2000")); // width
            QTest::mouseClick(j.control(BrelvanDialog::kIdOk), Qt::LeftButton);
            return j.result();
        };
        m_boxes->answers = {yes};
        QTest::mouseClick(d.control(DlgInputData::kIdJWert), Qt::LeftButton);
        settle();
        const double j = 100 * 0.02543 * 10 * 2000 / (0.5 * 5000.0);
        QCOMPARE(m_boxes->texts(),
                 std::vector<std::string>{brelvan::cformat(
                     "Soll der neue J-Wert von %5.2f und der neue WI-Wert von %5.1f genommen "
                     "werden?",
                     j, 20.0)});
        QCOMPARE(d.m_fBreite, 2000.0f);
        if (yes) {
            QVERIFY(qAbs(d.m_dJWert - j) < 1e-4);
            QCOMPARE(editOf(d, DlgInputData::kIdJWertFeld)->text(),
                     DataExchangeQt::formatted(d.m_dJWert));
            QVERIFY(qAbs(d.m_dWIP - 20.0) < 1e-5);
            QCOMPARE(editOf(d, DlgInputData::kIdWIP)->text(), DataExchangeQt::formatted(d.m_dWIP));
        } else {
            QCOMPARE(d.m_dJWert, 50.0);
            QCOMPARE(editOf(d, DlgInputData::kIdJWertFeld)->text(), QStringLiteral("50"));
        }
        QCOMPARE(editOf(d, DlgInputData::kIdName)->text(), QStringLiteral("Feld B"));
        QCOMPARE(editOf(d, DlgInputData::kIdTemperatur)->text(), QStringLiteral("85,5"));
        QCOMPARE(editOf(d, DlgInputData::kIdDruck)->text(), QStringLiteral("255"));
        QVERIFY(d.isVisible());
    }

    void jValueDialogCancelled() {
        DlgInput& d = open();
        BrelvanDialog::s_modalHook = [](QDialog& dialog) {
            editOf(static_cast<BrelvanDialog&>(dialog), DlgJWertData::kIdPermeabilitaet)
                ->setText(QStringLiteral("7"));
            QTest::mouseClick(static_cast<BrelvanDialog&>(dialog).control(BrelvanDialog::kIdCancel),
                              Qt::LeftButton);
            return dialog.result();
        };
        QTest::mouseClick(d.control(DlgInputData::kIdJWert), Qt::LeftButton);
        QVERIFY(m_boxes->shown.empty());
        QCOMPARE(d.m_fPermeabilitaet, 100.0f);
        QCOMPARE(d.m_dJWert, 50.0);
    }

    void sensitivityDialog_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK") << true;
        QTest::newRow("Abbrechen") << false;
    }
    void sensitivityDialog() {
        QFETCH(bool, accept);
        DlgInput& d = open();
        d.m_dMaxGp = 1500;
        static bool s_accept;
        static double s_shownMaxGp;
        s_accept = accept;
        BrelvanDialog::s_modalHook = [](QDialog& dialog) {
            auto& s = static_cast<DlgSensitivity&>(dialog);
            s_shownMaxGp = editOf(s, DlgSensitivityData::kIdMaxGp)->text().toDouble();
            editOf(s, DlgSensitivityData::kIdMinOGIP)->setText(QStringLiteral("4500"));
            editOf(s, DlgSensitivityData::kIdMaxGp)->setText(QStringLiteral("99999"));
            QTest::mouseClick(s.control(s_accept ? BrelvanDialog::kIdOk : BrelvanDialog::kIdCancel),
                              Qt::LeftButton);
            return s.result();
        };
        QTest::mouseClick(d.control(DlgInputData::kIdSensitivitaet), Qt::LeftButton);
        QCOMPARE(s_shownMaxGp, 1500.0);
        QVERIFY(m_boxes->shown.empty());
        QCOMPARE(d.m_bSensitivitaet, accept ? 1 : 0);
        QCOMPARE(d.m_dMinOGIP, accept ? 4500.0 : 4000.0);
        QCOMPARE(d.m_dMaxGp, 1500.0); // the information field is not taken back
    }

    void sensitivityNeedsLinesAndValidFields() {
        DlgInput& d = open([](DlgInputData& data) { data.m_Zeilen.clear(); });
        bool opened = false;
        BrelvanDialog::s_modalHook = [&opened](QDialog&) {
            opened = true;
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(d.control(DlgInputData::kIdSensitivitaet), Qt::LeftButton);
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{"Es liegen keine Druckmeßwerte vor!"});
        QVERIFY(!opened);
        m_boxes->clear();
        editOf(d, DlgInputData::kIdDruck)->setText(QStringLiteral("0"));
        QTest::mouseClick(d.control(DlgInputData::kIdSensitivitaet), Qt::LeftButton);
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{range(1, 10000)});
        QCOMPARE(QApplication::focusWidget(), d.control(DlgInputData::kIdDruck));
        QVERIFY(!opened);
    }
};

QTEST_MAIN(TestDlgInput)
#include "tst_dlg_input.moc"
