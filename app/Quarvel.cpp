// The program: the floating-point environment, the application object, the main window and the
// message loop. The command line is ignored.
#include "FloatingPoint.h"
#include "QuarvelUnit1.h"
#include "TApplication.h"

// Exit codes: 0 when the user closed the main window, 1 when an error ended the program after
// it was reported.
int main() {
    Set8087CW(Default8087CW);
    try {
        Application->Initialize();
        Application->SetHelpFile("Quarvel");
        Application->SetTitle("Quarvel");
        Application->CreateForm(Quarvel);
        Application->Run();
    } catch (const Exception& error) {
        Application->ShowException(error);
        return 1;
    } catch (...) {
        Application->ShowException(Exception(""));
        return 1;
    }
    return 0;
}
