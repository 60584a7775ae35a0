#include "tools/showcase/Showcase.h"

#include <array>
#include <stdexcept>

#include "host/Label.h"
#include "host/PropertyBag.h"
#include "host/Resources.h"
#include "host/Twips.h"
#include "host/UserControlHost.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/SysColors.h"
#include "resources/Resources.h"

namespace showcase {
namespace {

using control::raReruri;
using host::PropertyValue;

struct StyleEntry {
    const char* name;  // the tooltip's title
    const char* what;  // its text
    int icon;
};

constexpr std::array<StyleEntry, Showcase::kStyleCount> kStyles{{
    {"RaisedEdge", "Bordo di sistema in rilievo", corvalmire::kResOpenIcon},
    {"ThinEdge", "Bordo sottile", corvalmire::kResConvertIcon},
    {"HoverEdge", "Il bordo compare al passaggio del mouse", corvalmire::kResExitIcon},
    {"EtchedFrame", "Cornice incisa", corvalmire::kResWindowIcon},
    {"TintedFlat", "Piatto, si colora al passaggio del mouse", corvalmire::kResOpenIcon},
    {"RoundedGradient", "Sfumatura con gli angoli smussati", corvalmire::kResConvertIcon},
    {"Themed", "Tema del sistema; senza tema ripiega sullo stile 5", corvalmire::kResExitIcon},
    {"BandedGradient", "Sfumatura a bande", corvalmire::kResWindowIcon},
    {"ShadowedRounded", "Arrotondato, con ombra", corvalmire::kResOpenIcon},
    {"SoftBevel", "Smusso morbido", corvalmire::kResConvertIcon},
    {"GlossyCapsule", "Capsula lucida", corvalmire::kResExitIcon},
}};

// Pixels; the form and its controls are laid out in twips.
constexpr int Twips(int pixels) { return pixels * host::kTwipsPerPixel; }
constexpr int kMargin = 12;
constexpr int kButtonWidth = 132;
constexpr int kButtonHeight = 34;
constexpr int kColumnStep = kButtonWidth + 12;
constexpr int kRowStep = kButtonHeight + 12;
constexpr int kGridTop = 36;
constexpr int kSwitchTop = 218;
constexpr int kAboutTop = 272;

// The custom colours: a warm face, a blue accent, dark brown and white text.
constexpr raReruri::Color kCustomBack = 0x99D6FF;
constexpr raReruri::Color kCustomHighlight = 0xD77800;
constexpr raReruri::Color kCustomFont = 0x00285A;
constexpr raReruri::Color kCustomFontHighlight = 0xFFFFFF;

// The other scheme: a cool blue-grey face with matching edges.
void UseOtherScheme() {
    const win32::INT indices[] = {win32::COLOR_BTNFACE,    win32::COLOR_BTNSHADOW, win32::COLOR_BTNHIGHLIGHT,
                                  win32::COLOR_3DDKSHADOW, win32::COLOR_3DLIGHT,   win32::COLOR_HIGHLIGHT};
    using win32::RGB;
    const win32::COLORREF colors[] = {RGB(196, 212, 228), RGB(96, 120, 150),  RGB(244, 248, 252),
                                      RGB(40, 56, 80),    RGB(214, 226, 238), RGB(160, 40, 90)};
    win32::SetSysColors(6, indices, colors);
}

host::Font ButtonFont(bool bold = false) {
    host::Font font;
    font.name = "Verdana";
    font.size = 8.25;
    font.bold = bold;
    return font;
}

host::PicturePtr Icon(int id) {
    const host::ResourceEntry* entry = host::FindResource(id, "ICON");
    return entry ? host::Picture::FromIconFile(entry->bytes) : nullptr;
}

// A push button in the program's own look, for the switches and About.
host::PropertyBag CommandBag(const std::string& caption) {
    host::PropertyBag bag;
    bag.WriteProperty("Style", PropertyValue::Long(5));
    bag.WriteProperty("Caption", PropertyValue::String(caption));
    bag.WriteProperty("Font", PropertyValue::Font(ButtonFont()));
    bag.WriteProperty("RoundedBordersByTheme", PropertyValue::Boolean(false));
    return bag;
}

// A switch: a push button that says what it will do next.
struct SwitchEntry {
    const char* name;
    const char* captionOff;
    const char* captionOn;
    const char* toolTip;
    void (*apply)(raReruri&, bool on);  // to each style button
};

const std::array<SwitchEntry, Showcase::kSwitchCount> kSwitches{{
    {"swDisabled", "Disattiva", "Riattiva", "Disattiva o riattiva i pulsanti degli stili",
     [](raReruri& b, bool on) { b.SetEnabled(!on); }},
    {"swToggle", "Modo interruttore", "Modo pulsante", "Ogni clic li lascia premuti o li rilascia",
     [](raReruri& b, bool on) {
         b.SetButtonType(on ? 1 : 0);
         if (!on) b.SetValue(false);
     }},
    {"swCustom", "Colori propri", "Colori di sistema", "Colori scelti dal programma o quelli del sistema",
     [](raReruri& b, bool on) { b.SetUseCustomColors(on); }},
    {"swScheme", "Cambia schema", "Schema classico", "Cambia i colori di sistema, come farebbe l'utente",
     nullptr},
}};

}  // namespace

Showcase::Showcase() {
    host::AddResources(corvalmire::EmbeddedResources());
    form_.name = "frmShowcase";
    form_.caption = "raReruri - vetrina degli stili";
    form_.clientWidth = Twips(2 * kMargin + 4 * kColumnStep - 12);
    form_.clientHeight = Twips(kAboutTop + kButtonHeight + kMargin);
    form_.font = ButtonFont();
    form_.iconId = corvalmire::kResWindowIcon;
    AddLabel("Gli undici stili: passa sopra col mouse, premi, usa Tab e Spazio.", kMargin, 12, 560);
    AddStyleButtons();
    AddLabel("Per tutti gli stili:", kMargin, kSwitchTop - 22, 300);
    AddSwitches();
    AddLabel("Informazioni apre la finestra About dell'ultimo stile scelto.", kMargin, kAboutTop + 10, 420);
    raReruri& about = Add("cmdAbout", kMargin + 3 * kColumnStep, kAboutTop, kButtonWidth, kButtonHeight,
                          "La finestra About del pulsante scelto", CommandBag("Informazioni"));
    about.Click.Connect([this] { Chosen().About(); });
}

Showcase::~Showcase() {
    // The other scheme is the showcase's own: the next window gets the classic one.
    win32::ResetSysColors();
}

raReruri& Showcase::Add(const std::string& name, int left, int top, int width, int height,
                        const std::string& toolTip, host::PropertyBag bag) {
    host::ControlSite site;
    site.name = name;
    site.left = Twips(left);
    site.top = Twips(top);
    site.width = Twips(width);
    site.height = Twips(height);
    site.tabIndex = nextTabIndex_++;
    site.toolTipText = toolTip;
    auto control = raReruri::Create(site);
    control->Load(bag);
    auto hosted = std::make_unique<host::UserControlHost>(
        "raReruri", host::UserControlInstance{control, &control->UserControl()});
    hosted->name = site.name;
    hosted->left = site.left;
    hosted->top = site.top;
    hosted->width = site.width;
    hosted->height = site.height;
    hosted->tabIndex = site.tabIndex;
    hosted->toolTipText = toolTip;
    hosted->font = form_.font;
    form_.Add(std::move(hosted));
    return *control;
}

void Showcase::AddStyleButtons() {
    for (int style = 0; style < kStyleCount; ++style) {
        const StyleEntry& entry = kStyles[static_cast<std::size_t>(style)];
        host::PropertyBag bag;
        bag.WriteProperty("Style", PropertyValue::Long(style));
        bag.WriteProperty("Caption", PropertyValue::String("Stile " + std::to_string(style)));
        bag.WriteProperty("Icon", PropertyValue::Picture(Icon(entry.icon)));
        bag.WriteProperty("Font", PropertyValue::Font(ButtonFont(true)));
        bag.WriteProperty("ToolTipText", PropertyValue::String(entry.what));
        bag.WriteProperty("Tooltiptitle", PropertyValue::String(entry.name));
        bag.WriteProperty("ToolTipIcon", PropertyValue::Long(1));
        bag.WriteProperty("ShowFocus", PropertyValue::Boolean(true));
        bag.WriteProperty("RoundedBordersByTheme", PropertyValue::Boolean(false));
        bag.WriteProperty("BackColor", PropertyValue::Long(kCustomBack));
        bag.WriteProperty("HighlightColor", PropertyValue::Long(kCustomHighlight));
        bag.WriteProperty("FontColor", PropertyValue::Long(kCustomFont));
        bag.WriteProperty("FontHighlightColor", PropertyValue::Long(kCustomFontHighlight));
        const int left = kMargin + (style % 4) * kColumnStep;
        const int top = kGridTop + (style / 4) * kRowStep;
        raReruri& button =
            Add("cmdStyle" + std::to_string(style), left, top, kButtonWidth, kButtonHeight, entry.what, bag);
        focus_.Watch(button.UserControl().hWnd());
        styleButtons_.push_back(&button);
    }
}

void Showcase::AddSwitches() {
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        const SwitchEntry& entry = kSwitches[i];
        raReruri& button = Add(entry.name, kMargin + static_cast<int>(i) * kColumnStep, kSwitchTop,
                               kButtonWidth, kButtonHeight, entry.toolTip, CommandBag(entry.captionOff));
        // The switch's state lives here: an event raises copies of its handlers.
        button.Click.Connect([this, &button, &entry, i] {
            const bool on = switchOn_[i] = !switchOn_[i];
            button.SetCaption(on ? entry.captionOn : entry.captionOff);
            if (!entry.apply) {
                on ? UseOtherScheme() : win32::ResetSysColors();
                return;
            }
            for (raReruri* style : styleButtons_) entry.apply(*style, on);
        });
    }
}

void Showcase::AddLabel(const std::string& caption, int left, int top, int width) {
    auto label = std::make_unique<host::Label>();
    label->name = "lbl" + std::to_string(nextTabIndex_);
    label->SetCaption(caption);
    label->left = Twips(left);
    label->top = Twips(top);
    label->width = Twips(width);
    label->height = Twips(16);
    label->tabIndex = nextTabIndex_++;
    label->font = form_.font;
    label->backColor = host::SystemColor(win32::COLOR_BTNFACE);
    label->foreColor = host::SystemColor(win32::COLOR_BTNTEXT);
    label->backStyle = host::BackStyle::Transparent;
    form_.Add(std::move(label));
}

raReruri& Showcase::StyleButton(int style) const {
    return *styleButtons_.at(static_cast<std::size_t>(style));
}

raReruri& Showcase::Switch(const std::string& name) const { return raReruri::OnForm(form_, name); }

raReruri& Showcase::AboutButton() const { return raReruri::OnForm(form_, "cmdAbout"); }

raReruri& Showcase::Chosen() const {
    for (raReruri* button : styleButtons_)
        if (button->UserControl().hWnd() == focus_.Last()) return *button;
    return *styleButtons_.front();
}

}  // namespace showcase
