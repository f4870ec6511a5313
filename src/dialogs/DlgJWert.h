// The J value dialog "Dialogfeld zur Berechnung des J-Wertes": rock, fluid and geometry data of
// the water zone; OK computes the Fetkovich J value and the water in place. The rules live in
// DlgJWertData.
#pragma once

#include "dialogs/BrelvanDialog.h"
#include "document/DlgJWertData.h"

class DlgJWert : public BrelvanDialog, public DlgJWertData {
    Q_OBJECT
public:
    explicit DlgJWert(brelvan::UserInterface& ui, QWidget* parent = nullptr);

protected:
    void initDialog() override;

private:
    void onKillfocusWinkel();
    void onKillfocusRadiusEnde();
    void onKillfocusFeld();
    void onButtonOK();
};
