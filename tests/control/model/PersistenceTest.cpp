// Saving and loading raReruri's settings through the property bag.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "control/raReruri.h"
#include "control/raReruriPersistence.h"
#include "host/PropertyBag.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/SysColors.h"

namespace control {
namespace {

using host::PropertyBag;
using host::PropertyValue;

std::shared_ptr<raReruri> MakeControl(const char* name = "cmdTest") {
    host::ControlSite site;
    site.name = name;
    site.width = 107 * 15;
    site.height = 27 * 15;
    return raReruri::Create(site);
}

// Every persisted property set to something that is no default.
void SetEverything(raReruri& c) {
    c.SetIcon(host::Picture::Empty());
    c.SetStyle(9);
    c.SetCaption("Converti");
    c.SetIconSize(24);
    c.SetIconAlign(2);
    c.SetCaptionAlign(4);
    c.SetNonThemeStyle(7);
    c.SetEnabled(false);
    c.SetShowFocus(true);
    c.SetUseCustomColors(true);
    c.SetBackColor(0x102030);
    c.SetHighlightColor(0x405060);
    c.SetFontColor(0x708090);
    c.SetFontHighlightColor(0x0A0B0C);
    c.UserControl().Extender().SetToolTipText("Avvia la Conversione");
    c.SetToolTipText("Avvia la Conversione");
    c.SetToolTipTitle("Titolo");
    c.SetToolTipIcon(2);
    c.SetToolTipType(0);
    c.SetToolTipBackColor(0x111111);
    c.SetToolTipForeColor(0x222222);
    host::Font font;
    font.name = "Courier New";
    font.size = 12;
    font.bold = true;
    c.SetFont(font);
    c.SetButtonType(1);
    c.SetValue(true);
    c.SetMaskColor(0x00FF00);
    c.SetUseMaskColor(true);
    c.SetMousePointer(11);
    c.SetRoundedBordersByTheme(false);
    c.SetRightToLeft(true);
}

const std::vector<std::string> kSaveOrder = {"Icon",
                                             "Style",
                                             "Caption",
                                             "IconSize",
                                             "IconAlign",
                                             "CaptionAlign",
                                             "iNonThemeStyle",
                                             "Enabled",
                                             "ShowFocus",
                                             "USeCustomColors",
                                             "BackColor",
                                             "HighlightColor",
                                             "FontColor",
                                             "FontHighlightColor",
                                             "ToolTipText",
                                             "ToolTipTitle",
                                             "ToolTipIcon",
                                             "ToolTipType",
                                             "ttBackColor",
                                             "ttForeColor",
                                             "Font",
                                             "ButtonType",
                                             "Value",
                                             "MaskColor",
                                             "UseMaskColor",
                                             "MousePointer",
                                             "RoundedBordersByTheme",
                                             "bRTLText"};

class PersistenceTest : public ::testing::Test {
protected:
    void TearDown() override { win32::ResetSysColors(); }
};

TEST_F(PersistenceTest, EmptyBagLoadsTheLoadingDefaults) {
    auto c = MakeControl();
    c->Load(PropertyBag());
    EXPECT_EQ(c->Style(), 3);
    EXPECT_EQ(c->Caption(), "raReruri");
    EXPECT_EQ(c->IconSize(), 16);
    EXPECT_EQ(c->IconAlign(), 1);
    EXPECT_EQ(c->CaptionAlign(), 0);
    EXPECT_EQ(c->NonThemeStyle(), 5);
    EXPECT_TRUE(c->Enabled());
    EXPECT_EQ(c->ToolTipType(), 1);
    EXPECT_EQ(c->MaskColor(), 0xC0C0C0);
    EXPECT_TRUE(c->RoundedBordersByTheme());
    EXPECT_EQ(c->Icon(), nullptr);
    EXPECT_EQ(c->BackColor(), static_cast<std::int32_t>(win32::GetSysColor(win32::COLOR_BTNFACE)));
    EXPECT_EQ(c->HighlightColor(), static_cast<std::int32_t>(win32::GetSysColor(win32::COLOR_HIGHLIGHT)));
    EXPECT_EQ(c->ToolTipBackColor(), static_cast<std::int32_t>(win32::GetSysColor(win32::COLOR_INFOTEXT)));
    EXPECT_EQ(c->ToolTipForeColor(), static_cast<std::int32_t>(win32::GetSysColor(win32::COLOR_INFOBK)));
    EXPECT_EQ(c->Font().name, "Verdana");
    EXPECT_EQ(c->CurrentState(), ButtonState::Normal);
    // The layout ran at the end of loading.
    EXPECT_EQ(c->ClientRect(), (win32::RECT{0, 0, 107, 27}));
}

// A missing key yields its loading default, whatever the member held before;
// every one of the 29 reads, from the loading table.
TEST_F(PersistenceTest, EmptyBagSetsEveryReadToItsDefault) {
    auto c = MakeControl();
    c->InitNew();
    SetEverything(*c);
    const host::Font surfaceFont = c->Font();
    c->Load(PropertyBag());
    const auto sys = [](int index) {
        return PropertyValue::Long(static_cast<std::int32_t>(win32::GetSysColor(index)));
    };
    const std::map<std::string_view, PropertyValue> defaults = {
        {"Icon", PropertyValue::Picture(nullptr)},
        {"Style", PropertyValue::Long(3)},
        {"Caption", PropertyValue::String("raReruri")},
        {"IconSize", PropertyValue::Long(16)},
        {"CaptionAlign", PropertyValue::Long(0)},
        {"IconAlign", PropertyValue::Long(1)},
        {"NonThemeStyle", PropertyValue::Long(5)},
        {"Enabled", PropertyValue::Boolean(true)},
        {"ShowFocus", PropertyValue::Boolean(false)},
        {"UseCustomColors", PropertyValue::Boolean(false)},
        {"BackColor", sys(win32::COLOR_BTNFACE)},
        {"HighlightColor", sys(win32::COLOR_HIGHLIGHT)},
        {"FontColor", sys(win32::COLOR_BTNTEXT)},
        {"FontHighlightColor", sys(win32::COLOR_BTNTEXT)},
        {"Extender.ToolTipText", PropertyValue::String("Avvia la Conversione")},  // the control's own text
        {"ToolTipText", PropertyValue::String("")},
        {"ToolTipTitle", PropertyValue::String("")},
        {"ToolTipIcon", PropertyValue::Long(0)},
        {"ToolTipType", PropertyValue::Long(1)},
        {"ToolTipBackColor", sys(win32::COLOR_INFOTEXT)},
        {"ToolTipForeColor", sys(win32::COLOR_INFOBK)},
        {"Font", PropertyValue::Font(surfaceFont)},
        {"ButtonType", PropertyValue::Long(0)},
        {"Value", PropertyValue::Boolean(false)},
        {"UseMaskColor", PropertyValue::Boolean(false)},
        {"MaskColor", PropertyValue::Long(0xC0C0C0)},
        {"MousePointer", PropertyValue::Long(0)},
        {"RoundedBordersByTheme", PropertyValue::Boolean(true)},
        {"RightToLeft", PropertyValue::Boolean(false)},
    };
    for (const PersistedProperty& row : PersistedProperties::Rows()) {
        SCOPED_TRACE(std::string(row.name));
        ASSERT_TRUE(defaults.contains(row.name));
        EXPECT_TRUE(row.value(*c) == defaults.at(row.name));
    }
}

TEST_F(PersistenceTest, NewInstanceStartsWithTheInitialValues) {
    auto c = MakeControl("cmdOpen");
    c->InitNew();
    EXPECT_EQ(c->Style(), 0);
    EXPECT_EQ(c->Caption(), "cmdOpen");
    EXPECT_EQ(c->IconSize(), 16);
    ASSERT_NE(c->Icon(), nullptr);
    EXPECT_EQ(c->Icon()->Handle(), 0);
    EXPECT_EQ(c->CaptionFormat(), 17);
    EXPECT_EQ(c->ContentMargin(), 4);
    EXPECT_EQ(c->IconAlign(), 1);
    EXPECT_EQ(c->ToolTipType(), 1);
    EXPECT_EQ(c->FontColor(), static_cast<std::int32_t>(win32::GetSysColor(win32::COLOR_BTNTEXT)));
    EXPECT_FALSE(c->RoundedBordersByTheme());
    EXPECT_EQ(c->MaskColor(), 0);
}

// Which keys an untouched new instance stores depends on two system colours:
// the tooltip colour keys default to them.
TEST_F(PersistenceTest, UntouchedNewInstanceStoresExactlyTheDifferingKeys) {
    struct Case {
        const char* scheme;
        win32::COLORREF infoText, infoBackground;
        std::vector<std::string> keys;
    };
    const std::vector<Case> cases = {
        {"classic",
         0x000000,
         0xE1FFFF,
         {"Icon", "Style", "Caption", "iNonThemeStyle", "ToolTipText", "ToolTipTitle", "ToolTipIcon",
          "ToolTipType", "ttForeColor", "Font", "MaskColor", "RoundedBordersByTheme"}},
        {"black info background",
         0x000000,
         0x000000,
         {"Icon", "Style", "Caption", "iNonThemeStyle", "ToolTipText", "ToolTipTitle", "ToolTipIcon",
          "ToolTipType", "Font", "MaskColor", "RoundedBordersByTheme"}},
        {"coloured info text",
         0x00FF00,
         0xE1FFFF,
         {"Icon", "Style", "Caption", "iNonThemeStyle", "ToolTipText", "ToolTipTitle", "ToolTipIcon",
          "ToolTipType", "ttBackColor", "ttForeColor", "Font", "MaskColor", "RoundedBordersByTheme"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.scheme);
        const win32::INT indices[] = {win32::COLOR_INFOTEXT, win32::COLOR_INFOBK};
        const win32::COLORREF colors[] = {test.infoText, test.infoBackground};
        win32::SetSysColors(2, indices, colors);
        auto c = MakeControl();
        c->InitNew();
        PropertyBag bag;
        c->Save(bag);
        EXPECT_EQ(bag.Keys(), test.keys);
        EXPECT_EQ(bag.ReadProperty("Style").AsLong(), 0);
        EXPECT_EQ(bag.ReadProperty("Caption").AsString(), "cmdTest");
    }
}

TEST_F(PersistenceTest, FullySetInstanceStoresAllKeysInSaveOrderAndRoundTrips) {
    auto original = MakeControl();
    original->InitNew();
    SetEverything(*original);
    PropertyBag bag;
    original->Save(bag);
    ASSERT_EQ(bag.Keys(), kSaveOrder);
    EXPECT_EQ(bag.ReadProperty("bRTLText").GetType(), PropertyValue::Type::Long);
    EXPECT_EQ(bag.ReadProperty("MousePointer").GetType(), PropertyValue::Type::Integer);

    auto copy = MakeControl();
    copy->Load(bag);
    for (const PersistedProperty& row : PersistedProperties::Rows()) {
        SCOPED_TRACE(std::string(row.name));
        EXPECT_TRUE(row.value(*copy) == row.value(*original));
    }
    EXPECT_EQ(copy->Style(), 9);
    EXPECT_EQ(copy->Font().name, "Courier New");
    EXPECT_EQ(copy->MousePointer(), 11);
    EXPECT_EQ(copy->ToolTipText(), "Avvia la Conversione");
    EXPECT_EQ(copy->UserControl().Extender().ToolTipText(), "Avvia la Conversione");
}

// For each key in loading order: a wrongly typed value there ends the
// loading. Members read before it keep the loaded values, the rest keep what
// they had, and the layout is skipped.
TEST_F(PersistenceTest, WronglyTypedValueEndsLoadingAtItsKey) {
    auto source = MakeControl();
    source->InitNew();
    SetEverything(*source);
    PropertyBag full;
    source->Save(full);

    const auto& rows = PersistedProperties::Rows();
    for (std::size_t bad = 0; bad < rows.size(); ++bad) {
        if (bad > 0 && rows[bad].loadKey == rows[bad - 1].loadKey) continue;  // the same key, failed above
        SCOPED_TRACE(std::string(rows[bad].name));
        PropertyBag bag = full;
        const bool textual = rows[bad].value(*source).GetType() == PropertyValue::Type::String;
        bag.WriteProperty(rows[bad].loadKey, textual ? PropertyValue::Font({}) : PropertyValue::String("x"));

        auto target = MakeControl("cmdTarget");
        target->InitNew();
        std::vector<PropertyValue> before;
        for (const auto& row : rows) before.push_back(row.value(*target));
        target->Load(bag);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(std::string(rows[i].name));
            const PropertyValue expected = i < bad ? rows[i].value(*source) : before[i];
            EXPECT_TRUE(rows[i].value(*target) == expected);
        }
        EXPECT_EQ(target->ClientRect(), (win32::RECT{0, 0, 0, 0}));
    }
}

TEST_F(PersistenceTest, KeysMatchWithoutRegardToCase) {
    PropertyBag bag;
    bag.WriteProperty("STYLE", PropertyValue::Long(7));
    bag.WriteProperty("caption", PropertyValue::String("Esci"));
    bag.WriteProperty("TOOLTIPTITLE", PropertyValue::String("Titolo"));
    bag.WriteProperty("brtltext", PropertyValue::Long(-1));
    auto c = MakeControl();
    c->Load(bag);
    EXPECT_EQ(c->Style(), 7);
    EXPECT_EQ(c->Caption(), "Esci");
    EXPECT_EQ(c->ToolTipTitle(), "Titolo");
    EXPECT_TRUE(c->RightToLeft());
}

TEST_F(PersistenceTest, SavedDefaultsAreNotStoredAndLoadBack) {
    auto c = MakeControl();
    c->InitNew();
    c->SetStyle(3);
    c->SetCaption("");
    PropertyBag bag;
    c->Save(bag);
    EXPECT_FALSE(bag.Contains("Style"));
    EXPECT_FALSE(bag.Contains("Caption"));
    auto copy = MakeControl();
    copy->Load(bag);
    EXPECT_EQ(copy->Style(), 3);
    EXPECT_EQ(copy->Caption(), "raReruri");
}

TEST_F(PersistenceTest, LoadedDisabledButtonDisablesItsWindow) {
    PropertyBag bag;
    bag.WriteProperty("Enabled", PropertyValue::Boolean(false));
    auto c = MakeControl();
    c->Load(bag);
    EXPECT_FALSE(c->Enabled());
    EXPECT_FALSE(c->UserControl().Enabled());
}

}  // namespace
}  // namespace control
