// Adopted fit values are shown with the digits their range justifies and kept in full: in the
// fit's result, in the input dialog's fields after the adoption (from the main window and from
// the dialog's own "Anpassung …"), in the document after OK without an edit and in the saved
// file; a typed value replaces them.
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "app/CBrelvanApp.h"
#include "app/CMainFrame.h"
#include "dialogs/BrelvanDialog.h"
#include "dialogs/DlgInput.h"
#include "dialogs/FitDialog.h"
#include "document/Archive.h"
#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"
#include "document/FitCase.h"
#include "support/FileIo.h"
#include "testing/FitCases.h"
#include "support/TextFormat.h"

using namespace brelvan;
using namespace brelvan::cmd;

namespace {

// Runs the real input dialog: `script` looks at it and may edit it, then OK is clicked.
class DialogInterface : public UserInterface {
public:
    QStringList messages, questions;
    bool answer = true;
    std::function<void(DlgInput&)> script;
    void message(const std::string& text) override { messages << QString::fromStdString(text); }
    bool question(const std::string& text) override {
        questions << QString::fromStdString(text);
        return answer;
    }
    void showSensResults(const std::vector<std::string>&) override {}
    bool runInputDialog(DlgInputData& data) override {
        DlgInput dialog(*this);
        static_cast<DlgInputData&>(dialog) = data;
        dialog.ensureInitialized();
        if (script)
            script(dialog);
        qobject_cast<QPushButton*>(dialog.control(BrelvanDialog::kIdOk))->click();
        if (dialog.result() != QDialog::Accepted)
            return false;
        data = static_cast<const DlgInputData&>(dialog);
        return true;
    }
};

QLineEdit* field(DlgInput& d, int id) {
    return qobject_cast<QLineEdit*>(d.control(id));
}

void makeCase(CBrelvanDoc& doc) {
    std::vector<std::string> lines;
    fit_cases::syntheticCase({5000, 20000, 50}, 6, 3, engine::InfluxScheme::Original, 0.25, 7, 1,
                             0.25, &lines);
    worked_case::set(doc);
    doc.m_fGas.fill(0.0f);
    doc.m_fGas[3] = 100;
    doc.m_Zeilen = lines;
    doc.m_dOGIP = 4600;
    doc.m_dWIP = 15000;
    doc.m_dJWert = 40;
    doc.m_dMinOGIP = 3000;
    doc.m_dMaxOGIP = 7000;
    doc.m_dMinWIP = 5000;
    doc.m_dMaxWIP = 40000;
    doc.m_dMinJ = 10;
    doc.m_dMaxJ = 100;
}

// The case as its file holds it.
CBrelvanDoc stored(const std::string& path) {
    const IoResult<std::string> bytes = readFileBounded(path);
    CBrelvanDoc doc;
    if (!bytes)
        return doc;
    ByteReader reader(bytes.value());
    if (!doc.Serialize(reader))
        doc.m_dOGIP = -1;
    return doc;
}

} // namespace

class TestFitValuesShown : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                  QStringLiteral("brelvan"))
            .clear();
    }
    void cleanup() { BrelvanDialog::s_modalHook = nullptr; }

    // The rule's own example: 123.456789012 with a range of +-0.37 shows as 123.45679; OK
    // without an edit keeps the full value in the document and in the file; a typed value
    // replaces it, and the field shows it as typed from then on.
    void roundedTextFullValue() {
        DialogInterface ui;
        CBrelvanDoc doc;
        doc.setUserInterface(&ui);
        makeCase(doc);
        doc.compute();
        const double wip = 123.456789012;
        fit::RangesResult ranges;
        ranges.computed = true;
        ranges.ranges[fit::kWip] = {true, wip - 0.37, wip + 0.37, false, false};
        const ShownFitValues shown = shownFitValues({4600, wip, 40}, ranges, {false, true, false});
        QCOMPARE(shown[fit::kWip].text, std::string("123.45679"));
        QVERIFY(shown[fit::kOgip].text.empty()); // held: shown as any other value
        adoptFit(doc, {4600, wip, 40}, shown);

        QString seen;
        ui.script = [&seen](DlgInput& d) { seen = field(d, DlgInputData::kIdWIP)->text(); };
        doc.OnDataChange();
        QCOMPARE(seen, QStringLiteral("123.45679"));
        QCOMPARE(doc.m_dWIP, wip);
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("fall.brv")).toStdString();
        QVERIFY(doc.OnSaveDocument(path));
        QCOMPARE(stored(path).m_dWIP, wip);

        ui.script = [](DlgInput& d) { field(d, DlgInputData::kIdWIP)->setText("123.5"); };
        doc.OnDataChange();
        QCOMPARE(doc.m_dWIP, 123.5);
        ui.script = [&seen](DlgInput& d) { seen = field(d, DlgInputData::kIdWIP)->text(); };
        doc.OnDataChange();
        QCOMPARE(seen, QStringLiteral("123.5"));
        QVERIFY(doc.OnSaveDocument(path));
        QCOMPARE(stored(path).m_dWIP, 123.5);
    }

    // A real fit from the main window: the result and later the input dialog show the same
    // rounded text, far shorter than the value's 15 digits; the case keeps the full value.
    void fitFromTheMainWindow() {
        DialogInterface ui;
        app::CBrelvanApp application(ui);
        application.m_askSave = [](const QString&) { return 1; };
        QCOMPARE(application.InitInstance({}), app::CBrelvanApp::Start::Run);
        CBrelvanDoc& doc = application.document();
        makeCase(doc);
        BrelvanDialog::s_modalHook = [](QDialog& d) {
            static_cast<dialogs::FitDialog&>(d).onOk();
            return d.result();
        };
        ui.answer = true;
        application.frame()->OnCommand(ID_FIT);
        QCOMPARE(ui.questions.size(), 1);
        const double ogip = doc.m_dOGIP;
        QVERIFY(ogip != 4600); // adopted
        const QString text = QString::fromStdString(doc.m_fitTexts[fit::kOgip].text);
        QVERIFY2(!text.isEmpty() && text.size() < 12, qPrintable(text));
        QVERIFY(std::fabs(text.toDouble() - ogip) < 0.01);
        QVERIFY(text != QString::fromStdString(formatDouble(ogip)));
        QVERIFY2(ui.questions[0].contains(QStringLiteral("OGIP: ") + text + QStringLiteral(" Mio")),
                 qPrintable(ui.questions[0]));

        QString seen;
        ui.script = [&seen](DlgInput& d) { seen = field(d, DlgInputData::kIdOGIP)->text(); };
        doc.OnDataChange();
        QCOMPARE(seen, text);
        QCOMPARE(doc.m_dOGIP, ogip);
    }

    // The input dialog's own "Anpassung …": its fields show the rounded texts while its members
    // hold the fitted values, and OK gives the document the full values.
    void fitFromTheInputDialog() {
        DialogInterface ui;
        CBrelvanDoc doc;
        doc.setUserInterface(&ui);
        makeCase(doc);
        BrelvanDialog::s_modalHook = [](QDialog& d) {
            static_cast<dialogs::FitDialog&>(d).onOk();
            return d.result();
        };
        double fitted = 0;
        QString text;
        ui.script = [&](DlgInput& d) {
            qobject_cast<QPushButton*>(d.control(DlgInputData::kIdAnpassung))->click();
            fitted = d.m_dJWert;
            text = field(d, DlgInputData::kIdJWertFeld)->text();
        };
        doc.OnDataChange();
        QVERIFY(fitted != 40); // adopted
        QCOMPARE(text, QString::fromStdString(doc.m_fitTexts[fit::kJWert].text));
        QVERIFY(text != QString::fromStdString(formatDouble(fitted)));
        QCOMPARE(doc.m_dJWert, fitted);
    }
};

QTEST_MAIN(TestFitValuesShown)
#include "tst_fit_values_shown.moc"
