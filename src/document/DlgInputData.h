// The case input dialog without its window: the members it exchanges with its controls and
// with the case document, and the rules it applies. The desktop dialog DlgInput derives from
// it and keeps its controls in step with these members; the batch tool and the tests use it
// directly.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/CaseFields.h"
#include "document/DlgJWertData.h"
#include "document/DlgSensitivityData.h"
#include "document/FitCase.h"
#include "engine/ModelComparison.h"
#include "support/UserInterface.h"

// The reservoir data (exchanged with their controls but for m_fGas), the J inputs and the
// sensitivity ranges (neither exchanged) are the field groups of CaseFields.h.
class DlgInputData : public ReservoirData, public JInputs, public SensitivityRanges {
public:
    static constexpr int kComponents = brelvan::gas::kComponents;

    // The control ids of the dialog, shared by its rules, its window and the tests.
    enum ControlId : int {
        kIdName = 1001,
        kIdGasFirst = 1002, // component i (in the order of m_fGas) has kIdGasFirst + i
        kIdSumme = 1017,
        kIdTag = 1018,
        kIdMonat = 1019,
        kIdJahr = 1020,
        kIdZeile = 1021,
        kIdListe = 1022,
        kIdTemperatur = 1023,
        kIdOGIP = 1024,
        kIdWIP = 1025,
        kIdDruck = 1026,
        kIdKompress = 1027,
        kIdJWertFeld = 1028,
        kIdJWert = 1029,       // the button that opens the J value dialog
        kIdOptionFirst = 1030, // the four radio buttons change, append, insert, delete
        kIdDruckdatei = 1034,
        kIdStatus = 1044,
        kIdTage = 1045,
        kIdKumProduktion = 1046,
        kIdSensitivitaet = 1047,
        kIdVerfahrenOriginal = 1060, // the influx scheme: original, interval mean
        kIdVerfahrenIntervall = 1061,
        kIdCsvImport = 1062,         // the CSV import with its preview
        kIdKompressFormation = 1070, // the gas zone: c_f, c_w, S_wi and Bw of produced water
        kIdKompressWasser = 1071,
        kIdSwi = 1072,
        kIdBw = 1073,
        kIdModell = 1063,    // the combo box "Zuflussmodell"
        kIdAnpassung = 1090, // the button "Anpassung …"
    };

    // ---- Exchanged with controls (in the order of the exchange)
    float m_fnC5H12 = 0;     // 1011 (the fifteen composition fields: 0 to 100)
    float m_fC6H14 = 0;      // 1012
    float m_fC7H16 = 0;      // 1013
    float m_fC8H18 = 0;      // 1014
    float m_fC9H20 = 0;      // 1015
    float m_fC10H22 = 0;     // 1016
    float m_fCO2 = 0;        // 1003
    float m_fN2 = 0;         // 1004
    float m_fCH4 = 0;        // 1005
    float m_fC2H6 = 0;       // 1006
    float m_fC3H8 = 0;       // 1007
    float m_fiC4H10 = 0;     // 1008
    float m_fnC4H10 = 0;     // 1009
    float m_fiC5H12 = 0;     // 1010
    float m_fH2S = 0;        // 1002
    std::string m_strSumme;  // 1017
    std::string m_strZeile;  // 1021
    int m_iOption = -1;      // 1030 to 1033
    std::string m_strStatus; // 1044
    int m_iGrafiktyp = -1;   // 1045, 1046
    int m_iVerfahren = -1;   // 1060, 1061: 0 original, 1 interval mean
    int m_iModell = 0;       // 1063 "Zuflussmodell": the water-zone model, as CBrelvanDoc

    // ---- Not exchanged with controls
    std::vector<std::string> m_Zeilen;
    double m_dMaxGp = 0;
    int m_bSensitivitaet = 0;
    float m_fBeginn = 0;
    int m_iAuswahl = -1;
    // As the case document's: the texts adopted fit values are shown with, and the pressure
    // curves of the last model comparison (the document takes both back on OK).
    brelvan::ShownFitValues m_fitTexts{};
    brelvan::fit::ComparisonCurves m_modelCurves;

    // ---- The list box of measurement lines (control 1022) as the dialog shows it: its items
    // and its selected index (-1: none). The window keeps its list control in step with these.
    std::vector<std::string> m_ListDruck;
    int m_iListSelection = -1;

    // The composition member that belongs to m_fGas[index] (control 1002 + index).
    float& gasField(int index);
    float gasField(int index) const { return const_cast<DlgInputData*>(this)->gasField(index); }

    // ---- Range checks of the exchange, in the order of the exchange. The window converts the
    // texts of its fields; checkRanges checks the members themselves (for the batch tool and
    // for values loaded from a file): the first field out of range shows its message and
    // gives its control id; 0 when all are inside.
    int checkRanges(brelvan::UserInterface& ui) const;

    // The inclusive range of an exchanged number field, by control id.
    struct FieldRange {
        int id;
        double min;
        double max;
        bool integer;
    };
    // Every ranged field, in the order of the exchange.
    static const std::vector<FieldRange>& exchangeRanges();
    // The range of the field `id`; the control ids without a range give {id, 0, 0, false}.
    static FieldRange rangeOf(int id);

    // ---- Handlers, each the step that follows "take all fields into the members"; the window
    // refills its controls from the members afterwards.
    // The fifteen composition members from m_fGas, m_strSumme, m_fBeginn (a year before 1900
    // shows "ERROR JAHR < 1900"), m_iOption = 0, the list = m_Zeilen with no selection.
    void OnInitDialog(brelvan::UserInterface& ui);
    void OnKillfocusGas(); // m_fGas and m_strSumme from the composition members
    void OnKillfocusBeginn(brelvan::UserInterface& ui); // m_fBeginn from the start date
    // The measurement check of m_Zeilen: true when acceptable; otherwise its message has been
    // shown. Sets m_dMaxGp afresh, from 0, to the largest Gp of the lines that carry a
    // pressure, so that correcting or deleting the line with the largest Gp lowers it.
    bool PruefeMesswerte(brelvan::UserInterface& ui);
    // The checks of OK after the exchange (measurement check, composition sum into m_fGas,
    // lines, largest Gp against OGIP); true when the dialog may end with OK.
    bool OnButtonOK(brelvan::UserInterface& ui);
    // The batch form of OK: checkRanges, then the checks of OnButtonOK. Run OnInitDialog
    // first, as the dialog does, so that the composition members and the list hold the case.
    bool checkAll(brelvan::UserInterface& ui);

    // ---- Pressure list editing (m_ListDruck with m_iListSelection is the list box)
    // Double click: the selected line into m_strZeile, m_iAuswahl and m_strStatus; false (and
    // nothing changed) when no line is selected. On true the window refills its controls and
    // moves the focus to the edit line.
    bool OnDblclkListe();
    // The four radio buttons: 0 change, 1 append, 2 insert, 3 delete ("Zeile ändern" also
    // makes the window refill its controls).
    void setOption(int option);
    // The edit line lost the focus: check m_strZeile, ask the operation's question and carry
    // it out on Yes; whenever the checks passed, m_Zeilen is rebuilt from the list. A Gp or
    // pressure that is no possible number is refused with its reason. Change, insert and
    // delete need a selected line: without one they say so and change nothing. After a change
    // or a delete no line is selected; after an insert the selection stays on the line it
    // marked (now one further down). True when the operation was carried out.
    bool OnKillfocusZeile(brelvan::UserInterface& ui);

    // ---- Pressure file import: replaces the list by the lines of the file at `path` (UTF-8
    // path, Windows-1252 text). A file that cannot be opened shows a message and leaves the
    // list as it was. Afterwards m_strStatus gives the number of lines and m_strZeile is " ".
    // Lines whose Gp or pressure is no possible number are skipped and counted in a message.
    void importPressureFile(const std::string& path, brelvan::UserInterface& ui);
    // ---- CSV import, after its preview: `lines` (list lines as typed lines are written)
    // replace the list, or follow it when `append`. m_strStatus gives the number of lines now
    // in the list, m_strZeile is " ".
    void takeCsvLines(const std::vector<std::string>& lines, bool append);
    // The same with the file's bytes already read (a FIFO can be read only once).
    void importPressureText(const std::string& path, const std::string& bytes,
                            brelvan::UserInterface& ui);

    // ---- After the J value dialog ended with OK: when its J value differs, the question
    // whether to take J and WIP; the nine inputs are taken in any case.
    void takeJWert(const DlgJWertData& jwert, brelvan::UserInterface& ui);
    // The nine J inputs handed to the J value dialog when it opens.
    void giveJWert(DlgJWertData& jwert) const;
    // Before the sensitivity dialog: false when there are no lines (message shown).
    bool mayOpenSensitivity(brelvan::UserInterface& ui) const;
    void giveSensitivity(DlgSensitivityData& sens) const; // MAX. GP-WERT, ranges, flag 0
    void takeSensitivity(const DlgSensitivityData& sens); // after OK: flag and ranges
};
