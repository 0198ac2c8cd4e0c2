#pragma once

#include <memory>
#include <string>

#include "Colors.h"
#include "Cursors.h"
#include "Font.h"
#include "TComponent.h"

class Fl_Widget;
class TForm;

// A visible control on a form. It keeps its properties and owns the FLTK widget that shows them;
// every property change reaches the widget at once. Positions are client coordinates of the form
// (below its menu bar).
class TControl : public TComponent {
public:
    ~TControl() override;

    bool SetParentComponent(TComponent& parent) override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // A control takes its form's font until it is given one of its own.
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    // True: show the hint when the form shows hints; false: decide by ShowHint alone.
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parent);
    // Whether the control's hint shows when the mouse rests on it.
    bool HintShown() const;

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }

    TForm* Parent() const { return parent_; }
    // Puts the control on the form (or takes it off with null).
    void SetParent(TForm* form);

    // Windowed controls take the keyboard focus and lie above every drawn control.
    virtual bool IsWindowed() const { return false; }
    // Gives the control the keyboard focus, as the form does when it opens and on Tab.
    virtual void SetFocus();

    // Takes the control from one density to another, m / d times the size: its bounds, edge by
    // edge so that controls that touch still touch, and its own font (one taken from the form
    // scales with the form's).
    virtual void ChangeScale(int m, int d);

    Fl_Widget* Widget() const { return widget_.get(); }

    // The form calls these: its font changed; its window is now shown, so text can be measured.
    void ParentFontChanged();
    virtual void DisplayReady() {}

protected:
    TControl(TComponent* owner, std::unique_ptr<Fl_Widget> widget);

    virtual void FontChanged() {}
    virtual void ColorChanged() {}
    virtual void VisibleChanged() {}
    // The window is on screen; measuring and drawing text works only then.
    bool Showing() const;
    void Redraw();

private:
    void UpdateWidgetBounds();

    std::unique_ptr<Fl_Widget> widget_;
    TForm* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    TColor color_ = clBtnFace;
    TFont font_;
    bool parentFont_ = true;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;

    friend class TForm;  // the form moves the widget when its menu bar comes or goes
};
