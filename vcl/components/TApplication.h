#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "Exception.h"
#include "HintController.h"
#include "TComponent.h"

class TForm;

// The application: owns the main form, runs the message loop, and reports every error a handler
// raises in the error box, after which the loop goes on.
class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    std::string_view ClassName() const override { return "TApplication"; }

    // Opens the display, and from then on sees every event on its way to its window (for the
    // hints). Throws Exception when there is no display to open.
    void Initialize();
    bool DisplayOpen() const { return displayOpen_; }

    // The title names the program to the user: the error box's caption. Until it is set, the
    // name the program was started by.
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    // The help file the standard help request would open; the program has no help command.
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(std::string helpFile) { helpFile_ = std::move(helpFile); }

    // Creates a form owned by the application and points `reference` at it. The first form
    // created is the main form.
    template <class Form>
    void CreateForm(Form*& reference) {
        reference = InsertComponent(std::make_unique<Form>(this));
        if (!mainForm_) mainForm_ = reference;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and runs the message loop until the main form closes.
    void Run();

    // Reports an error a handler raised: through OnException when it is set, else in the error
    // box. An error that is no Exception is reported with its own text, or with none.
    void HandleException(std::exception_ptr error);
    std::function<void(const Exception&)> OnException;

    // The error box, titled with the application's title, a dialog of the main form. Without a
    // display the message goes to standard error instead.
    void ShowException(const Exception& error) const;

    // When the hints of the controls under the pointer show and go.
    HintController& Hints() { return hints_; }

private:
    bool displayOpen_ = false;
    std::string title_;
    std::string helpFile_;
    TForm* mainForm_ = nullptr;
    HintController hints_;
};

// The program's one application object.
extern TApplication* const Application;
