// The dialogs in English: with the dialogs' English translation installed and English chosen,
// what the dialogs show and say is English, the dialogs still fit their room and the screen,
// and the help window shows the English page. Without the translation everything stays German,
// exactly as before.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTranslator>

#include "dialogs/DlgCsvImport.h"
#include "dialogs/DlgZufluss.h"
#include "dialogs/FitDialog.h"
#include "dialogs/HelpWindow.h"
#include "support/Language.h"
#include "testing/LayoutCheck.h"

namespace {

// English while it lives: the dialogs' compiled translation installed and the process language
// English, as the desktop program sets them up at start.
class English {
public:
    English() {
        m_loaded = m_translator.load(QStringLiteral(":/i18n/brelvan_dialogs_en.qm"));
        if (m_loaded)
            QCoreApplication::installTranslator(&m_translator);
        brelvan::setCurrentLanguage(brelvan::Language::English);
    }
    ~English() {
        QCoreApplication::removeTranslator(&m_translator);
        brelvan::setCurrentLanguage(brelvan::Language::German);
    }
    English(const English&) = delete;
    English& operator=(const English&) = delete;
    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

// The texts of a dialog's own making, in the order of its controls: the title, the static
// texts (not the fields that show values), the buttons and the group titles.
QStringList ownTexts(QDialog& dialog) {
    QStringList texts{dialog.windowTitle()};
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(w); label && label->objectName().isEmpty())
            texts.push_back(label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts.push_back(button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(w); group && !group->title().isEmpty())
            texts.push_back(group->title());
    }
    return texts;
}

// Texts that are the same in both languages: symbols, names and "OK".
bool languageNeutral(const QString& text) {
    static const QRegularExpression formula(QStringLiteral("^[in]?C?[0-9A-Z][0-9A-Z]*$"));
    return text == QLatin1String("OK") || text == QLatin1String("Wp") ||
           text == QLatin1String("Original") || formula.match(text).hasMatch();
}

const QRegularExpression& germanLetters() {
    static const QRegularExpression letters(QStringLiteral("[äöüÄÖÜß]"));
    return letters;
}

std::string helpPageText(QtUserInterface& ui) {
    if (!ui.showHelp() || !HelpWindow::current())
        return {};
    const std::string text = HelpWindow::current()->browser()->toPlainText().toStdString();
    HelpWindow::current()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return text;
}

// A laid-out window's least size, with its frame and title bar, within a 1280 x 1024 screen.
bool fitsTheScreen(const QWidget& window) {
    const QSize needed = window.minimumSizeHint();
    return needed.width() + 16 <= 1280 && needed.height() + 48 <= 1024;
}

QString sizeText(const QSize& size) {
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

const std::string kCsvFile = "Datum;Gp kum. (Mio m3);Druck (bar)\n"
                             "1.1.2001;500,25;225,5\n"
                             "1.1.2002;1000,5;205\n";

} // namespace

class TestDialogsEnglish : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QtUserInterface::s_answer = nullptr;
        BrelvanDialog::s_modalHook = nullptr;
        brelvan::setCurrentLanguage(brelvan::Language::German);
    }

    // Every text the input dialog makes itself is English, none keeps a German word; without
    // the translation the same controls carry the German texts, blanks included.
    void inputDialogTexts() {
        ScriptedBoxes boxes;
        QtUserInterface ui;
        QStringList german;
        {
            DlgInput dialog(ui);
            german = ownTexts(dialog);
        }
        QStringList english;
        {
            English en;
            QVERIFY(en.loaded());
            DlgInput dialog(ui);
            english = ownTexts(dialog);
        }
        QCOMPARE(english.size(), german.size());
        for (int i = 0; i < german.size(); ++i) {
            QVERIFY2(!english[i].contains(germanLetters()), qPrintable(english[i]));
            if (!languageNeutral(german[i]))
                QVERIFY2(english[i] != german[i], qPrintable(german[i]));
        }
        for (const char* text : {"Data Input", "Cancel", "Delete row", "Open pressure file",
                                 "RESERVOIR TEMPERATURE          (deg C )", "PRODUCTION START"})
            QVERIFY2(english.contains(QString::fromUtf8(text)), text);

        // German as it always was.
        for (const char* text : {"Dialogfeld zur Dateneingabe", "Abbrechen", "Zeile löschen",
                                 "Druckdatei öffnen", "LAGERSTÄTTENTEMPERATUR         (Grad C )",
                                 "ORIGINAL-WASSER-IN-PLACE             (Mio m3)        ",
                                 "J-WERT nach FETKOVITCH  "
                                 "        (m3/Tag Bar)"})
            QVERIFY2(german.contains(QString::fromUtf8(text)), text);
    }

    // The four dialogs keep their arrangement with the English texts: nothing cut off, nothing
    // overlapping, all within the window, and the window within a 1280 x 1024 screen.
    void englishArrangement_data() {
        QTest::addColumn<QString>("which");
        QTest::newRow("DlgInput") << QStringLiteral("input");
        QTest::newRow("DlgJWert") << QStringLiteral("jwert");
        QTest::newRow("DlgSensitivity") << QStringLiteral("sensitivity");
        QTest::newRow("DlgSensResults") << QStringLiteral("results");
    }
    void englishArrangement() {
        QFETCH(QString, which);
        English en;
        QVERIFY(en.loaded());
        ScriptedBoxes boxes;
        QtUserInterface ui;
        std::unique_ptr<BrelvanDialog> dialog = layout_check::makeDialog(which, ui);
        dialog->ensureInitialized();
        // The window with its frame and title bar.
        QVERIFY2(dialog->width() + 16 <= 1280 && dialog->height() + 48 <= 1024,
                 qPrintable(sizeText(dialog->size())));
        QVERIFY(showActive(*dialog));
        QVERIFY(boxes.shown.empty());
        const QString file = QDir(QStringLiteral(BRELVAN_BINARY_DIR))
                                 .filePath(QStringLiteral("dialog-%1-en.png").arg(which));
        QVERIFY(dialog->grab().save(file));
        layout_check::checkArrangement(dialog.get());
    }

    // The CSV preview, the widest laid-out dialog: English texts, room for them within
    // 1280 x 1024 (as for the influx calculator and the fit's settings), numbers with the
    // decimal point; in German with the decimal comma.
    void csvPreview() {
        {
            English en;
            DlgCsvImport preview(QStringLiteral("druck.csv"), kCsvFile, 36525.0f);
            QVERIFY2(fitsTheScreen(preview), qPrintable(sizeText(preview.minimumSizeHint())));
            QVERIFY(showActive(preview));
            QVERIFY(preview.grab().save(QDir(QStringLiteral(BRELVAN_BINARY_DIR))
                                            .filePath(QStringLiteral("dialog-csv-en.png"))));
            // The other laid-out dialogs need no more room in English either.
            DlgZufluss influx;
            QVERIFY2(fitsTheScreen(influx), qPrintable(sizeText(influx.minimumSizeHint())));
            QtUserInterface ui;
            brelvan::dialogs::FitDialog fit(ui, brelvan::dialogs::FitSettings{});
            QVERIFY2(fitsTheScreen(fit), qPrintable(sizeText(fit.minimumSizeHint())));
            QCOMPARE(preview.windowTitle(), QStringLiteral("Import CSV File"));
            QCOMPARE(preview.okButton()->text(), QStringLiteral("Import"));
            QCOMPARE(preview.appendButton()->text(), QStringLiteral("Append to the list"));
            QCOMPARE(preview.summaryLabel()->text(),
                     QStringLiteral("2 lines will be imported, 0 lines skipped."));
            QCOMPARE(preview.rowsTable()->horizontalHeaderItem(3)->text(),
                     QStringLiteral("Pressure (bar)"));
            QCOMPARE(preview.separatorBox()->itemText(0),
                     QStringLiteral("Automatic (Semicolon ;)"));
            QCOMPARE(preview.headerBox()->itemText(2), QStringLiteral("Line 1"));
            QCOMPARE(preview.rowsTable()->item(0, 2)->text(), QStringLiteral("500.250"));
            QCOMPARE(preview.rowsTable()->item(0, 3)->text(), QStringLiteral("225.5"));
            for (QLabel* label : preview.findChildren<QLabel*>())
                QVERIFY2(!label->text().contains(germanLetters()), qPrintable(label->text()));
        }
        DlgCsvImport preview(QStringLiteral("druck.csv"), kCsvFile, 36525.0f);
        QCOMPARE(preview.windowTitle(), QStringLiteral("CSV-Datei importieren"));
        QCOMPARE(preview.okButton()->text(), QStringLiteral("Übernehmen"));
        QCOMPARE(preview.summaryLabel()->text(),
                 QStringLiteral("2 Zeilen werden übernommen, 0 Zeilen übersprungen."));
        QCOMPARE(preview.rowsTable()->item(0, 2)->text(), QStringLiteral("500,250"));
        QCOMPARE(preview.rowsTable()->item(0, 3)->text(), QStringLiteral("225,5"));
    }

    // A real question box answers with "Yes" and "No" in English, "Ja" and "Nein" in German.
    void questionButtons() {
        QtUserInterface ui;
        QStringList seen;
        auto answerYes = [&seen](const QString& yes) {
            whenBoxOpens([&seen, yes](QMessageBox* box) {
                seen = buttonTexts(box);
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == yes)
                        b->click();
            });
        };
        {
            English en;
            answerYes(QStringLiteral("Yes"));
            QVERIFY(ui.question("Append this row?"));
            QCOMPARE(seen, QStringList({QStringLiteral("No"), QStringLiteral("Yes")}));
        }
        answerYes(QStringLiteral("Ja"));
        QVERIFY(ui.question("Soll diese Zeile angehängt werden?"));
        QCOMPARE(seen, QStringList({QStringLiteral("Ja"), QStringLiteral("Nein")}));
    }

    // What the dialogs themselves report goes through the message boxes in the user's language
    // (the texts of the core's layers are translated there); the same faults in German.
    void messagesOfTheDialogs() {
        for (const bool english : {true, false}) {
            std::unique_ptr<English> en;
            if (english)
                en = std::make_unique<English>();
            ScriptedBoxes boxes;
            QtUserInterface ui;

            // The fit's settings with no parameter left free.
            brelvan::dialogs::FitSettings settings;
            settings.box.lo = {1000, 100, 1};
            settings.box.hi = {9000, 5000, 100};
            brelvan::dialogs::FitDialog fit(ui, settings);
            for (int j = 0; j < brelvan::fit::kParams; ++j)
                fit.freeBox(j)->setChecked(false);
            fit.onOk();
            // A CSV file that is not there.
            DlgInput input(ui);
            fillExampleCase(input);
            input.ensureInitialized();
            DlgInput::s_chooseCsvFile = [](QWidget*) {
                return QStringLiteral("/nicht/vorhanden/druck.csv");
            };
            qobject_cast<QPushButton*>(input.control(DlgInputData::kIdCsvImport))->click();
            DlgInput::s_chooseCsvFile = nullptr;

            const std::vector<std::string> texts = boxes.texts();
            QCOMPARE(texts.size(), std::size_t{2});
            QCOMPARE(texts[0], english
                                   ? std::string("At least one parameter must stay free.")
                                   : std::string("Mindestens ein Parameter muss frei bleiben."));
            const std::string file = english
                                         ? "The file /nicht/vorhanden/druck.csv cannot be opened: "
                                         : "Die Datei /nicht/vorhanden/druck.csv kann nicht "
                                           "geöffnet werden: ";
            QVERIFY2(texts[1].rfind(file, 0) == 0, texts[1].c_str());

            brelvan::dialogs::FitOutcome cancelled;
            cancelled.cancelled = true;
            QCOMPARE(brelvan::dialogs::fitResultText(cancelled),
                     english ? std::string("The fit was cancelled.")
                             : std::string("Die Anpassung wurde abgebrochen."));
        }
    }

    // The influx calculator: its own faults in the status line, "infinite" as the outer
    // radius in English beside "unendlich".
    void influxCalculator() {
        auto run = [](DlgZufluss& d, const QString& angle, const QString& outer) {
            d.field("winkel")->setText(angle);
            d.field("re")->setText(outer);
            d.field("k")->setText(QStringLiteral("100"));
            d.field("h")->setText(QStringLiteral("10"));
            d.field("mu")->setText(QStringLiteral("0.5"));
            d.field("phi")->setText(QStringLiteral("0.2"));
            d.field("kompress")->setText(QStringLiteral("10"));
            d.field("rw")->setText(QStringLiteral("1000"));
            d.history()->setPlainText(QStringLiteral("0 250\n30 240\n"));
            return d.compute();
        };
        {
            English en;
            DlgZufluss d;
            QCOMPARE(d.windowTitle(), QStringLiteral("Influx Calculator"));
            QVERIFY(!run(d, QStringLiteral("400"), QString()));
            QCOMPARE(d.status()->text(), QStringLiteral("The angle must lie between 0 and 360."));
            QVERIFY(!run(d, QStringLiteral("36O"), QString()));
            QCOMPARE(d.status()->text(), QStringLiteral("“36O” is not a valid number."));
            QVERIFY(run(d, QStringLiteral("360"), QStringLiteral("Infinite")));
            QVERIFY2(d.status()->text().startsWith(QStringLiteral("2 points in time, We at the "
                                                                  "end ")),
                     qPrintable(d.status()->text()));
            QVERIFY(run(d, QStringLiteral("360"), QStringLiteral("unendlich")));
        }
        DlgZufluss d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Zuflussrechner"));
        QVERIFY(!run(d, QStringLiteral("400"), QString()));
        QCOMPARE(d.status()->text(), QStringLiteral("Der Winkel muss zwischen 0 und 360 liegen."));
        QVERIFY(!run(d, QStringLiteral("360"), QStringLiteral("infinite")));
        QCOMPARE(d.status()->text(), QStringLiteral("„infinite“ ist keine gültige Zahl."));
        QVERIFY(run(d, QStringLiteral("360"), QStringLiteral("unendlich")));
        QVERIFY(d.status()->text().startsWith(QStringLiteral("2 Zeitpunkte, WE am Ende ")));
    }

    // A result line whose error is a phrase of several words stands in the columns as the
    // German "kein Wert" does.
    void sensitivityLineWithoutAnErrorValue() {
        const QString german = DlgSensResults::alignedLine("kein Wert   4000.0   1000.0   10.0");
        const QString english = DlgSensResults::alignedLine("no value   4000.0   1000.0   10.0");
        QCOMPARE(german.left(10), QStringLiteral(" kein Wert"));
        QCOMPARE(english.left(10), QStringLiteral("  no value"));
        QCOMPARE(english.mid(10), german.mid(10));
        QCOMPARE(german.mid(10),
                 DlgSensResults::alignedLine("2.5   4000.0   1000.0   10.0").mid(10));
    }

    // The help window shows the English page in English and the German page otherwise; both
    // have the same sections.
    void helpInTheUsersLanguage() {
        QtUserInterface ui;
        std::string english;
        {
            English en;
            QCOMPARE(QtUserInterface::helpPage(), QtUserInterface::kEnglishHelp);
            english = helpPageText(ui);
        }
        QCOMPARE(QtUserInterface::helpPage(), QtUserInterface::kGermanHelp);
        const std::string german = helpPageText(ui);
        for (const char* topic :
             {"What the program computes", "Entering a case", "Editing the shut-in pressure list",
              "Computing the J value", "Sensitivity calculation", "The results report", "The chart",
              "4 × 4 × 4 = 64 cases"})
            QVERIFY2(english.find(topic) != std::string::npos, topic);
        QVERIFY(german.find("Einen Fall eingeben") != std::string::npos);
        QVERIFY(english.find("Einen Fall eingeben") == std::string::npos);

        // The same anchors in both pages, so that links into the help reach both.
        auto anchors = [](const QString& page) {
            QFile file(page);
            if (!file.open(QIODevice::ReadOnly))
                return QStringList();
            const QString html = QString::fromUtf8(file.readAll());
            QStringList ids;
            static const QRegularExpression id(QStringLiteral("id=\"([a-z]+)\""));
            for (auto it = id.globalMatch(html); it.hasNext();)
                ids.push_back(it.next().captured(1));
            return ids;
        };
        QVERIFY(!anchors(QtUserInterface::kGermanHelp).isEmpty());
        QCOMPARE(anchors(QtUserInterface::kEnglishHelp), anchors(QtUserInterface::kGermanHelp));
    }
};

QTEST_MAIN(TestDialogsEnglish)
#include "tst_dialogs_english.moc"
