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
// A form read from a layout designed at another density than the screen's is scaled to the
// screen's when it is created: its window, menu bar, font and icon, and every control.
class TForm : public TComponent {
public:
    static constexpr int MenuBarHeight = 20;  // at the design density
    static constexpr int FrameBorder = 4;
    static constexpr int CaptionHeight = 19;

    explicit TForm(TComponent* owner);
    ~TForm() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // The outer top-left corner of the window's frame on the screen. The window manager is asked
    // to put the frame there; once shown, it is read back from where the frame is.
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
    // The density the form's sizes are given at: its layout's, until it is scaled to the screen's;
    // 0 for a form whose layout does not say.
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int pixelsPerInch) { pixelsPerInch_ = pixelsPerInch; }
    // Takes the whole form from one density to another, m / d times the size.
    void ScaleBy(int m, int d);

    // Opens the window; from then on labels measure their text. The first windowed control
    // (the entry box) takes the focus.
    void Show();
    // Closes the window; when it is the main form, the message loop ends.
    void Close();
    // Shown and not closed: a window the window manager has minimised, or shows on another
    // desktop, is still visible.
    bool Visible() const;
    // On the screen now: visible, and neither minimised nor on another desktop.
    bool Showing() const;
    // Gives the focus to the next windowed control after the focused one (the first one after
    // the last), as Tab does.
    void SelectNext();

    // Reads the embedded layout of that file name into this form, through the form's registered
    // class: sets the form's properties, creates its components and points its fields at them;
    // then scales the form to the screen's density where its layout was designed at another.
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
    // Focuses the first windowed control from that place in the z-order on, wrapping round.
    void FocusFrom(std::size_t start);

    std::unique_ptr<Fl_Double_Window> window_;
    bool positioned_ = false;  // Left or Top was set: the frame goes there
    std::string caption_;
    TColor color_ = clBtnFace;
    TFont font_;
    bool showHint_ = false;
    TPicture icon_;
    TMainMenu* menu_ = nullptr;
    int menuBarHeight_ = MenuBarHeight;
    int pixelsPerInch_ = 0;
    std::vector<TControl*> controls_;  // z-order: the last lies on top
};
