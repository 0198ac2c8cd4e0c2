#pragma once

// A main window without a display, driven through its menu as the user drives it, with the
// errors the commands raise caught instead of shown in the error box.

#include <array>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "QuarvelUnit1.h"
#include "TApplication.h"

struct WindowState {
    std::array<std::string, 7> results;  // Label9 to Label15
    bool warningShown = false;

    bool operator==(const WindowState&) const = default;
};

class CalculatingWindow {
public:
    CalculatingWindow() : form_(std::make_unique<TQuarvel>(nullptr)) {
        Application->OnException = [this](const Exception&) { error_ = std::current_exception(); };
    }
    ~CalculatingWindow() { Application->OnException = nullptr; }

    // Types the entry and chooses "Рассчитать!" on the menu bar. Returns the error the command
    // raised, if any.
    std::exception_ptr Calculate(const std::string& entry) {
        error_ = nullptr;
        form_->Edit1->SetText(entry);
        form_->MainMenu1->Pick(*form_->N1);
        return error_;
    }

    WindowState State() const {
        WindowState s;
        TLabel* const labels[] = {form_->Label9,  form_->Label10, form_->Label11, form_->Label12,
                                  form_->Label13, form_->Label14, form_->Label15};
        for (std::size_t i = 0; i < s.results.size(); ++i) s.results[i] = labels[i]->Caption();
        s.warningShown = form_->Label16->Visible();
        return s;
    }

    TQuarvel& Form() { return *form_; }

private:
    std::unique_ptr<TQuarvel> form_;
    std::exception_ptr error_;
};

// Whether an error is of the class E.
template <class E>
bool Is(const std::exception_ptr& error) {
    if (!error) return false;
    try {
        std::rethrow_exception(error);
    } catch (const E&) {
        return true;
    } catch (...) {
        return false;
    }
}
