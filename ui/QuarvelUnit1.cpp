#include "QuarvelUnit1.h"

#include "NarrowToFloat.h"
#include "ResultRows.h"
#include "StrToFloat.h"
#include "ToneNetwork.h"

TQuarvel* Quarvel = nullptr;

TQuarvel::TQuarvel(TComponent* Owner) : TForm(Owner) {
    RegisterHandler("N1Click", &TQuarvel::N1Click);
    RegisterHandler("N2Click", &TQuarvel::N2Click);
    ReadLayout("QuarvelUnit1.dfm");

    BindField("Edit1", Edit1);
    BindField("Image1", Image1);
    BindField("Label1", Label1);
    BindField("Label2", Label2);
    BindField("Label3", Label3);
    BindField("Label4", Label4);
    BindField("Label5", Label5);
    BindField("Label6", Label6);
    BindField("Label7", Label7);
    BindField("Label8", Label8);
    BindField("Label9", Label9);
    BindField("Label10", Label10);
    BindField("Label11", Label11);
    BindField("Label12", Label12);
    BindField("Label13", Label13);
    BindField("Label14", Label14);
    BindField("Label15", Label15);
    BindField("Label16", Label16);
    BindField("Bevel1", Bevel1);
    BindField("Bevel2", Bevel2);
    BindField("Bevel3", Bevel3);
    BindField("Bevel4", Bevel4);
    BindField("Bevel5", Bevel5);
    BindField("Bevel6", Bevel6);
    BindField("Bevel7", Bevel7);
    BindField("Bevel8", Bevel8);
    BindField("Bevel9", Bevel9);
    BindField("MainMenu1", MainMenu1);
    BindField("N1", N1);
    BindField("N2", N2);
    BindField("N3", N3);
    BindField("N4", N4);
    BindField("R1R210010k121", R1R210010k121);
    BindField("R1R3100151", R1R3100151);
    BindField("N5", N5);
    BindField("N6", N6);
    for (std::size_t i = 0; i < kResultRows.size(); ++i) BindField(kResultRows[i].resultLabel, resultLabels_[i]);
}

// Calculate: the entry's resistance gives the seven part values, or the range warning.
void TQuarvel::N1Click(TObject* /*Sender*/) {
    // Text that is no number ends the command here, before any control has changed.
    const long double entered = StrToFloat(Edit1->Text());

    // The warning is hidden before the range test, so it goes as soon as a value is in range,
    // and an entry too large for a float (EOverflow, next line) is reported with it hidden.
    Label16->SetVisible(false);
    const std::optional<NetworkValues> values = CalculateNetwork(NarrowToFloat(entered));

    // Out of range the labels are emptied, so that no stale value stands beside the warning.
    for (std::size_t i = 0; i < kResultRows.size(); ++i)
        resultLabels_[i]->SetCaption(values ? ResultText(kResultRows[i], *values) : std::string());
    if (!values) Label16->SetVisible(true);
}

void TQuarvel::N2Click(TObject* /*Sender*/) { Close(); }
