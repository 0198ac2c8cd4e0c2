#pragma once

#include <array>

#include "ResultRows.h"
#include "TBevel.h"
#include "TEdit.h"
#include "TForm.h"
#include "TImage.h"
#include "TLabel.h"
#include "TMainMenu.h"
#include "TMenuItem.h"

// The main window. Its controls and menu are described in QuarvelUnit1.dfm; the fields below
// observe them (the form owns them).
class TQuarvel : public TForm {
public:
    TEdit* Edit1 = nullptr;
    TImage* Image1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label11 = nullptr;
    TLabel* Label12 = nullptr;
    TLabel* Label13 = nullptr;
    TLabel* Label14 = nullptr;
    TLabel* Label15 = nullptr;
    TLabel* Label16 = nullptr;
    TBevel* Bevel1 = nullptr;
    TBevel* Bevel2 = nullptr;
    TBevel* Bevel3 = nullptr;
    TBevel* Bevel4 = nullptr;
    TBevel* Bevel5 = nullptr;
    TBevel* Bevel6 = nullptr;
    TBevel* Bevel7 = nullptr;
    TBevel* Bevel8 = nullptr;
    TBevel* Bevel9 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* N2 = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* N4 = nullptr;
    TMenuItem* R1R210010k121 = nullptr;
    TMenuItem* R1R3100151 = nullptr;
    TMenuItem* N5 = nullptr;
    TMenuItem* N6 = nullptr;

    explicit TQuarvel(TComponent* Owner);

    void N1Click(TObject* Sender);
    void N2Click(TObject* Sender);

private:
    // The result labels in the order of the result rows (Label9 to Label15).
    std::array<TLabel*, kResultRows.size()> resultLabels_{};
};

// The main window, created at start-up by the application that owns it.
extern TQuarvel* Quarvel;
