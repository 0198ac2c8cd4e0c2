#include "TApplication.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <cerrno>
#include <cstdlib>
#include <cstdio>

#include "ErrorBox.h"
#include "TForm.h"

namespace {
TApplication theApplication;
}  // namespace

TApplication* const Application = &theApplication;

TApplication::TApplication() : TComponent(nullptr), title_(program_invocation_short_name) {}

TApplication::~TApplication() { DestroyComponents(); }

void TApplication::Initialize() {
    if (displayOpen_) return;
    // FLTK ends the process when it cannot open the display itself; opened here, the failure is
    // an error like any other.
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        const char* name = std::getenv("DISPLAY");
        throw Exception(std::string("Не удаётся открыть дисплей X") +
                        (name && *name ? " «" + std::string(name) + "»" : " (переменная DISPLAY не задана)"));
    }
    fl_open_display(display);
    displayOpen_ = true;
}

void TApplication::Run() {
    if (!mainForm_) return;
    mainForm_->Show();
    // Fl::wait returns after each batch of events; the loop ends when the main form is closed,
    // even if another window (an error box) were still open.
    while (mainForm_->Showing() && Fl::wait() >= 0) {
    }
}

void TApplication::HandleException(std::exception_ptr error) {
    const auto report = [this](const Exception& e) {
        if (OnException)
            OnException(e);
        else
            ShowException(e);
    };
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        report(e);
    } catch (const std::exception& e) {
        report(Exception(e.what()));
    } catch (...) {
        report(Exception(""));
    }
}

void TApplication::ShowException(const Exception& error) const {
    if (displayOpen_)
        ShowErrorBox(title_, error.Message());
    else
        // stdio, not iostream: the streams' start-up alone would add half a megabyte to every run.
        std::fprintf(stderr, "%s: %s\n", title_.c_str(), error.Message().c_str());
}
