#include "TForm.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_RGB_Image.H>

#include <algorithm>

#include "ControlValues.h"
#include "Exception.h"
#include "FlColor.h"
#include "FontProperties.h"
#include "FormWindow.h"
#include "LayoutParser.h"
#include "MulDiv.h"
#include "Reader.h"
#include "Resources.h"
#include "TControl.h"
#include "TMainMenu.h"
#include "TScreen.h"
#include "WindowManager.h"

namespace {
// The drag cursor's picture and the pixel of its arrow tip.
constexpr const char* DragCursorPicture = "drag.png";
constexpr int DragCursorHotX = 0, DragCursorHotY = 0;

const TPicture* DragCursor() {
    static const TPicture picture = [] {
        try {
            return TPicture::FromResource(DragCursorPicture);
        } catch (const Exception&) {
            return TPicture();  // without its picture the drag cursor is the arrow
        }
    }();
    return picture.Empty() ? nullptr : &picture;
}

Fl_Cursor StandardCursor(TCursor cursor) {
    switch (cursor) {
    case crCross: return FL_CURSOR_CROSS;
    case crIBeam: return FL_CURSOR_INSERT;
    case crHelp: return FL_CURSOR_HELP;
    default: return FL_CURSOR_DEFAULT;
    }
}
}  // namespace

TForm::TForm(TComponent* owner)
    : TComponent(owner), window_(std::make_unique<FormWindow>(*this, 0, 0, 320, 240)) {
    // The resizable corner: a zero-size box at the bottom right, so that growing the window
    // moves and stretches nothing.
    auto* corner = new Fl_Box(320, 240, 0, 0);  // the window owns and deletes it
    corner->box(FL_NO_BOX);
    corner->clear_visible_focus();
    window_->add(corner);
    window_->resizable(corner);
    window_->size_range(100, 60);
    SetColor(color_);
}

TForm::~TForm() {
    // Controls and the menu remove their widgets from the window before the window goes.
    DestroyComponents();
}

void TForm::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    window_->copy_label(caption_.c_str());
}

// Until the window is shown, FLTK's position is the frame's; once shown, it is the client area's.
// The window manager is told to place the frame by its outer corner (see Show), so a position
// asked for later places the frame too.
int TForm::Left() const { return window_->x() - FrameExtentsOf(*window_).left; }
int TForm::Top() const { return window_->y() - FrameExtentsOf(*window_).top; }

void TForm::SetLeft(int left) {
    positioned_ = true;
    window_->position(left, Top());
}

void TForm::SetTop(int top) {
    positioned_ = true;
    window_->position(Left(), top);
}

int TForm::Width() const { return window_->w() + 2 * FrameBorder; }
int TForm::Height() const { return window_->h() + 2 * FrameBorder + CaptionHeight; }
void TForm::SetWidth(int width) { SetClientWidth(width - 2 * FrameBorder); }
void TForm::SetHeight(int height) { SetClientHeight(height - 2 * FrameBorder - CaptionHeight - ClientOrigin()); }

int TForm::ClientWidth() const { return window_->w(); }
int TForm::ClientHeight() const { return window_->h() - ClientOrigin(); }

void TForm::SetClientWidth(int width) {
    window_->size(std::max(width, 1), window_->h());
    MenuBarChanged();
}

void TForm::SetClientHeight(int height) {
    window_->size(window_->w(), std::max(height + ClientOrigin(), 1));
    MenuBarChanged();
}

void TForm::SetColor(TColor color) {
    color_ = color;
    window_->color(ToFlColor(color));
    window_->redraw();
}

void TForm::SetFont(const TFont& font) {
    font_ = font;
    for (TControl* c : controls_) c->ParentFontChanged();
}

void TForm::SetShowHint(bool show) { showHint_ = show; }

void TForm::SetIcon(TPicture icon) {
    icon_ = std::move(icon);
    window_->icon(icon_.Image());
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu_) window_->remove(menu_->Widget());
    // The window keeps its outer size; the controls' area gives the bar its room.
    menu_ = menu;
    if (menu_) window_->insert(*menu_->Widget(), 0);
    MenuBarChanged();
}

void TForm::MenuBarChanged() {
    if (menu_) menu_->Widget()->resize(0, 0, window_->w(), menuBarHeight_);
    Fl_Widget* corner = window_->resizable();
    corner->resize(window_->w(), window_->h(), 0, 0);
    for (TControl* c : controls_) c->UpdateWidgetBounds();
    window_->init_sizes();
}

int TForm::ClientOrigin() const { return menu_ ? menuBarHeight_ : 0; }

void TForm::ScaleBy(int m, int d) {
    const auto scaled = [m, d](int n) { return MulDiv(n, m, d); };
    if (positioned_) window_->position(scaled(Left()), scaled(Top()));
    window_->size(std::max(scaled(window_->w()), 1), std::max(scaled(window_->h()), 1));
    menuBarHeight_ = scaled(menuBarHeight_);
    if (menu_) menu_->ChangeScale(m, d);
    if (!icon_.Empty()) SetIcon(icon_.Scaled(scaled(icon_.Width()), scaled(icon_.Height())));
    for (TControl* c : controls_) c->ChangeScale(m, d);
    TFont font = font_;
    font.Height = scaled(font.Height);
    SetFont(font);  // the controls that take the form's font take it scaled
    MenuBarChanged();
}

void TForm::InsertControl(TControl& control) {
    // Windowed controls lie above every drawn one; otherwise the later control lies on top.
    auto at = controls_.end();
    if (!control.IsWindowed())
        at = std::find_if(controls_.begin(), controls_.end(), [](TControl* c) { return c->IsWindowed(); });
    controls_.insert(at, &control);
    const int first = menu_ ? 1 : 0;
    for (std::size_t i = 0; i < controls_.size(); ++i)
        window_->insert(*controls_[i]->Widget(), first + static_cast<int>(i));
    window_->init_sizes();
}

void TForm::RemoveControl(TControl& control) {
    std::erase(controls_, &control);
    window_->remove(control.Widget());
    window_->init_sizes();
    window_->redraw();
}

void TForm::DamageRect(int x, int y, int w, int h) {
    if (Showing()) window_->damage(FL_DAMAGE_ALL, x, y, w, h);
    window_->init_sizes();
}

TControl* TForm::ControlAt(int x, int y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const TControl& c = **it;
        if (c.Visible() && x >= c.Left() && x < c.Left() + c.Width() && y >= c.Top() && y < c.Top() + c.Height())
            return *it;
    }
    return nullptr;
}

void TForm::UpdateCursor(int windowX, int windowY) {
    const TControl* control = windowY >= ClientOrigin() ? ControlAt(windowX, windowY - ClientOrigin()) : nullptr;
    const TCursor cursor = control ? control->Cursor() : crDefault;
    if (cursor == crDrag) {
        if (const TPicture* drag = DragCursor()) {
            window_->cursor(drag->Image(), DragCursorHotX, DragCursorHotY);
            return;
        }
    }
    window_->cursor(StandardCursor(cursor));
}

void TForm::Show() {
    const int left = window_->x(), top = window_->y();
    ShowDescribed(*window_, [&](unsigned long xid) {
        if (positioned_) RequestFramePosition(xid, left, top);
    });
    for (TControl* c : controls_) c->DisplayReady();
    FocusFrom(0);
}

void TForm::Close() { window_->hide(); }

bool TForm::Visible() const { return window_->shown(); }

bool TForm::Showing() const { return window_->shown() && window_->visible(); }

void TForm::SelectNext() {
    const auto focused = std::find_if(controls_.begin(), controls_.end(),
                                      [](const TControl* c) { return c->Widget() == Fl::focus(); });
    FocusFrom(focused == controls_.end() ? 0 : static_cast<std::size_t>(focused - controls_.begin()) + 1);
}

void TForm::FocusFrom(std::size_t start) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        TControl* c = controls_[(start + i) % controls_.size()];
        if (c->IsWindowed() && c->Visible()) {
            c->SetFocus();
            return;
        }
    }
}

void TForm::ReadLayout(std::string_view resourceName) {
    const auto bytes = FindResource(resourceName);
    if (bytes.empty()) throw ELayoutError(0, std::string(resourceName), "нет описания окна");
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    ReadComponent(*this, ParseLayout(text));
    const int screen = TheScreen->PixelsPerInch();
    if (pixelsPerInch_ && pixelsPerInch_ != screen) {
        ScaleBy(screen, pixelsPerInch_);
        pixelsPerInch_ = screen;
    }
}

namespace {
// The form's own properties. PixelsPerInch, TextHeight and OldCreateOrder are the designer's
// record of how the layout was made: at 96 dpi (the density the form scales from to the
// screen's) with 13-pixel lines of text (the default font's line height at that density), and
// with the handlers in place before the layout is read (the order this form keeps). A layout made
// otherwise would need what the form does not do, and is refused.
auto OnlyInteger(int kept) {
    return [kept](TForm&, const LayoutProperty& p, TReader&) {
        if (IntegerValue(p) != kept) throw ELayoutError(p.line, ValueWord(p.value), "недопустимое значение");
    };
}

[[maybe_unused]] const TComponentClass& formClass = []() -> const TComponentClass& {
    ClassOf<TForm, TComponent> form("TForm");
    form.Property("Left", &TForm::SetLeft, IntegerValue)
        .Property("Top", &TForm::SetTop, IntegerValue)
        .Property("Width", &TForm::SetWidth, IntegerValue)
        .Property("Height", &TForm::SetHeight, IntegerValue)
        .Property("ClientWidth", &TForm::SetClientWidth, IntegerValue)
        .Property("ClientHeight", &TForm::SetClientHeight, IntegerValue)
        .Property("Caption", &TForm::SetCaption, StringValue)
        .Property("Color", &TForm::SetColor, ColorValue)
        .Property("ShowHint", &TForm::SetShowHint, BooleanValue)
        .Property("Icon", &TForm::SetIcon, PictureValue)
        .Property("Menu",
                  [](TForm& f, const LayoutProperty& p, TReader& reader) {
                      reader.Reference<TMainMenu>(p, "нет такого меню", [&f](TMainMenu& menu) { f.SetMenu(&menu); });
                  })
        .Property("PixelsPerInch",
                  [](TForm& f, const LayoutProperty& p, TReader& reader) {
                      OnlyInteger(DesignPixelsPerInch)(f, p, reader);
                      f.SetPixelsPerInch(DesignPixelsPerInch);
                  })
        .Property("TextHeight", OnlyInteger(13))
        .Property("OldCreateOrder", [](TForm&, const LayoutProperty& p, TReader&) { EnumValue<bool>(p, {{"False", false}}); });
    AddFontProperties(form);
    return RegisterClass(form);
}();
}  // namespace
