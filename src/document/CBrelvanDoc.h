// The case document: everything that belongs to the one open case, its inputs, the inputs of
// the J value tool and of the sensitivity search, and the results of the last computation.
// Dialogs receive copies of the members and give them back on OK; views read the members.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/CaseFields.h"
#include "document/DocumentTexts.h"
#include "document/FitCase.h"
#include "engine/ModelComparison.h"
#include "engine/Run.h"
#include "support/FileIo.h"
#include "support/UserInterface.h"

class ByteReader;
class ByteWriter;

// What every open case has besides its data: title, file path and modified flag.
class CDocumentBase {
public:
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title) { m_strTitle = title; }
    const std::string& GetPathName() const { return m_strPathName; }
    // Sets the path and, as the title, the file name without its folder.
    void SetPathName(const std::string& path);
    // No file yet: the untitled name, no path.
    void SetUntitled() {
        m_strPathName.clear();
        m_strTitle = brelvan::document::tx("Unbenannt");
    }
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

private:
    std::string m_strTitle = brelvan::document::tx("Unbenannt");
    std::string m_strPathName;
    bool m_bModified = false;
};

// The reservoir data, J inputs and sensitivity ranges are the field groups of CaseFields.h.
class CBrelvanDoc : public CDocumentBase,
                    public ReservoirData,
                    public JInputs,
                    public SensitivityRanges {
public:
    static constexpr int kSeriesSize = brelvan::engine::kSeriesSize; // entry 0: production start
    static constexpr int kMaxRows = brelvan::engine::kMaxRows;
    static constexpr int kComponents = brelvan::engine::kComponents;

    CBrelvanDoc();

    // The user interface the document reports to and asks through (not owned). Until one is
    // set, messages go nowhere, questions are answered No and dialogs are cancelled.
    void setUserInterface(brelvan::UserInterface* ui);
    brelvan::UserInterface& ui() const;

    // ---- Run control and chart texts
    bool m_bSensitivitaet = false;
    int m_iGrafiktyp = 0;
    int m_MaxWerte = 0;
    int m_Max2Werte = 0;
    std::string m_strXAchse;
    std::string m_strY1Achse;
    std::string m_strY2Achse;
    std::string m_strLegende1;
    std::string m_strLegende2;
    std::string m_strLegende3;
    bool m_bNeueDaten = true;
    // Whether the report and the series belong to the case as it is: false from Open or New
    // until the case is computed, and the views say so instead of showing other results.
    bool m_bBerechnet = true;

    // ---- Result series
    std::array<float, kSeriesSize> m_fXRechen{};
    std::array<float, kSeriesSize> m_fPRechen{};
    std::array<float, kSeriesSize> m_fWERechen{};
    std::array<float, kSeriesSize> m_fXMess{};
    std::array<float, kSeriesSize> m_fPMess{};

    // ---- Lists
    std::vector<std::string> m_Zeilen;
    std::vector<std::string> m_Ausgabe;
    std::vector<std::string> m_SensErgebnisse;
    // The numbers behind the lines, for the export: the table rows of the last normal run and
    // the grid cases of the last sensitivity search (error NaN when nothing was compared).
    std::vector<brelvan::engine::RowRecord> m_Tabelle;
    struct SensWert {
        double error, ogip, wip, jWert;
    };
    std::vector<SensWert> m_SensWerte;
    bool m_bGeaendert = true;

    // ---- Sensitivity data besides the ranges
    double m_dMaxGp = 0; // Mio m3

    // ---- Result of the last run
    double m_dZInit = 0;
    // The last normal run ended with an abort (its report says why).
    bool m_bAbgebrochen = false;

    // ---- Influx scheme: the original running mean or the interval mean of the published
    // Fetkovich method. Stored in the case file's extension block as 0 or 1.
    brelvan::engine::InfluxScheme m_iVerfahren = brelvan::engine::InfluxScheme::Original;
    // ---- Water-zone model: 0 Fetkovich, 1 van Everdingen-Hurst, 2 Carter-Tracy, 3 pot (the
    // numbers of waterzone::Model). Stored in the case file's extension block.
    int m_iModell = 0;

    // ---- Beside the case, never stored in its file: the texts adopted fit values are shown
    // with, and the pressure curves of the last model comparison (the Druckverlauf view shows
    // them while they belong to the case, see fit::comparisonHolds). Open and New forget both.
    brelvan::ShownFitValues m_fitTexts{};
    brelvan::fit::ComparisonCurves m_modelCurves;

    // ---- New case
    void setdefaults();
    // A new case: untitled, unmodified, with the defaults and the chart captions.
    bool OnNewDocument();

    // ---- Case file. Loading reads into a fresh document and adopts it only when the file is
    // complete; the open case stays untouched otherwise. Saving is atomic.
    void Serialize(ByteWriter& ar) const;
    // Reads the stored fields; the reason (in the user's language) when the bytes do not hold a
    // case.
    brelvan::IoResult<> Serialize(ByteReader& ar);
    // File Open: reads, adopts, runs the editing cycle and its post-load steps; on failure a
    // message through ui().error() and the case stays as it was.
    bool OnOpenDocument(const std::string& path);
    // File Save / Save As: writes atomically; on failure a message and false.
    bool OnSaveDocument(const std::string& path);

    // ---- Document commands
    void OnDataChange();
    void OnFileNew();
    void OnWriteAusTxt();
    void OnReadAusTxt();
    void OnHilfe();
    // Empties the report, the search results, the tables and the series: the case is not
    // computed. Open and New call it; every result of the case before is gone.
    void forgetResults();
    // Counts the cases this document held (raised by Open and New), so that a view can tell a
    // new case from a change of the one it shows.
    unsigned m_caseNumber = 0;
    // The folder of "aus.txt"; the current directory unless set.
    std::string m_strAusTxtOrdner;

    // ---- Computation: the engine's run on the members (see engine/Run.h)
    // One run; with m_bSensitivitaet a grid case of the search (only its aborts reach the report).
    // Returns the mean pressure error.
    double compute();
    // The grid search on the sensitivity ranges, then a normal run of the adopted case.
    void sensitivity();
    // The header block of the report, replacing m_Ausgabe.
    void writeheader();
    void pseudocrit(double& tpc, double& ppc) const;
    void critcorrect(double tpc, double ppc, double& tpcKorr, double& ppcKorr) const;
    double zfactor(double temperaturC, double druckBar, double tpc, double ppc) const;
    double pzpressure(double temperaturC, double pzBar, double tpc, double ppc) const;
    double tage(int tag, int monat, int jahr) const;

    // The inputs of a run on this case.
    brelvan::engine::RunInputs runInputs() const;
    // Takes over what a run of `in` produced: initial z, series and captions, the report
    // (replaced by a full run, extended by a case of the sensitivity search, m_bSensitivitaet);
    // shows its messages in order.
    void applyRunResult(const brelvan::engine::RunInputs& in, brelvan::engine::RunResult&& result);

private:
    brelvan::UserInterface* m_pUI = nullptr;
};
