#include "TApplication.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/x.H>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstdio>

#include "ErrorBox.h"
#include "ScreenDensity.h"
#include "TForm.h"
#include "TScreen.h"

namespace {
TApplication theApplication;

// A request that failed (a window that had already gone, say) is no reason to end the program.
int IgnoreProtocolError(Display*, XErrorEvent*) { return 0; }

// Every event passes the hints on its way to its window, as every message passes the toolkit's
// application before its window gets it.
int DispatchEvent(int event, Fl_Window* window) {
    Application->Hints().Observe(event, window);
    return Fl::handle_(event, window);
}

// Without its connection the program cannot go on; Xlib ends the process when this returns.
int ConnectionLost(Display*) {
    std::fprintf(stderr, "%s: связь с X-сервером потеряна\n", Application->Title().c_str());
    return 0;
}
}  // namespace

TApplication* const Application = &theApplication;

TApplication::TApplication() : TComponent(nullptr), title_(program_invocation_short_name) {}

TApplication::~TApplication() { DestroyComponents(); }

void TApplication::Initialize() {
    if (displayOpen_) return;
    // The display is opened here rather than by FLTK, which ends the process when it cannot
    // open it: a missing display is an error like any other. The settings FLTK makes before it
    // opens one are made here too: keyboard input in the user's language (the character type
    // only; numbers keep their own conventions), the input method, and what X errors do.
    std::setlocale(LC_CTYPE, "");
    XSetLocaleModifiers("@im=");
    XSetIOErrorHandler(ConnectionLost);
    XSetErrorHandler(IgnoreProtocolError);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        const char* name = std::getenv("DISPLAY");
        throw Exception(std::string("Не удаётся открыть дисплей X") +
                        (name && *name ? " «" + std::string(name) + "»" : " (переменная DISPLAY не задана)"));
    }
    fl_open_display(display);
    Fl::event_dispatch(DispatchEvent);
    displayOpen_ = true;
    // The screen's density: the desktop's Xft.dpi, from the resources the connection brought with
    // it, unless QUARVEL_SCALE says otherwise. A setting that makes no sense is named and ignored.
    const ScreenDensity density =
        ChooseScreenDensity(std::getenv("QUARVEL_SCALE"), XftDpiResource(XResourceManagerString(display)));
    for (const std::string& ignored : density.ignored) std::fprintf(stderr, "%s: %s\n", title_.c_str(), ignored.c_str());
    TheScreen->SetPixelsPerInch(density.pixelsPerInch);
}

void TApplication::Run() {
    if (!mainForm_) return;
    mainForm_->Show();
    // Fl::wait returns after each batch of events; the loop ends when the main form is closed,
    // even if another window (an error box) were still open. A main form the window manager has
    // minimised, or shows on another desktop, is still open.
    while (mainForm_->Visible() && Fl::wait() >= 0) {
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
        ShowErrorBox(title_, error.Message(), mainForm_ && mainForm_->Visible() ? mainForm_->Window() : nullptr,
                     TheScreen->PixelsPerInch());
    else
        // stdio, not iostream: the streams' start-up alone would add half a megabyte to every run.
        std::fprintf(stderr, "%s: %s\n", title_.c_str(), error.Message().c_str());
}
