// The sensitivity range dialog "Dialogfeld zur Sensitivitätsberechnung": the ranges of gas in
// place, water in place and J value for the grid search. The rules live in DlgSensitivityData.
#pragma once

#include "dialogs/BrelvanDialog.h"
#include "document/DlgSensitivityData.h"

class DlgSensitivity : public BrelvanDialog, public DlgSensitivityData {
    Q_OBJECT
public:
    explicit DlgSensitivity(brelvan::UserInterface& ui, QWidget* parent = nullptr);

protected:
    void initDialog() override;

private:
    void onButtonOK();
};
