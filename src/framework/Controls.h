#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "Object.h"
#include "Services.h"

class QWidget;

namespace fw {

class Window;
class Control;

// A handler bound to a control's event: runs the window's method with the
// window as Self and the raising control as Me.
using EventDelegate = std::function<void(Control& me)>;

class Control : public Object {
public:
    static const ClassRecord& ClassInfo();
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    std::int32_t Index() const { return index_; }
    void SetIndex(std::int32_t index) { index_ = index; }
    std::int32_t TabPanelIndex() const { return tabPanelIndex_; }
    void SetTabPanelIndex(std::int32_t index) { tabPanelIndex_ = index; }

    Window* GetWindow() const { return window_; }

    // Binds a handler; raises UnknownEventException for an event the class
    // does not raise.
    void InstallHandler(std::string_view event, EventDelegate handler);
    // Runs the handler bound to the event, if any. Called from framework code
    // that the program started; exceptions pass to the caller.
    void Raise(std::string_view event);
    // Runs the handler for an event that came from the user; exceptions are
    // kept from unwinding through the toolkit.
    void RaiseFromPlatform(std::string_view event);

protected:
    friend class Window;
    Window* window_ = nullptr;

private:
    std::string name_;
    std::int32_t index_ = 0;
    std::int32_t tabPanelIndex_ = 0;
    std::map<std::string, EventDelegate, std::less<>> handlers_;
};

void _InstallInstanceEventHandler(Control& control, std::string_view event, EventDelegate handler);

// A control with a rectangle in its window's content area, shown by one
// toolkit widget.
class RectControl : public Control {
public:
    explicit RectControl(QWidget* widget);
    ~RectControl() override;
    static const ClassRecord& ClassInfo();

    std::int32_t Left() const { return left_; }
    void SetLeft(std::int32_t v);
    std::int32_t Top() const { return top_; }
    void SetTop(std::int32_t v);
    std::int32_t Width() const { return width_; }
    void SetWidth(std::int32_t v);
    std::int32_t Height() const { return height_; }
    void SetHeight(std::int32_t v);
    std::int32_t TabIndex() const { return tabIndex_; }
    void SetTabIndex(std::int32_t v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v);
    void SetInitialParent(std::string name) { initialParent_ = std::move(name); }

    // Gives this control the keyboard focus; does nothing when it is hidden,
    // disabled or cannot take the focus.
    void SetFocus();
    bool HasFocus() const;
    // Whether the control takes the keyboard focus at all.
    virtual bool AcceptsFocus() const;
    // Code gave the focus that this control held in an inactive window to
    // another control, or to none; the toolkit tells the control nothing.
    virtual void FocusTakenByCode() {}

    QWidget* Widget() const { return widget_; }
    // Called once the control belongs to a window.
    virtual void Attached() {}

protected:
    void ApplyGeometry();
    void ApplyFocusPolicy();
    void ReleaseFocus();
    QWidget* widget_;

private:
    std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0, tabIndex_ = 0;
    bool visible_ = true, enabled_ = true, tabStop_ = true;
    bool lockLeft_ = false, lockTop_ = false, lockRight_ = false, lockBottom_ = false;
    bool autoDeactivate_ = true;
    std::string helpTag_, initialParent_;
};

// Font settings shared by every control class that shows text.
class TextControl : public RectControl {
public:
    using RectControl::RectControl;
    // Sizes are in the layout's own unit (device-independent pixels).
    void SetTextSize(float size);
    float TextSize() const { return textSize_; }
    void SetTextUnit(std::uint8_t unit) { textUnit_ = unit; }
    std::uint8_t TextUnit() const { return textUnit_; }
    const std::string& TextFont() const { return textFont_; }
    void SetTextFont(std::string font);
    bool Bold() const { return bold_; }
    void SetBold(bool v);
    bool Italic() const { return italic_; }
    void SetItalic(bool v);
    bool Underline() const { return underline_; }
    void SetUnderline(bool v);

protected:
    void ApplyFont();

private:
    float textSize_ = 0;  // 0: the platform's default size
    std::uint8_t textUnit_ = 0;
    std::string textFont_ = "System";
    bool bold_ = false, italic_ = false, underline_ = false;
};

class TextField : public TextControl {
public:
    TextField();
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }

    std::string Text() const;
    void SetText(std::string text);
    // Whether losing the focus raises LostFocus, and marks it raised. A user's
    // move always does; a move by code only for text the user has changed
    // since the program last set it, so code never re-reads its own text.
    bool TakeLostFocus(bool byUser);
    void FocusTakenByCode() override;
    // Limits what the user can type or paste; 0 for no limit.
    std::int32_t LimitText() const { return limitText_; }
    void SetLimitText(std::int32_t limit) { limitText_ = limit; }
    std::int32_t Alignment() const { return alignment_; }
    void SetAlignment(std::int32_t alignment);
    bool Border() const { return border_; }
    void SetBorder(bool v);
    bool Password() const { return password_; }
    void SetPassword(bool v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    Color TextColor() const { return textColor_; }
    void SetTextColor(Color c);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c);

private:
    void ApplyPalette();
    bool useFocusRing_ = true, acceptTabs_ = false;
    std::string format_, cueText_, mask_, dataSource_, dataField_;
    std::int32_t limitText_ = 0, alignment_ = 0;
    bool border_ = true, password_ = false, readOnly_ = false;
    bool edited_ = false;  // by the user since the program last set the text
    Color textColor_{0x000000}, backColor_{0xFFFFFF};
};

class Rectangle : public RectControl {
public:
    Rectangle();
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }
    Color FillColor() const { return fillColor_; }
    void SetFillColor(Color c);
    std::int32_t BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(std::int32_t w);
    Color TopLeftColor() const { return topLeftColor_; }
    void SetTopLeftColor(Color c);
    Color BottomRightColor() const { return bottomRightColor_; }
    void SetBottomRightColor(Color c);
    bool AcceptsFocus() const override { return false; }

private:
    Color fillColor_{0xFFFFFF}, topLeftColor_{0}, bottomRightColor_{0};
    std::int32_t borderWidth_ = 1;
};

class GroupBox : public TextControl {
public:
    GroupBox();
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }
    std::string Caption() const;
    void SetCaption(std::string caption);
    bool AcceptsFocus() const override { return false; }
};

class PushButton : public TextControl {
public:
    PushButton();
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }
    std::string Caption() const;
    void SetCaption(std::string caption);
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    // Presses the button as the user would.
    void Push();

private:
    bool default_ = false, cancel_ = false;
};

class StaticText : public TextControl {
public:
    StaticText();
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    std::int32_t TextAlign() const { return textAlign_; }
    void SetTextAlign(std::int32_t align);
    Color TextColor() const { return textColor_; }
    void SetTextColor(Color c);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v);
    bool AcceptsFocus() const override { return false; }

private:
    std::string dataSource_, dataField_;
    std::string text_;
    std::int32_t textAlign_ = 0;
    Color textColor_{0};
    bool multiLine_ = false;
};

class Slider : public RectControl {
public:
    Slider();
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }
    std::int32_t Value() const;
    // Limited to Minimum..Maximum; raises ValueChanged on every set, whether
    // or not the value changed.
    void SetValue(std::int32_t value);
    std::int32_t Minimum() const;
    void SetMinimum(std::int32_t v);
    std::int32_t Maximum() const;
    void SetMaximum(std::int32_t v);
    std::int32_t LineStep() const;
    void SetLineStep(std::int32_t v);
    std::int32_t PageStep() const;
    void SetPageStep(std::int32_t v);
    bool LiveScroll() const;
    void SetLiveScroll(bool v);
    std::int32_t TickStyle() const { return tickStyle_; }
    void SetTickStyle(std::int32_t v);

private:
    std::int32_t tickStyle_ = 0;
};

class BevelButton : public TextControl {
public:
    BevelButton();
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }
    std::string Caption() const;
    void SetCaption(std::string caption);
    // Null leaves the button without an icon.
    void SetIcon(std::shared_ptr<Picture> icon);
    const std::shared_ptr<Picture>& Icon() const { return icon_; }
    bool AcceptFocus() const { return acceptFocus_; }
    void SetAcceptFocus(bool v);
    bool AcceptsFocus() const override { return acceptFocus_; }
    bool Value() const { return value_; }
    void SetValue(bool v) { value_ = v; }
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c) { backColor_ = c; }
    Color TextColor() const { return textColor_; }
    void SetTextColor(Color c);
    bool HasBackColor() const { return hasBackColor_; }
    void SetHasBackColor(bool v) { hasBackColor_ = v; }
    // Presses the button as the user would.
    void Push();

private:
    std::int32_t captionAlign_ = 0, captionPlacement_ = 0, captionDelta_ = 0, iconAlign_ = 0, iconDX_ = 0,
                 iconDY_ = 0, bevel_ = 0, hasMenu_ = 0, menuValue_ = 0, buttonType_ = 0;
    std::shared_ptr<Picture> icon_;
    bool acceptFocus_ = true, value_ = false, hasBackColor_ = false;
    Color backColor_{0}, textColor_{0};
};

class CheckBox : public TextControl {
public:
    CheckBox();
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }
    std::string Caption() const;
    void SetCaption(std::string caption);
    bool Value() const;
    // Raises no event.
    void SetValue(bool v);
    std::int32_t State() const;
    void SetState(std::int32_t state);

private:
    std::string dataSource_, dataField_;
};

class UpDownArrows : public RectControl {
public:
    UpDownArrows();
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }
    bool AcceptFocus() const { return acceptFocus_; }
    void SetAcceptFocus(bool v);
    bool AcceptsFocus() const override { return acceptFocus_; }
    // The two halves, for tests and the platform glue.
    QWidget* UpButton() const;
    QWidget* DownButton() const;

private:
    bool acceptFocus_ = true;
};

// Plug-in members of the bevel button, reached by name through the plug-in
// entry-point table.
void BevelButtonIconSet(BevelButton& button, std::shared_ptr<Picture> icon);
void BevelButtonTextUnitSet(BevelButton& button, std::uint8_t unit);

}  // namespace fw
