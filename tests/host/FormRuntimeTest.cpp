#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/Form.h"
#include "host/FormDescription.h"
#include "host/Label.h"
#include "host/Resources.h"
#include "host/TextBox.h"
#include "host/Twips.h"
#include "host/UserControlHost.h"
#include "resources/Resources.h"

namespace {

// Records what a text box tells its view.
struct RecordingView : host::ControlView {
    std::vector<std::string> calls;
    void TextReplaced() override { calls.push_back("replaced"); }
    void TextAppended(std::string_view chunk) override { calls.push_back("appended:" + std::string(chunk)); }
    void SelStartChanged() override { calls.push_back("selstart"); }
};

TEST(TextBox, AppendNotifiesOnlyTheChunkAndRaisesChange) {
    host::TextBox box;
    RecordingView view;
    box.SetView(&view);
    int changes = 0;
    box.Change.Connect([&] { ++changes; });

    box.SetText("ab");
    box.AppendText("cd");
    box.AppendText("");   // nothing to add: no change
    box.SetText("abcd");  // same text: no change
    box.SetSelStart(99);

    EXPECT_EQ(box.Text(), "abcd");
    EXPECT_EQ(box.SelStart(), 4u);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"replaced", "appended:cd", "selstart"}));
}

// 15 twips to a pixel, to the nearest pixel (an integer count of twips is
// never exactly half-way).
TEST(Twips, BecomeTheNearestPixel) {
    const struct {
        int twips, pixels;
    } rows[] = {{0, 0}, {7, 0}, {8, 1}, {22, 1}, {23, 2}, {1605, 107}, {-7, 0}, {-8, -1}};
    for (const auto& row : rows) EXPECT_EQ(host::TwipsToPixels(row.twips), row.pixels) << row.twips;
}

TEST(Form, LoadsOnceAndQueryUnloadCanKeepItOpen) {
    host::Form form;
    std::vector<std::string> events;
    bool keepOpen = true;
    form.Load.Connect([&] { events.push_back("load"); });
    form.QueryUnload.Connect([&](bool& cancel, host::UnloadMode mode) {
        events.push_back("query:" + std::to_string(static_cast<int>(mode)));
        cancel = keepOpen;
    });
    form.Unloaded.Connect([&] { events.push_back("unloaded"); });

    form.Show();
    form.Show();
    EXPECT_FALSE(form.Unload(host::UnloadMode::FormControlMenu));
    EXPECT_TRUE(form.Loaded());
    keepOpen = false;
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(form.Shown());
    EXPECT_EQ(events, (std::vector<std::string>{"load", "query:0", "query:1", "unloaded"}));
}

// Stands in for the button kind, which lives above the form runtime: keeps
// the saved settings the description hands it.
struct PlacedControl : host::UserControlEvents {
    explicit PlacedControl(const host::ControlSite& site) : surface(site, host::Font{}) {}
    host::UserControl surface;
};

TEST(FormDescription, MainWindowDescriptionGivesItsControls) {
    std::map<std::string, host::PropertyBag> settings;
    host::RegisterUserControlKind("raReruri",
                                  [&](const host::ControlSite& site, const host::PropertyBag& bag) {
                                      settings[site.name] = bag;
                                      auto placed = std::make_shared<PlacedControl>(site);
                                      return host::UserControlInstance{placed, &placed->surface};
                                  });
    host::AddResources(corvalmire::EmbeddedResources());
    const auto bytes = host::LoadResData(corvalmire::kResMainForm, "form");
    host::Form form;
    host::LoadFormDescription(form, std::string(bytes.begin(), bytes.end()));

    EXPECT_EQ(form.caption, "Corvalmire (MADE::BY::SKARNHOLT)");
    EXPECT_EQ(form.clientWidth, 5595);
    EXPECT_EQ(form.clientHeight, 2625);
    EXPECT_EQ(form.Controls().size(), 13u);

    const auto& outputs = form.TextBoxNamed("txtOutputs");
    EXPECT_TRUE(outputs.multiLine);
    EXPECT_EQ(outputs.scrollBars, host::ScrollBars::Vertical);
    EXPECT_EQ(outputs.backColor, 0x00000000u);
    EXPECT_EQ(outputs.foreColor, 0x00FFFFFFu);
    EXPECT_EQ(outputs.font.name, "Courier New");
    EXPECT_EQ(form.FirstInTabOrder(), &outputs);

    const auto& shadow = form.LabelNamed("lblCopyRight", 1);
    const auto& light = form.LabelNamed("lblCopyRight", 0);
    EXPECT_EQ(light.left - shadow.left, 15);
    EXPECT_EQ(light.top - shadow.top, 15);
    EXPECT_EQ(shadow.foreColor, 0x80000010u);
    EXPECT_EQ(light.foreColor, 0x80000014u);
    EXPECT_EQ(shadow.backStyle, host::BackStyle::Transparent);

    const auto& link = form.LabelNamed("lblEmail");
    EXPECT_TRUE(link.font.underline);
    EXPECT_DOUBLE_EQ(link.font.size, 6.75);
    EXPECT_EQ(link.toolTipText, "scrivi una mail");
    EXPECT_EQ(link.mouseIcon, corvalmire::kResLinkCursor);

    const auto& execute = dynamic_cast<const host::UserControlHost&>(*form.Find("cmdExecute"));
    const host::PropertyBag& saved = settings.at("cmdExecute");
    EXPECT_EQ(execute.KindName(), "raReruri");
    EXPECT_EQ(saved.ReadProperty("Caption").AsString(), "Converti");
    EXPECT_TRUE(execute.font.bold);
    EXPECT_EQ(saved.ReadProperty("ToolTipIcon").AsLong(), 2);
    EXPECT_EQ(saved.ReadProperty("Style").AsLong(), 5);
    EXPECT_EQ(execute.toolTipText, "Avvia la Conversione");
}

// A form holding one control described by `entry`.
std::string OneControl(const std::string& entry) {
    return R"({"form": {"name": "f", "clientSize": [1, 2]}, "controls": [)" + entry + "]}";
}

TEST(FormDescription, BrokenDescriptionsNameWhatIsWrong) {
    const std::string deep = std::string(60000, '[') + std::string(60000, ']');
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{", "form description"},
        {OneControl(R"({"kind": "Gizmo", "name": "g"})"), "Gizmo"},
        {OneControl(R"({"kind": "Label", "name": "l1"})"), "l1"},
        // Values no conversion may see: each error names its key.
        {OneControl(R"({"kind": "Label", "name": "l", "rect": [1, 2, 3, 4], "foreColor": "black"})"),
         "\"foreColor\": \"black\" is not a whole number"},
        {OneControl(R"({"kind": "Label", "name": "l", "rect": [1, 1e30, 3, 4]})"), "\"rect[1]\""},
        {OneControl(R"({"kind": "Label", "name": "l", "rect": [1, 2, 3, 4], "tabIndex": 1e30})"),
         "\"tabIndex\""},
        {OneControl(R"({"kind": "Label", "name": "l", "rect": [1, 2, 3, 4], "font": {"size": 1e30}})"),
         "\"size\""},
        {OneControl(R"({"kind": "TextBox", "name": "t", "rect": [1, 2, 3, 4], "scrollBars": 9})"),
         "\"scrollBars\""},
        {R"({"form": {"name": "f", "clientSize": [5000000000, 2]}, "controls": []})", "\"clientSize[0]\""},
        {OneControl(R"({"kind": "raReruri", "name": "b", "rect": [1, 2, 3, 4], "settings": {"deep": )" +
                    deep + "}}"),
         "\"deep\": nested deeper than 32 levels"},
    };
    for (const auto& [text, expected] : cases) {
        host::Form form;
        try {
            host::LoadFormDescription(form, text);
            ADD_FAILURE() << text;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
        }
    }
}

}  // namespace
