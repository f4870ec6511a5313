// The dialog tests' fixture: message boxes answered by a script or acted on once open, buttons
// pressed in a window once it shows, the example case, and focus moves that let the
// focus-leave handlers run.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/BrelvanDialog.h"
#include "dialogs/DlgInput.h"
#include "dialogs/QtUserInterface.h"
#include "testing/WorkedCase.h"

// Records every box the program shows and answers its questions from a queue (No when the
// queue is empty).
struct ScriptedBoxes {
    struct Shown {
        QtUserInterface::Box box;
        std::string text;
    };
    std::vector<Shown> shown;
    std::deque<bool> answers;

    ScriptedBoxes() {
        QtUserInterface::s_answer = [this](QtUserInterface::Box box, const std::string& text) {
            shown.push_back({box, text});
            if (box != QtUserInterface::Box::Question || answers.empty()) {
                return false;
            }
            const bool answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
    ~ScriptedBoxes() {
        QtUserInterface::s_answer = nullptr;
        BrelvanDialog::s_modalHook = nullptr;
        DlgInput::s_chooseFile = nullptr;
    }
    ScriptedBoxes(const ScriptedBoxes&) = delete;
    ScriptedBoxes& operator=(const ScriptedBoxes&) = delete;

    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const Shown& s : shown) {
            result.push_back(s.text);
        }
        return result;
    }
    void clear() { shown.clear(); }
};

// Acts on the message box once it is open (the box runs its own event loop).
inline void whenBoxOpens(std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, [act] {
        for (int tries = 0; tries < 100; ++tries) {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                act(box);
                return;
            }
            QTest::qWait(10);
        }
    });
}

// After `ms` milliseconds, clicks the button labelled `text` in the visible top-level windows of
// type W, as a user who waits for the window and then presses the button.
template <class W> void clickLaterIn(int ms, const QString& text) {
    QTimer::singleShot(ms, [text] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<W*>(w); window && window->isVisible()) {
                for (auto* b : window->template findChildren<QAbstractButton*>()) {
                    if (b->text() == text) {
                        b->click();
                    }
                }
            }
        }
    });
}

// Lets queued handlers and timers run.
inline void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

// The gas components in the order of m_fGas; gasId(c) is the input dialog's composition field
// of component c.
enum GasComponent : int {
    kH2S,
    kCO2,
    kN2,
    kCH4,
    kC2H6,
    kC3H8,
    kIC4H10,
    kNC4H10,
    kIC5H12,
    kNC5H12,
    kC6H14,
    kC7H16,
    kC8H18,
    kC9H20,
    kC10H22,
};
static_assert(kC10H22 + 1 == DlgInputData::kComponents);
constexpr int gasId(GasComponent c) {
    return int(DlgInputData::kIdGasFirst) + int(c);
}

inline QLineEdit* editOf(BrelvanDialog& dialog, int id) {
    return qobject_cast<QLineEdit*>(dialog.control(id));
}

// Replaces the text of a field as the user would, with the focus in it.
inline void typeInto(BrelvanDialog& dialog, int id, const QString& text) {
    QLineEdit* edit = editOf(dialog, id);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QTest::keyClicks(edit, text);
    }
}

// The focus leaves the focused control with the Tab key; the handlers then run.
inline void tabAway() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
}

// The example case's sensitivity ranges: OGIP 4000 to 6000, WIP 1000 to 3000, J 10 to 100, on
// the input dialog's data or on the sensitivity dialog (both name these fields alike).
template <class Ranges> void setExampleRanges(Ranges& d) {
    d.m_dMinOGIP = 4000;
    d.m_dMaxOGIP = 6000;
    d.m_dMinWIP = 1000;
    d.m_dMaxWIP = 3000;
    d.m_dMinJ = 10;
    d.m_dMaxJ = 100;
}

// The example case as the document hands it to the input dialog: the worked reservoir with
// 2000 in the water zone (inside its sensitivity range), and lines whose blanks differ
// from the dialog's own layout (the list shows them as they stand).
inline void fillExampleCase(DlgInputData& d) {
    d.m_strFeldname = "Feld A";
    d.m_fGas = {};
    d.m_fGas[3] = 100.0f; // CH4
    worked_case::setReservoir(d);
    d.m_dWIP = 2000;
    d.m_iGrafiktyp = 0;
    d.m_iVerfahren = 0;
    d.m_Zeilen = {"      1. 1.2001        500.000             225.0 ",
                  "      1. 1.2002       1000.000             205.0 ",
                  "      1. 7.2002       1200.000",
                  "      1. 1.2003       1500.000             185.0 "};
    d.m_fPermeabilitaet = 100;
    d.m_fMaechtigkeit = 10;
    d.m_fViskositaet = 0.5f;
    d.m_fPorositaet = 0.2f;
    d.m_fRadiusGWC = 1000;
    d.m_fRadiusEnde = 10000;
    d.m_fTiefe = 5000;
    d.m_fBreite = 1000;
    d.m_fWinkel = 0;
    d.m_dMaxGp = 0;
    setExampleRanges(d);
    d.m_bSensitivitaet = 0;
}

// The texts of a message box's buttons, sorted.
inline QStringList buttonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* b : box->buttons()) {
        texts.push_back(b->text());
    }
    texts.sort();
    return texts;
}

// Shows a dialog and waits until it has the focus of the application.
inline bool showActive(QWidget& w) {
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}
