#include "Controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <limits>

#include "Platform.h"
#include "Window.h"

namespace fw {

namespace {

QString ToQ(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQ(const QString& text)
{
    return text.toUtf8().toStdString();
}

QColor ToQColor(Color c)
{
    return QColor(static_cast<int>((c.value >> 16) & 255u), static_cast<int>((c.value >> 8) & 255u),
                  static_cast<int>(c.value & 255u));
}

Qt::Alignment HorizontalAlignment(std::int32_t value)
{
    switch (value) {
    case 1: return Qt::AlignHCenter;
    case 2: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

// Counts characters, not UTF-16 units: a character outside the basic plane
// takes two.
qsizetype CodePoints(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())) ++count;
    }
    return count;
}

// What an edit inserted, without control characters (a paste can carry NUL or
// BEL, which would sit invisibly in the field) and cut to `room` characters,
// never through the middle of one.
QString Admit(QStringView inserted, qsizetype room)
{
    QString admitted;
    for (qsizetype i = 0; i < inserted.size() && room > 0; ++i) {
        const bool pair = inserted[i].isHighSurrogate() && i + 1 < inserted.size() && inserted[i + 1].isLowSurrogate();
        const QStringView character = inserted.mid(i, pair ? 2 : 1);
        if (pair) ++i;
        if (character.size() == 1 && character[0].category() == QChar::Other_Control) continue;
        if (character.size() == 1 && character[0].isSurrogate()) continue;  // half a character
        admitted += character;
        --room;
    }
    return admitted;
}

// Limits what the user types or pastes, not what the program sets: what an
// edit inserts may not take the text past the limit, so a text the program
// made longer can be shortened but not lengthened, and a paste over it still
// ends at the limit.
class LimitValidator : public QValidator {
public:
    explicit LimitValidator(QLineEdit* edit, const TextField& field) : QValidator(edit), field_(field)
    {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
    }

    // The toolkit validates text set by code too; that shows whole.
    bool settingFromCode = false;

    State validate(QString& input, int& pos) const override
    {
        if (settingFromCode) return Acceptable;
        // The edit left the text before `prefix` and after the cursor as they were.
        const qsizetype after = std::min<qsizetype>(input.size() - pos, accepted_.size());
        qsizetype prefix = 0;
        while (prefix < pos && prefix < accepted_.size() - after && input[prefix] == accepted_[prefix]) ++prefix;
        if (prefix > 0 && input[prefix - 1].isHighSurrogate()) --prefix;
        const QStringView kept[] = {QStringView(input).left(prefix), QStringView(input).right(after)};
        const qsizetype limit = field_.LimitText();
        const qsizetype room = limit > 0 ? std::max<qsizetype>(0, limit - CodePoints(kept[0]) - CodePoints(kept[1]))
                                         : std::numeric_limits<qsizetype>::max();
        const QStringView inserted = QStringView(input).mid(prefix, input.size() - after - prefix);
        const QString admitted = Admit(inserted, room);
        if (admitted.size() != inserted.size()) {
            input = kept[0].toString() + admitted + kept[1].toString();
            pos = static_cast<int>(prefix + admitted.size());
        }
        return Acceptable;
    }

private:
    const TextField& field_;
    QString accepted_;
};

class FieldEdit : public QLineEdit {
public:
    explicit FieldEdit(TextField& owner) : owner_(owner) {}

protected:
    void focusOutEvent(QFocusEvent* e) override
    {
        QLineEdit::focusOutEvent(e);
        // The field keeps the focus while its window is inactive or a menu has it.
        const Qt::FocusReason reason = e->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
            reason == Qt::MenuBarFocusReason) {
            return;
        }
        // Code moves the focus with the reason Other (hiding or disabling a
        // field gives its focus to none first, so the toolkit moves nothing).
        if (owner_.TakeLostFocus(reason != Qt::OtherFocusReason)) owner_.RaiseFromPlatform("LostFocus");
    }

private:
    TextField& owner_;
};

class RectangleWidget : public QWidget {
public:
    explicit RectangleWidget(Rectangle& owner) : owner_(owner) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(owner_.FillColor()));
        const int border = owner_.BorderWidth();
        if (border > 0) {
            const int w = width(), h = height();
            const QColor topLeft = ToQColor(owner_.TopLeftColor());
            const QColor bottomRight = ToQColor(owner_.BottomRightColor());
            painter.fillRect(0, 0, w, border, topLeft);
            painter.fillRect(0, 0, border, h, topLeft);
            painter.fillRect(0, h - border, w, border, bottomRight);
            painter.fillRect(w - border, 0, border, h, bottomRight);
        }
    }

private:
    Rectangle& owner_;
};

class ArrowsWidget : public QWidget {
public:
    ArrowsWidget()
    {
        up = new QToolButton(this);
        down = new QToolButton(this);
        for (QToolButton* b : {up, down}) {
            b->setFocusPolicy(Qt::NoFocus);
            b->setAutoRepeat(true);
            b->setAutoRepeatDelay(300);
            b->setAutoRepeatInterval(50);
        }
        up->setArrowType(Qt::UpArrow);
        down->setArrowType(Qt::DownArrow);
        up->setAccessibleName(QStringLiteral("Up"));
        down->setAccessibleName(QStringLiteral("Down"));
    }
    QToolButton* up;
    QToolButton* down;

protected:
    void resizeEvent(QResizeEvent*) override
    {
        const int half = height() / 2;
        up->setGeometry(0, 0, width(), half);
        down->setGeometry(0, half, width(), height() - half);
    }
};

// WCAG 2 relative luminance of an sRGB colour.
double Luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A widget whose text sits on what its parent or the platform paints, not on a
// colour of the program's. The program's text colour is kept where it reads
// well (4.5:1) against that background; elsewhere, as black on a dark desktop,
// the desktop palette's text colour is used. Chosen again whenever the palette
// changes, so a desktop that switches theme while the program runs is followed.
template <class Base>
class PlainTextWidget : public Base {
public:
    PlainTextWidget(QPalette::ColorRole text, QPalette::ColorRole back) : text_(text), back_(back) { Apply(); }

    void SetTextColor(Color c)
    {
        wanted_ = ToQColor(c);
        Apply();
    }

protected:
    void changeEvent(QEvent* e) override
    {
        Base::changeEvent(e);
        if (e->type() == QEvent::PaletteChange) Apply();
    }

private:
    void Apply()
    {
        if (applying_) return;
        applying_ = true;
        QPalette palette;  // sets no colour: the rest comes from the parent
        const QPalette& shown = this->palette();
        if (Contrast(wanted_, shown.color(QPalette::Active, back_)) >= 4.5 &&
            Contrast(wanted_, shown.color(QPalette::Inactive, back_)) >= 4.5) {
            palette.setColor(text_, wanted_);
        }
        this->setPalette(palette);
        applying_ = false;
    }

    QPalette::ColorRole text_, back_;
    QColor wanted_{Qt::black};
    bool applying_ = false;
};

using Label = PlainTextWidget<QLabel>;
using BevelWidget = PlainTextWidget<QToolButton>;

QLineEdit* Edit(QWidget* w) { return static_cast<QLineEdit*>(w); }
QSlider* SliderOf(QWidget* w) { return static_cast<QSlider*>(w); }

}  // namespace

// ---------------------------------------------------------------- Control

const ClassRecord& Control::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Property<&Control::SetName, &Control::Name>("Name"),
        Property<&Control::SetIndex, &Control::Index>("Index"),
        Property<&Control::SetTabPanelIndex, &Control::TabPanelIndex>("TabPanelIndex"),
    };
    static const ClassRecord record{"Control", nullptr, properties};
    return record;
}

void Control::InstallHandler(std::string_view event, EventDelegate handler)
{
    if (!Class().RaisesEvent(event)) {
        throw UnknownEventException("UnknownEventException: " + std::string(Class().name) + " " + name_ +
                                    " raises no event \"" + std::string(event) + "\"");
    }
    handlers_.insert_or_assign(std::string(event), std::move(handler));
}

void Control::Raise(std::string_view event)
{
    const auto it = handlers_.find(event);
    if (it == handlers_.end()) return;
    EventDelegate handler = it->second;  // the handler may rebind or close the window
    handler(*this);
}

void Control::RaiseFromPlatform(std::string_view event)
{
    if (window_ == nullptr || !window_->IsOpen()) return;
    Dispatch([this, event] { Raise(event); });
}

void _InstallInstanceEventHandler(Control& control, std::string_view event, EventDelegate handler)
{
    control.InstallHandler(event, std::move(handler));
}

// ---------------------------------------------------------------- RectControl

const ClassRecord& RectControl::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Property<&RectControl::SetLeft, &RectControl::Left>("Left"),
        Property<&RectControl::SetTop, &RectControl::Top>("Top"),
        Property<&RectControl::SetWidth, &RectControl::Width>("Width"),
        Property<&RectControl::SetHeight, &RectControl::Height>("Height"),
        Property<&RectControl::SetTabIndex, &RectControl::TabIndex>("TabIndex"),
        Field<&RectControl::lockLeft_>("LockLeft"),
        Field<&RectControl::lockTop_>("LockTop"),
        Field<&RectControl::lockRight_>("LockRight"),
        Field<&RectControl::lockBottom_>("LockBottom"),
        Property<&RectControl::SetVisible, &RectControl::Visible>("Visible"),
        Property<&RectControl::SetEnabled, &RectControl::Enabled>("Enabled"),
        Field<&RectControl::autoDeactivate_>("AutoDeactivate"),
        Property<&RectControl::SetTabStop, &RectControl::TabStop>("TabStop"),
        Field<&RectControl::helpTag_>("HelpTag"),
        WriteOnlyProperty<&RectControl::SetInitialParent>("InitialParent"),
    };
    static const ClassRecord record{"RectControl", &Control::ClassInfo(), properties};
    return record;
}

RectControl::RectControl(QWidget* widget) : widget_(widget) {}

RectControl::~RectControl()
{
    delete widget_;
}

void RectControl::ApplyGeometry()
{
    widget_->setGeometry(left_, top_, std::max(width_, 0), std::max(height_, 0));
}

void RectControl::SetLeft(std::int32_t v)
{
    left_ = v;
    ApplyGeometry();
}

void RectControl::SetTop(std::int32_t v)
{
    top_ = v;
    ApplyGeometry();
}

void RectControl::SetWidth(std::int32_t v)
{
    width_ = v;
    ApplyGeometry();
}

void RectControl::SetHeight(std::int32_t v)
{
    height_ = v;
    ApplyGeometry();
}

void RectControl::SetTabIndex(std::int32_t v)
{
    tabIndex_ = v;
    if (window_ != nullptr && !window_->IsConstructing()) window_->UpdateTabOrder();
}

// A control that is hidden or disabled while it holds its window's focus
// gives it to none, rather than to whatever the toolkit would pick next.
void RectControl::ReleaseFocus()
{
    QWidget* focus = widget_->window()->focusWidget();
    if (window_ != nullptr && focus != nullptr && (focus == widget_ || widget_->isAncestorOf(focus))) {
        window_->ClearFocusedControl();
    }
}

void RectControl::SetVisible(bool v)
{
    visible_ = v;
    // A widget without a parent would become a window of its own.
    if (widget_->parentWidget() != nullptr) {
        if (!v) ReleaseFocus();
        widget_->setVisible(v);
        ThrowIfPending();
    }
}

void RectControl::SetEnabled(bool v)
{
    enabled_ = v;
    if (!v) ReleaseFocus();
    widget_->setEnabled(v);
    ThrowIfPending();
}

void RectControl::SetTabStop(bool v)
{
    tabStop_ = v;
    ApplyFocusPolicy();
}

bool RectControl::AcceptsFocus() const
{
    return true;
}

void RectControl::ApplyFocusPolicy()
{
    Qt::FocusPolicy policy = Qt::NoFocus;
    if (AcceptsFocus()) policy = tabStop_ ? Qt::StrongFocus : Qt::ClickFocus;
    widget_->setFocusPolicy(policy);
}

void RectControl::SetFocus()
{
    if (!visible_ || !enabled_ || !AcceptsFocus()) return;
    // In an inactive window the toolkit moves the focus silently; the field
    // that held it must still hear that it lost it.
    QWidget* previous = widget_->window()->focusWidget();
    const bool silent = previous != nullptr && previous != widget_ && !previous->hasFocus();
    widget_->setFocus(Qt::OtherFocusReason);
    ThrowIfPending();
    if (silent && window_ != nullptr) {
        if (RectControl* control = window_->ControlOfWidget(previous)) control->FocusTakenByCode();
    }
}

bool RectControl::HasFocus() const
{
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && (focus == widget_ || widget_->isAncestorOf(focus));
}

// ---------------------------------------------------------------- TextControl

void TextControl::ApplyFont()
{
    QFont font = QApplication::font(widget_);
    if (textFont_ != "System" && !textFont_.empty()) font.setFamily(ToQ(textFont_));
    if (textSize_ > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(textSize_))));
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    widget_->setFont(font);
}

void TextControl::SetTextSize(float size)
{
    textSize_ = size;
    ApplyFont();
}

void TextControl::SetTextFont(std::string font)
{
    textFont_ = std::move(font);
    ApplyFont();
}

void TextControl::SetBold(bool v)
{
    bold_ = v;
    ApplyFont();
}

void TextControl::SetItalic(bool v)
{
    italic_ = v;
    ApplyFont();
}

void TextControl::SetUnderline(bool v)
{
    underline_ = v;
    ApplyFont();
}

// ---------------------------------------------------------------- TextField

const ClassRecord& TextField::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Property<&TextField::SetLimitText, &TextField::LimitText>("LimitText"),
        Property<&TextField::SetAlignment, &TextField::Alignment>("Alignment"),
        Property<&TextField::SetBorder, &TextField::Border>("Border"),
        Property<&TextField::SetPassword, &TextField::Password>("Password"),
        Field<&TextField::useFocusRing_>("UseFocusRing"),
        Property<&TextField::SetReadOnly, &TextField::ReadOnly>("ReadOnly"),
        Field<&TextField::acceptTabs_>("AcceptTabs"),
        Property<&TextField::SetBold, &TextField::Bold>("Bold"),
        Property<&TextField::SetItalic, &TextField::Italic>("Italic"),
        Property<&TextField::SetUnderline, &TextField::Underline>("Underline"),
        Property<&TextField::SetTextColor, &TextField::TextColor>("TextColor"),
        Property<&TextField::SetBackColor, &TextField::BackColor>("BackColor"),
        Field<&TextField::format_>("Format"),
        Property<&TextField::SetTextFont, &TextField::TextFont>("TextFont"),
        Field<&TextField::cueText_>("CueText"),
        Property<&TextField::SetText, &TextField::Text>("Text"),
        Field<&TextField::mask_>("Mask"),
        Field<&TextField::dataSource_>("DataSource"),
        Field<&TextField::dataField_>("DataField"),
    };
    static const std::string_view events[] = {"LostFocus"};
    static const ClassRecord record{"TextField", &RectControl::ClassInfo(), properties, events};
    return record;
}

TextField::TextField() : TextControl(new FieldEdit(*this))
{
    Edit(widget_)->setValidator(new LimitValidator(Edit(widget_), *this));
    QObject::connect(Edit(widget_), &QLineEdit::textEdited, widget_, [this] { edited_ = true; });
    ApplyFocusPolicy();
    ApplyPalette();
}

std::string TextField::Text() const
{
    return FromQ(Edit(widget_)->text());
}

void TextField::SetText(std::string text)
{
    auto* validator = static_cast<LimitValidator*>(const_cast<QValidator*>(Edit(widget_)->validator()));
    validator->settingFromCode = true;
    Edit(widget_)->setText(ToQ(text));
    validator->settingFromCode = false;
    edited_ = false;
}

bool TextField::TakeLostFocus(bool byUser)
{
    const bool due = byUser || edited_;
    if (due) edited_ = false;
    return due;
}

void TextField::FocusTakenByCode()
{
    if (TakeLostFocus(false)) Raise("LostFocus");
}

void TextField::SetAlignment(std::int32_t alignment)
{
    alignment_ = alignment;
    Edit(widget_)->setAlignment(HorizontalAlignment(alignment) | Qt::AlignVCenter);
}

void TextField::SetBorder(bool v)
{
    border_ = v;
    Edit(widget_)->setFrame(v);
}

void TextField::SetPassword(bool v)
{
    password_ = v;
    Edit(widget_)->setEchoMode(v ? QLineEdit::Password : QLineEdit::Normal);
}

void TextField::SetReadOnly(bool v)
{
    readOnly_ = v;
    Edit(widget_)->setReadOnly(v);
}

void TextField::SetTextColor(Color c)
{
    textColor_ = c;
    ApplyPalette();
}

void TextField::SetBackColor(Color c)
{
    backColor_ = c;
    ApplyPalette();
}

void TextField::ApplyPalette()
{
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Text, ToQColor(textColor_));
    palette.setColor(QPalette::Base, ToQColor(backColor_));
    widget_->setPalette(palette);
}

// ---------------------------------------------------------------- Rectangle

const ClassRecord& Rectangle::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Property<&Rectangle::SetFillColor, &Rectangle::FillColor>("FillColor"),
        Property<&Rectangle::SetBorderWidth, &Rectangle::BorderWidth>("BorderWidth"),
        Property<&Rectangle::SetTopLeftColor, &Rectangle::TopLeftColor>("TopLeftColor"),
        Property<&Rectangle::SetBottomRightColor, &Rectangle::BottomRightColor>("BottomRightColor"),
    };
    static const ClassRecord record{"Rectangle", &RectControl::ClassInfo(), properties};
    return record;
}

Rectangle::Rectangle() : RectControl(new RectangleWidget(*this))
{
    ApplyFocusPolicy();
}

void Rectangle::SetFillColor(Color c)
{
    fillColor_ = c;
    widget_->update();
}

void Rectangle::SetBorderWidth(std::int32_t w)
{
    borderWidth_ = w;
    widget_->update();
}

void Rectangle::SetTopLeftColor(Color c)
{
    topLeftColor_ = c;
    widget_->update();
}

void Rectangle::SetBottomRightColor(Color c)
{
    bottomRightColor_ = c;
    widget_->update();
}

// ---------------------------------------------------------------- GroupBox

const ClassRecord& GroupBox::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Property<&GroupBox::SetCaption, &GroupBox::Caption>("Caption"),
        Property<&GroupBox::SetTextFont, &GroupBox::TextFont>("TextFont"),
        Property<&GroupBox::SetBold, &GroupBox::Bold>("Bold"),
        Property<&GroupBox::SetItalic, &GroupBox::Italic>("Italic"),
        Property<&GroupBox::SetUnderline, &GroupBox::Underline>("Underline"),
    };
    static const ClassRecord record{"GroupBox", &RectControl::ClassInfo(), properties};
    return record;
}

GroupBox::GroupBox() : TextControl(new QGroupBox)
{
    ApplyFocusPolicy();
}

std::string GroupBox::Caption() const
{
    return FromQ(static_cast<QGroupBox*>(widget_)->title());
}

void GroupBox::SetCaption(std::string caption)
{
    static_cast<QGroupBox*>(widget_)->setTitle(ToQ(caption));
}

// ---------------------------------------------------------------- PushButton

const ClassRecord& PushButton::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Property<&PushButton::SetCaption, &PushButton::Caption>("Caption"),
        Property<&PushButton::SetDefault, &PushButton::Default>("Default"),
        Property<&PushButton::SetCancel, &PushButton::Cancel>("Cancel"),
        Property<&PushButton::SetTextFont, &PushButton::TextFont>("TextFont"),
        Property<&PushButton::SetBold, &PushButton::Bold>("Bold"),
        Property<&PushButton::SetItalic, &PushButton::Italic>("Italic"),
        Property<&PushButton::SetUnderline, &PushButton::Underline>("Underline"),
    };
    static const std::string_view events[] = {"Action"};
    static const ClassRecord record{"PushButton", &RectControl::ClassInfo(), properties, events};
    return record;
}

PushButton::PushButton() : TextControl(new QPushButton)
{
    auto* button = static_cast<QPushButton*>(widget_);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { RaiseFromPlatform("Action"); });
    ApplyFocusPolicy();
}

std::string PushButton::Caption() const
{
    return FromQ(static_cast<QPushButton*>(widget_)->text());
}

void PushButton::SetCaption(std::string caption)
{
    static_cast<QPushButton*>(widget_)->setText(ToQ(caption));
}

void PushButton::SetDefault(bool v)
{
    default_ = v;
    static_cast<QPushButton*>(widget_)->setDefault(v);
}

void PushButton::Push()
{
    static_cast<QPushButton*>(widget_)->click();
    ThrowIfPending();
}

// ---------------------------------------------------------------- StaticText

const ClassRecord& StaticText::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Property<&StaticText::SetText, &StaticText::Text>("Text"),
        Property<&StaticText::SetTextAlign, &StaticText::TextAlign>("TextAlign"),
        Property<&StaticText::SetTextColor, &StaticText::TextColor>("TextColor"),
        Property<&StaticText::SetMultiLine, &StaticText::MultiLine>("MultiLine"),
        Property<&StaticText::SetTextFont, &StaticText::TextFont>("TextFont"),
        Property<&StaticText::SetBold, &StaticText::Bold>("Bold"),
        Property<&StaticText::SetItalic, &StaticText::Italic>("Italic"),
        Property<&StaticText::SetUnderline, &StaticText::Underline>("Underline"),
        Field<&StaticText::dataSource_>("DataSource"),
        Field<&StaticText::dataField_>("DataField"),
    };
    static const ClassRecord record{"StaticText", &RectControl::ClassInfo(), properties};
    return record;
}

StaticText::StaticText() : TextControl(new Label(QPalette::WindowText, QPalette::Window))
{
    static_cast<QLabel*>(widget_)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ApplyFocusPolicy();
}

void StaticText::SetText(std::string text)
{
    text_ = std::move(text);
    // Line breaks are carriage returns in the program's texts.
    QString shown = ToQ(text_);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    static_cast<QLabel*>(widget_)->setText(shown);
}

void StaticText::SetTextAlign(std::int32_t align)
{
    textAlign_ = align;
    static_cast<QLabel*>(widget_)->setAlignment(HorizontalAlignment(align) | Qt::AlignTop);
}

void StaticText::SetTextColor(Color c)
{
    textColor_ = c;
    static_cast<Label*>(widget_)->SetTextColor(c);
}

void StaticText::SetMultiLine(bool v)
{
    multiLine_ = v;
    static_cast<QLabel*>(widget_)->setWordWrap(v);
}

// ---------------------------------------------------------------- Slider

const ClassRecord& Slider::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Property<&Slider::SetMinimum, &Slider::Minimum>("Minimum"),
        Property<&Slider::SetValue, &Slider::Value>("Value"),
        Property<&Slider::SetMaximum, &Slider::Maximum>("Maximum"),
        Property<&Slider::SetLineStep, &Slider::LineStep>("LineStep"),
        Property<&Slider::SetPageStep, &Slider::PageStep>("PageStep"),
        Property<&Slider::SetLiveScroll, &Slider::LiveScroll>("LiveScroll"),
        Property<&Slider::SetTickStyle, &Slider::TickStyle>("TickStyle"),
    };
    static const std::string_view events[] = {"ValueChanged"};
    static const ClassRecord record{"Slider", &RectControl::ClassInfo(), properties, events};
    return record;
}

Slider::Slider() : RectControl(new QSlider(Qt::Horizontal))
{
    QSlider* slider = SliderOf(widget_);
    // Only the user's moves arrive here: sets from code block the signal and
    // raise the event themselves.
    QObject::connect(slider, &QSlider::valueChanged, slider, [this] { RaiseFromPlatform("ValueChanged"); });
    ApplyFocusPolicy();
}

std::int32_t Slider::Value() const { return SliderOf(widget_)->value(); }
std::int32_t Slider::Minimum() const { return SliderOf(widget_)->minimum(); }
std::int32_t Slider::Maximum() const { return SliderOf(widget_)->maximum(); }
std::int32_t Slider::LineStep() const { return SliderOf(widget_)->singleStep(); }
std::int32_t Slider::PageStep() const { return SliderOf(widget_)->pageStep(); }
bool Slider::LiveScroll() const { return SliderOf(widget_)->hasTracking(); }

void Slider::SetValue(std::int32_t value)
{
    QSlider* slider = SliderOf(widget_);
    {
        const QSignalBlocker quiet(slider);
        slider->setValue(std::clamp(value, slider->minimum(), std::max(slider->minimum(), slider->maximum())));
    }
    Raise("ValueChanged");
}

void Slider::SetMinimum(std::int32_t v)
{
    const QSignalBlocker quiet(widget_);
    SliderOf(widget_)->setMinimum(v);
}

void Slider::SetMaximum(std::int32_t v)
{
    const QSignalBlocker quiet(widget_);
    SliderOf(widget_)->setMaximum(v);
}

void Slider::SetLineStep(std::int32_t v) { SliderOf(widget_)->setSingleStep(v); }
void Slider::SetPageStep(std::int32_t v) { SliderOf(widget_)->setPageStep(v); }
void Slider::SetLiveScroll(bool v) { SliderOf(widget_)->setTracking(v); }

void Slider::SetTickStyle(std::int32_t v)
{
    tickStyle_ = v;
    static constexpr QSlider::TickPosition kTicks[] = {QSlider::NoTicks, QSlider::TicksBelow, QSlider::TicksAbove,
                                                       QSlider::TicksBothSides};
    SliderOf(widget_)->setTickPosition(v >= 0 && v < 4 ? kTicks[v] : QSlider::NoTicks);
}

// ---------------------------------------------------------------- BevelButton

const ClassRecord& BevelButton::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Field<&BevelButton::captionAlign_>("CaptionAlign"),
        Field<&BevelButton::captionPlacement_>("CaptionPlacement"),
        Field<&BevelButton::captionDelta_>("CaptionDelta"),
        Field<&BevelButton::iconAlign_>("IconAlign"),
        Field<&BevelButton::iconDX_>("IconDX"),
        Field<&BevelButton::iconDY_>("IconDY"),
        Field<&BevelButton::bevel_>("Bevel"),
        Field<&BevelButton::hasMenu_>("HasMenu"),
        Field<&BevelButton::menuValue_>("MenuValue"),
        Field<&BevelButton::buttonType_>("ButtonType"),
        Property<&BevelButton::SetHasBackColor, &BevelButton::HasBackColor>("HasBackColor"),
        Property<&BevelButton::SetValue, &BevelButton::Value>("Value"),
        Property<&BevelButton::SetAcceptFocus, &BevelButton::AcceptFocus>("AcceptFocus"),
        Property<&BevelButton::SetBold, &BevelButton::Bold>("Bold"),
        Property<&BevelButton::SetItalic, &BevelButton::Italic>("Italic"),
        Property<&BevelButton::SetUnderline, &BevelButton::Underline>("Underline"),
        Property<&BevelButton::SetBackColor, &BevelButton::BackColor>("BackColor"),
        Property<&BevelButton::SetTextColor, &BevelButton::TextColor>("TextColor"),
        Property<&BevelButton::SetCaption, &BevelButton::Caption>("Caption"),
        Property<&BevelButton::SetTextFont, &BevelButton::TextFont>("TextFont"),
    };
    static const std::string_view events[] = {"Action"};
    static const ClassRecord record{"BevelButton", &RectControl::ClassInfo(), properties, events};
    return record;
}

// The face behind the caption is the platform's: BackColor is kept, not drawn.
BevelButton::BevelButton() : TextControl(new BevelWidget(QPalette::ButtonText, QPalette::Button))
{
    auto* button = static_cast<QToolButton*>(widget_);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QObject::connect(button, &QToolButton::clicked, button, [this] { RaiseFromPlatform("Action"); });
    ApplyFocusPolicy();
}

std::string BevelButton::Caption() const
{
    return FromQ(static_cast<QToolButton*>(widget_)->text());
}

void BevelButton::SetCaption(std::string caption)
{
    auto* button = static_cast<QToolButton*>(widget_);
    button->setText(ToQ(caption));
    button->setToolButtonStyle(caption.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}

void BevelButton::SetIcon(std::shared_ptr<Picture> icon)
{
    icon_ = std::move(icon);
    auto* button = static_cast<QToolButton*>(widget_);
    if (icon_) {
        const QImage& image = icon_->Data().image;
        button->setIcon(QIcon(QPixmap::fromImage(image)));
        button->setIconSize(image.size());
    } else {
        button->setIcon(QIcon());
    }
}

void BevelButton::SetAcceptFocus(bool v)
{
    acceptFocus_ = v;
    ApplyFocusPolicy();
}

void BevelButton::SetTextColor(Color c)
{
    textColor_ = c;
    static_cast<BevelWidget*>(widget_)->SetTextColor(c);
}

void BevelButton::Push()
{
    static_cast<QToolButton*>(widget_)->click();
    ThrowIfPending();
}

void BevelButtonIconSet(BevelButton& button, std::shared_ptr<Picture> icon)
{
    button.SetIcon(std::move(icon));
}

void BevelButtonTextUnitSet(BevelButton& button, std::uint8_t unit)
{
    button.SetTextUnit(unit);
}

// ---------------------------------------------------------------- CheckBox

const ClassRecord& CheckBox::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Property<&CheckBox::SetState, &CheckBox::State>("State"),
        Property<&CheckBox::SetValue, &CheckBox::Value>("Value"),
        Property<&CheckBox::SetBold, &CheckBox::Bold>("Bold"),
        Property<&CheckBox::SetItalic, &CheckBox::Italic>("Italic"),
        Property<&CheckBox::SetUnderline, &CheckBox::Underline>("Underline"),
        Property<&CheckBox::SetCaption, &CheckBox::Caption>("Caption"),
        Property<&CheckBox::SetTextFont, &CheckBox::TextFont>("TextFont"),
        Field<&CheckBox::dataSource_>("DataSource"),
        Field<&CheckBox::dataField_>("DataField"),
    };
    static const std::string_view events[] = {"Action"};
    static const ClassRecord record{"CheckBox", &RectControl::ClassInfo(), properties, events};
    return record;
}

CheckBox::CheckBox() : TextControl(new QCheckBox)
{
    auto* box = static_cast<QCheckBox*>(widget_);
    // clicked comes from the user only; the value has changed by then.
    QObject::connect(box, &QCheckBox::clicked, box, [this] { RaiseFromPlatform("Action"); });
    ApplyFocusPolicy();
}

std::string CheckBox::Caption() const
{
    return FromQ(static_cast<QCheckBox*>(widget_)->text());
}

void CheckBox::SetCaption(std::string caption)
{
    static_cast<QCheckBox*>(widget_)->setText(ToQ(caption));
}

bool CheckBox::Value() const
{
    return static_cast<QCheckBox*>(widget_)->isChecked();
}

void CheckBox::SetValue(bool v)
{
    static_cast<QCheckBox*>(widget_)->setChecked(v);
}

std::int32_t CheckBox::State() const
{
    switch (static_cast<QCheckBox*>(widget_)->checkState()) {
    case Qt::PartiallyChecked: return 2;
    case Qt::Checked: return 1;
    default: return 0;
    }
}

void CheckBox::SetState(std::int32_t state)
{
    auto* box = static_cast<QCheckBox*>(widget_);
    box->setTristate(state == 2);
    box->setCheckState(state == 2 ? Qt::PartiallyChecked : (state == 1 ? Qt::Checked : Qt::Unchecked));
}

// ---------------------------------------------------------------- UpDownArrows

const ClassRecord& UpDownArrows::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Property<&UpDownArrows::SetAcceptFocus, &UpDownArrows::AcceptFocus>("AcceptFocus"),
    };
    static const std::string_view events[] = {"Up", "Down"};
    static const ClassRecord record{"UpDownArrows", &RectControl::ClassInfo(), properties, events};
    return record;
}

UpDownArrows::UpDownArrows() : RectControl(new ArrowsWidget)
{
    auto* arrows = static_cast<ArrowsWidget*>(widget_);
    // pressed repeats while the button is held.
    QObject::connect(arrows->up, &QToolButton::pressed, arrows, [this] { RaiseFromPlatform("Up"); });
    QObject::connect(arrows->down, &QToolButton::pressed, arrows, [this] { RaiseFromPlatform("Down"); });
    ApplyFocusPolicy();
}

void UpDownArrows::SetAcceptFocus(bool v)
{
    acceptFocus_ = v;
    ApplyFocusPolicy();
}

QWidget* UpDownArrows::UpButton() const
{
    return static_cast<ArrowsWidget*>(widget_)->up;
}

QWidget* UpDownArrows::DownButton() const
{
    return static_cast<ArrowsWidget*>(widget_)->down;
}

}  // namespace fw
