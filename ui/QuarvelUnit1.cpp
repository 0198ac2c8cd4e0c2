#include "QuarvelUnit1.h"

#include "ComponentClass.h"
#include "Exception.h"
#include "NarrowToFloat.h"
#include "ResultRows.h"
#include "StrToFloat.h"
#include "ToneNetwork.h"

TQuarvel* Quarvel = nullptr;

TQuarvel::TQuarvel(TComponent* Owner) : TForm(Owner) {
    ReadLayout("QuarvelUnit1.dfm");
    // The rows name their labels, which are fields of the form too.
    for (std::size_t i = 0; i < kResultRows.size(); ++i) {
        resultLabels_[i] = dynamic_cast<TLabel*>(FindComponent(kResultRows[i].resultLabel));
        if (!resultLabels_[i]) throw Exception("Нет метки результата «" + std::string(kResultRows[i].resultLabel) + "»");
    }
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

namespace {
// The handlers the layout's menu names, and the fields the reader points at the components.
[[maybe_unused]] const TComponentClass& quarvelClass = RegisterClass(
    ClassOf<TQuarvel, TForm>("TQuarvel")
        .Method("N1Click", &TQuarvel::N1Click)
        .Method("N2Click", &TQuarvel::N2Click)
        .Field("Edit1", &TQuarvel::Edit1)
        .Field("Image1", &TQuarvel::Image1)
        .Field("Label1", &TQuarvel::Label1)
        .Field("Label2", &TQuarvel::Label2)
        .Field("Label3", &TQuarvel::Label3)
        .Field("Label4", &TQuarvel::Label4)
        .Field("Label5", &TQuarvel::Label5)
        .Field("Label6", &TQuarvel::Label6)
        .Field("Label7", &TQuarvel::Label7)
        .Field("Label8", &TQuarvel::Label8)
        .Field("Label9", &TQuarvel::Label9)
        .Field("Label10", &TQuarvel::Label10)
        .Field("Label11", &TQuarvel::Label11)
        .Field("Label12", &TQuarvel::Label12)
        .Field("Label13", &TQuarvel::Label13)
        .Field("Label14", &TQuarvel::Label14)
        .Field("Label15", &TQuarvel::Label15)
        .Field("Label16", &TQuarvel::Label16)
        .Field("Bevel1", &TQuarvel::Bevel1)
        .Field("Bevel2", &TQuarvel::Bevel2)
        .Field("Bevel3", &TQuarvel::Bevel3)
        .Field("Bevel4", &TQuarvel::Bevel4)
        .Field("Bevel5", &TQuarvel::Bevel5)
        .Field("Bevel6", &TQuarvel::Bevel6)
        .Field("Bevel7", &TQuarvel::Bevel7)
        .Field("Bevel8", &TQuarvel::Bevel8)
        .Field("Bevel9", &TQuarvel::Bevel9)
        .Field("MainMenu1", &TQuarvel::MainMenu1)
        .Field("N1", &TQuarvel::N1)
        .Field("N2", &TQuarvel::N2)
        .Field("N3", &TQuarvel::N3)
        .Field("N4", &TQuarvel::N4)
        .Field("R1R210010k121", &TQuarvel::R1R210010k121)
        .Field("R1R3100151", &TQuarvel::R1R3100151)
        .Field("N5", &TQuarvel::N5)
        .Field("N6", &TQuarvel::N6));
}  // namespace
