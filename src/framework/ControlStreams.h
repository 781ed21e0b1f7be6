#pragma once
// The records of each class's property stream, in the one order that the
// class writes them. Each settings struct starts from the values a new
// control of that class is designed with; a stream gives the rest.

#include <cstdint>
#include <limits>
#include <string_view>

#include "PropertyStream.h"

namespace fw::streams {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
// No control of a control array.
inline constexpr std::int32_t kNoIndex = std::numeric_limits<std::int32_t>::min();

struct WindowRecords {
    std::int32_t placement = 0, width = 0, height = 0, minWidth = 64, minHeight = 64, maxWidth = 32000,
                 maxHeight = 32000, frame = 0;
    bool composite = true, hasBackColor = false;
    Rgb backColor = kBlack;
    std::string_view title{};
    bool visible = true, fullScreen = false, menuBarVisible = true, closeButton = true, resizeable = false,
         liveResize = true, maximizeButton = false, minimizeButton = true;
    std::int32_t macProcId = 0;
};

// Every control stream begins with these.
struct ControlPrefix {
    std::string_view name{};
    std::int32_t index = kNoIndex, left = 0, top = 0, width = 0, height = 0;
    bool lockLeft = false, lockTop = false, lockRight = false, lockBottom = false;
    std::int32_t tabPanelIndex = 0;
};

struct TextFieldRecords {
    ControlPrefix control;
    std::int32_t tabIndex = 0;
    bool tabStop = true, border = true, password = false, useFocusRing = false;
    Rgb textColor = kBlack, backColor = kWhite;
    bool enabled = true;
    std::string_view format{};
    bool visible = true;
    std::string_view helpTag{};
    bool autoDeactivate = true;
    std::string_view textFont = "System";
    bool bold = false, italic = false, underline = false;
    std::string_view cueText{}, text{}, mask{};
    bool readOnly = false;
    std::int32_t limitText = 0;
    bool acceptTabs = false;
    std::int32_t alignment = 0;
    std::string_view dataSource{}, dataField{}, initialParent{};
};

struct RectangleRecords {
    ControlPrefix control;
    bool visible = true;
    std::string_view helpTag{};
    bool autoDeactivate = true, enabled = true;
    Rgb fillColor = kWhite;
    std::int32_t borderWidth = 0;
    Rgb topLeftColor = kBlack, bottomRightColor = kBlack;
    std::string_view initialParent{};
};

struct GroupBoxRecords {
    ControlPrefix control;
    std::int32_t tabIndex = 0;
    std::string_view caption{};
    bool enabled = true, visible = true;
    std::string_view helpTag{};
    bool autoDeactivate = true;
    std::string_view textFont = "System";
    bool bold = false, italic = false, underline = false;
    std::string_view initialParent{};
};

struct PushButtonRecords {
    ControlPrefix control;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    std::string_view caption{};
    bool isDefault = false, cancel = false, enabled = true, visible = true;
    std::string_view helpTag{};
    bool autoDeactivate = true;
    std::string_view textFont = "System";
    bool bold = false, italic = false, underline = false;
    std::string_view initialParent{};
};

struct StaticTextRecords {
    ControlPrefix control;
    std::int32_t tabIndex = 0;
    std::string_view text{};
    std::int32_t textAlign = 0;
    Rgb textColor = kBlack;
    bool multiLine = false, enabled = true, visible = true;
    std::string_view helpTag{};
    bool autoDeactivate = true;
    std::string_view textFont = "System";
    bool bold = false, italic = false, underline = false;
    std::string_view dataSource{}, dataField{}, initialParent{};
};

struct SliderRecords {
    ControlPrefix control;
    std::int32_t tabIndex = 0;
    bool tabStop = true, enabled = true, visible = true;
    std::string_view helpTag{};
    bool autoDeactivate = true;
    std::int32_t minimum = 0, value = 0, maximum = 100, lineStep = 1, pageStep = 1;
    bool liveScroll = true;
    std::int32_t tickStyle = 0;
    std::string_view initialParent{};
};

struct BevelButtonRecords {
    ControlPrefix control;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    std::string_view initialParent{};
    bool visible = true;
    std::string_view helpTag{};
    bool autoDeactivate = true, enabled = true;
    std::string_view caption{};
    std::int32_t captionAlign = 3, captionPlacement = 1, captionDelta = 0, iconAlign = 0, iconDX = 0, iconDY = 0,
                 bevel = 0, hasMenu = 0;
    bool hasBackColor = false;
    Rgb backColor = kBlack, textColor = kBlack;
    bool value = false;
    std::int32_t menuValue = 0, buttonType = 0;
    bool acceptFocus = false;
    std::string_view textFont = "System";
    bool bold = false, italic = false, underline = false;
};

struct CheckBoxRecords {
    ControlPrefix control;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    std::string_view caption{};
    bool enabled = true, visible = true;
    std::string_view helpTag{};
    bool autoDeactivate = true;
    std::string_view textFont = "System";
    bool bold = false, italic = false, underline = false;
    std::int32_t state = 0;
    bool value = false;
    std::string_view dataSource{}, dataField{}, initialParent{};
};

struct UpDownArrowsRecords {
    ControlPrefix control;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    std::string_view initialParent{};
    bool visible = true;
    std::string_view helpTag{};
    bool autoDeactivate = true, enabled = true, acceptFocus = false;
};

namespace detail {

constexpr void Colour(StreamWriter& w, std::string_view name, Rgb c)
{
    w.Colour(name, c.red, c.green, c.blue);
}

constexpr void Prefix(StreamWriter& w, const ControlPrefix& p)
{
    w.String("Name", p.name).Int32("Index", p.index).Int32("Left", p.left).Int32("Top", p.top);
    w.Int32("Width", p.width).Int32("Height", p.height);
    w.Boolean("LockLeft", p.lockLeft).Boolean("LockTop", p.lockTop);
    w.Boolean("LockRight", p.lockRight).Boolean("LockBottom", p.lockBottom);
    w.Int32("TabPanelIndex", p.tabPanelIndex);
}

constexpr void Font(StreamWriter& w, std::string_view font, bool bold, bool italic, bool underline)
{
    w.String("TextFont", font).Boolean("Bold", bold).Boolean("Italic", italic).Boolean("Underline", underline);
}

}  // namespace detail

constexpr StreamWriter Write(const WindowRecords& r)
{
    StreamWriter w;
    w.Int32("Placement", r.placement).Int32("Width", r.width).Int32("Height", r.height);
    w.Int32("MinWidth", r.minWidth).Int32("MinHeight", r.minHeight);
    w.Int32("MaxWidth", r.maxWidth).Int32("MaxHeight", r.maxHeight).Int32("Frame", r.frame);
    w.Boolean("Composite", r.composite).Boolean("HasBackColor", r.hasBackColor);
    detail::Colour(w, "BackColor", r.backColor);
    w.String("Title", r.title).Boolean("Visible", r.visible).Boolean("FullScreen", r.fullScreen);
    w.Boolean("MenuBarVisible", r.menuBarVisible).Boolean("CloseButton", r.closeButton);
    w.Boolean("Resizeable", r.resizeable).Boolean("LiveResize", r.liveResize);
    w.Boolean("MaximizeButton", r.maximizeButton).Boolean("MinimizeButton", r.minimizeButton);
    w.Int32("MacProcID", r.macProcId);
    return w;
}

constexpr StreamWriter Write(const TextFieldRecords& r)
{
    StreamWriter w;
    detail::Prefix(w, r.control);
    w.Int32("TabIndex", r.tabIndex).Boolean("TabStop", r.tabStop).Boolean("Border", r.border);
    w.Boolean("Password", r.password).Boolean("UseFocusRing", r.useFocusRing);
    detail::Colour(w, "TextColor", r.textColor);
    detail::Colour(w, "BackColor", r.backColor);
    w.Boolean("Enabled", r.enabled).String("Format", r.format).Boolean("Visible", r.visible);
    w.String("HelpTag", r.helpTag).Boolean("AutoDeactivate", r.autoDeactivate);
    detail::Font(w, r.textFont, r.bold, r.italic, r.underline);
    w.String("CueText", r.cueText).String("Text", r.text).String("Mask", r.mask);
    w.Boolean("ReadOnly", r.readOnly).Int32("LimitText", r.limitText).Boolean("AcceptTabs", r.acceptTabs);
    w.Int32("Alignment", r.alignment).String("DataSource", r.dataSource).String("DataField", r.dataField);
    w.String("InitialParent", r.initialParent);
    return w;
}

constexpr StreamWriter Write(const RectangleRecords& r)
{
    StreamWriter w;
    detail::Prefix(w, r.control);
    w.Boolean("Visible", r.visible).String("HelpTag", r.helpTag).Boolean("AutoDeactivate", r.autoDeactivate);
    w.Boolean("Enabled", r.enabled);
    detail::Colour(w, "FillColor", r.fillColor);
    w.Int32("BorderWidth", r.borderWidth);
    detail::Colour(w, "TopLeftColor", r.topLeftColor);
    detail::Colour(w, "BottomRightColor", r.bottomRightColor);
    w.String("InitialParent", r.initialParent);
    return w;
}

constexpr StreamWriter Write(const GroupBoxRecords& r)
{
    StreamWriter w;
    detail::Prefix(w, r.control);
    w.Int32("TabIndex", r.tabIndex).String("Caption", r.caption).Boolean("Enabled", r.enabled);
    w.Boolean("Visible", r.visible).String("HelpTag", r.helpTag).Boolean("AutoDeactivate", r.autoDeactivate);
    detail::Font(w, r.textFont, r.bold, r.italic, r.underline);
    w.String("InitialParent", r.initialParent);
    return w;
}

constexpr StreamWriter Write(const PushButtonRecords& r)
{
    StreamWriter w;
    detail::Prefix(w, r.control);
    w.Int32("TabIndex", r.tabIndex).Boolean("TabStop", r.tabStop).String("Caption", r.caption);
    w.Boolean("Default", r.isDefault).Boolean("Cancel", r.cancel).Boolean("Enabled", r.enabled);
    w.Boolean("Visible", r.visible).String("HelpTag", r.helpTag).Boolean("AutoDeactivate", r.autoDeactivate);
    detail::Font(w, r.textFont, r.bold, r.italic, r.underline);
    w.String("InitialParent", r.initialParent);
    return w;
}

constexpr StreamWriter Write(const StaticTextRecords& r)
{
    StreamWriter w;
    detail::Prefix(w, r.control);
    w.Int32("TabIndex", r.tabIndex).String("Text", r.text).Int32("TextAlign", r.textAlign);
    detail::Colour(w, "TextColor", r.textColor);
    // Written with this spelling; names match without regard to case.
    w.Boolean("Multiline", r.multiLine).Boolean("Enabled", r.enabled).Boolean("Visible", r.visible);
    w.String("HelpTag", r.helpTag).Boolean("AutoDeactivate", r.autoDeactivate);
    detail::Font(w, r.textFont, r.bold, r.italic, r.underline);
    w.String("DataSource", r.dataSource).String("DataField", r.dataField).String("InitialParent", r.initialParent);
    return w;
}

constexpr StreamWriter Write(const SliderRecords& r)
{
    StreamWriter w;
    detail::Prefix(w, r.control);
    w.Int32("TabIndex", r.tabIndex).Boolean("TabStop", r.tabStop).Boolean("Enabled", r.enabled);
    w.Boolean("Visible", r.visible).String("HelpTag", r.helpTag).Boolean("AutoDeactivate", r.autoDeactivate);
    w.Int32("Minimum", r.minimum).Int32("Value", r.value).Int32("Maximum", r.maximum);
    w.Int32("LineStep", r.lineStep).Int32("PageStep", r.pageStep).Boolean("LiveScroll", r.liveScroll);
    w.Int32("TickStyle", r.tickStyle).String("InitialParent", r.initialParent);
    return w;
}

constexpr StreamWriter Write(const BevelButtonRecords& r)
{
    StreamWriter w;
    detail::Prefix(w, r.control);
    w.Int32("TabIndex", r.tabIndex).Boolean("TabStop", r.tabStop).String("InitialParent", r.initialParent);
    w.Boolean("Visible", r.visible).String("HelpTag", r.helpTag).Boolean("AutoDeactivate", r.autoDeactivate);
    w.Boolean("Enabled", r.enabled).String("Caption", r.caption).Int32("CaptionAlign", r.captionAlign);
    w.Int32("CaptionPlacement", r.captionPlacement).Int32("CaptionDelta", r.captionDelta);
    w.Int32("IconAlign", r.iconAlign).Int32("IconDX", r.iconDX).Int32("IconDY", r.iconDY);
    w.Int32("Bevel", r.bevel).Int32("HasMenu", r.hasMenu).Boolean("HasBackColor", r.hasBackColor);
    detail::Colour(w, "BackColor", r.backColor);
    detail::Colour(w, "TextColor", r.textColor);
    w.Boolean("Value", r.value).Int32("MenuValue", r.menuValue).Int32("ButtonType", r.buttonType);
    w.Boolean("AcceptFocus", r.acceptFocus);
    detail::Font(w, r.textFont, r.bold, r.italic, r.underline);
    return w;
}

constexpr StreamWriter Write(const CheckBoxRecords& r)
{
    StreamWriter w;
    detail::Prefix(w, r.control);
    w.Int32("TabIndex", r.tabIndex).Boolean("TabStop", r.tabStop).String("Caption", r.caption);
    w.Boolean("Enabled", r.enabled).Boolean("Visible", r.visible).String("HelpTag", r.helpTag);
    w.Boolean("AutoDeactivate", r.autoDeactivate);
    detail::Font(w, r.textFont, r.bold, r.italic, r.underline);
    w.Int32("State", r.state).Boolean("Value", r.value).String("DataSource", r.dataSource);
    w.String("DataField", r.dataField).String("InitialParent", r.initialParent);
    return w;
}

constexpr StreamWriter Write(const UpDownArrowsRecords& r)
{
    StreamWriter w;
    detail::Prefix(w, r.control);
    w.Int32("TabIndex", r.tabIndex).Boolean("TabStop", r.tabStop).String("InitialParent", r.initialParent);
    w.Boolean("Visible", r.visible).String("HelpTag", r.helpTag).Boolean("AutoDeactivate", r.autoDeactivate);
    w.Boolean("Enabled", r.enabled).Boolean("AcceptFocus", r.acceptFocus);
    return w;
}

}  // namespace fw::streams
