#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Colors.h"
#include "Font.h"
#include "TComponent.h"
#include "TPicture.h"

class Fl_Double_Window;
class TControl;
class TMainMenu;

// A window. Its client area (what lies inside the window manager's frame) holds the menu bar at
// the top and the controls below it, placed in client coordinates that start under the bar.
// The window's outer size is given as on the toolkit's home desktop, with a 4-px border on each
// side and a 19-px caption; the frame here is the window manager's.
class TForm : public TComponent {
public:
    static constexpr int MenuBarHeight = 20;
    static constexpr int FrameBorder = 4;
    static constexpr int CaptionHeight = 19;

    explicit TForm(TComponent* owner);
    ~TForm() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    int Left() const;
    int Top() const;
    void SetLeft(int left);
    void SetTop(int top);
    // Outer size, frame included.
    int Width() const;
    int Height() const;
    void SetWidth(int width);
    void SetHeight(int height);
    // The area below the menu bar, where the controls are.
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    const TPicture& Icon() const { return icon_; }
    void SetIcon(TPicture icon);
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    // Opens the window; from then on labels measure their text. The first windowed control
    // (the entry box) takes the focus.
    void Show();
    // Hides the window; when it is the last one, the message loop ends.
    void Close();
    bool Showing() const;

    // Reads the embedded layout of that file name into this form, through the form's registered
    // class: sets the form's properties, creates its components and points its fields at them.
    void ReadLayout(std::string_view resourceName);

    // FLTK glue: the window, its controls in z-order, and where client coordinates start in it.
    Fl_Double_Window* Window() const { return window_.get(); }
    const std::vector<TControl*>& Controls() const { return controls_; }
    int ClientOrigin() const;
    // The topmost visible control under a client-coordinate point, or null.
    TControl* ControlAt(int x, int y) const;

    void InsertControl(TControl& control);
    void RemoveControl(TControl& control);
    void DamageRect(int x, int y, int w, int h);
    void UpdateCursor(int windowX, int windowY);

private:
    void MenuBarChanged();

    std::unique_ptr<Fl_Double_Window> window_;
    std::string caption_;
    TColor color_ = clBtnFace;
    TFont font_;
    bool showHint_ = false;
    TPicture icon_;
    TMainMenu* menu_ = nullptr;
    std::vector<TControl*> controls_;  // z-order: the last lies on top
};
