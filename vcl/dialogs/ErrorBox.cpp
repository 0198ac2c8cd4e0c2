#include "ErrorBox.h"

#include "ErrorIcon.h"
#include "MulDiv.h"
#include "ScreenDensity.h"
#include "ScreenPlacement.h"
#include "WindowManager.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>

namespace {

// Pixel sizes of the box, in the proportions of the classic toolkit's message box, at a density.
struct BoxMetrics {
    int margin, iconSize, gap, textMinWidth, textMaxWidth, buttonWidth, buttonHeight;
    Fl_Fontsize fontSize;
};
constexpr Fl_Font kFont = FL_HELVETICA;

BoxMetrics MetricsAt(int pixelsPerInch) {
    const auto at = [pixelsPerInch](int designed) { return MulDiv(designed, pixelsPerInch, DesignPixelsPerInch); };
    return {at(12), at(32), at(12), at(120), at(400), at(75), at(23), at(12)};
}

void HideWindowOf(Fl_Widget* widget, void*) {
    Fl_Window* window = widget->as_window() ? widget->as_window() : widget->window();
    window->hide();
}

// The message as written. FLTK reads an '@' in a label as the start of a drawn symbol, and a
// message may quote what the user typed.
class MessageText : public Fl_Box {
public:
    using Fl_Box::Fl_Box;

    void draw() override {
        draw_box();
        fl_font(labelfont(), labelsize());
        fl_color(labelcolor());
        fl_draw(label(), x(), y(), w(), h(), align(), nullptr, 0);
    }
};

// Width and height the message takes when wrapped at the widest line the box allows.
void MeasureMessage(const std::string& message, const BoxMetrics& m, int& width, int& height) {
    fl_font(kFont, m.fontSize);
    width = m.textMaxWidth;
    height = 0;
    fl_measure(message.c_str(), width, height, 0);
    // Drawn in a box exactly as wide as it measures, FLTK may wrap the line's last word.
    constexpr int kWrapSlack = 2;
    width = std::clamp(width + kWrapSlack, m.textMinWidth, m.textMaxWidth);
    height = std::max(height, m.iconSize);
}

// Puts the box's frame in the middle of its owner's frame, as a message box opens, and keeps it on
// the owner's screen where the owner lies near an edge. The box is framed as its owner is; without
// an owner on the screen it opens in the middle of the screen.
void PlaceOverOwner(Fl_Window& box, Fl_Window* owner) {
    const bool owned = owner && owner->shown();
    const FrameExtents frame = owned ? FrameExtentsOf(*owner) : FrameExtents{};
    ScreenRect area;
    if (owned)
        Fl::screen_work_area(area.x, area.y, area.w, area.h, owner->x() + owner->w() / 2, owner->y() + owner->h() / 2);
    else
        Fl::screen_work_area(area.x, area.y, area.w, area.h);
    const ScreenRect over = owned ? ScreenRect{owner->x() - frame.left, owner->y() - frame.top,
                                               owner->w() + frame.left + frame.right, owner->h() + frame.top + frame.bottom}
                                  : area;
    const ScreenRect placed =
        CentredWithin(over, box.w() + frame.left + frame.right, box.h() + frame.top + frame.bottom, area);
    box.position(placed.x + frame.left, placed.y + frame.top);
}

}  // namespace

void ShowErrorBox(const std::string& title, const std::string& message, Fl_Window* owner, int pixelsPerInch) {
    fl_open_display();  // text metrics need the display

    const BoxMetrics m = MetricsAt(pixelsPerInch);
    int textWidth = 0;
    int textHeight = 0;
    MeasureMessage(message, m, textWidth, textHeight);

    const int contentWidth = m.iconSize + m.gap + textWidth;
    const int boxWidth = m.margin + contentWidth + m.margin;
    const int boxHeight = m.margin + textHeight + m.gap + m.buttonHeight + m.margin;

    Fl_Double_Window box(boxWidth, boxHeight);
    box.copy_label(title.c_str());
    box.color(fl_rgb_color(212, 208, 200));
    box.callback(HideWindowOf);  // Escape and the frame's close control both come here

    ErrorIcon icon(m.margin, m.margin, m.iconSize);

    MessageText text(m.margin + m.iconSize + m.gap, m.margin, textWidth, textHeight);
    text.copy_label(message.c_str());
    text.labelfont(kFont);
    text.labelsize(m.fontSize);
    text.align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);

    Fl_Return_Button ok((boxWidth - m.buttonWidth) / 2, boxHeight - m.margin - m.buttonHeight, m.buttonWidth,
                        m.buttonHeight, "OK");
    ok.labelfont(kFont);
    ok.labelsize(m.fontSize);
    ok.callback(HideWindowOf);

    box.end();
    // The control that had the keyboard focus gets it back once the box has closed: a click on
    // OK leaves the focus with the box, which would swallow the next keys typed into the form.
    Fl_Widget_Tracker focused(Fl::focus());
    box.set_modal();
    PlaceOverOwner(box, owner);
    const unsigned long ownerId = owner && owner->shown() ? fl_xid(owner) : 0;
    ShowDescribed(box, [ownerId](unsigned long xid) { DescribeDialog(xid, ownerId); });
    while (box.shown()) {
        Fl::wait();
    }
    if (focused.exists() && focused.widget()->window() && focused.widget()->window()->shown())
        focused.widget()->take_focus();
}
