// The property bag: typed values, conversions, defaults, key case and the
// form description's JSON form.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/PropertyBag.h"
#include "host/PropertyBagJson.h"
#include "host/RuntimeError.h"

namespace host {
namespace {

using V = PropertyValue;

int ErrorOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(PropertyValueTest, ConvertsLikeTheRuntimeAndFailsOtherwise) {
    struct Case {
        const char* what;
        std::function<void()> read;
        int error;
    };
    const std::vector<Case> cases = {
        {"Integer as Long", [] { EXPECT_EQ(V::Integer(-5).AsLong(), -5); }, 0},
        {"Long in range as Integer", [] { EXPECT_EQ(V::Long(32767).AsInteger(), 32767); }, 0},
        {"Long out of range as Integer", [] { (void)V::Long(32768).AsInteger(); }, V::kOverflow},
        {"True as Long", [] { EXPECT_EQ(V::Boolean(true).AsLong(), -1); }, 0},
        {"number as Boolean", [] { EXPECT_TRUE(V::Long(2).AsBoolean()); }, 0},
        {"text True as Boolean", [] { EXPECT_TRUE(V::String("true").AsBoolean()); }, 0},
        {"numeric text as Long", [] { EXPECT_EQ(V::String(" 42 ").AsLong(), 42); }, 0},
        {"Long as String", [] { EXPECT_EQ(V::Long(-7).AsString(), "-7"); }, 0},
        {"Boolean as String", [] { EXPECT_EQ(V::Boolean(false).AsString(), "False"); }, 0},
        {"text as Long", [] { (void)V::String("abc").AsLong(); }, V::kTypeMismatch},
        {"text as Boolean", [] { (void)V::String("yes").AsBoolean(); }, V::kTypeMismatch},
        {"font as String", [] { (void)V::Font({}).AsString(); }, V::kTypeMismatch},
        {"picture as Long", [] { (void)V::Picture(nullptr).AsLong(); }, V::kTypeMismatch},
        {"Long as picture", [] { (void)V::Long(0).AsPicture(); }, V::kTypeMismatch},
        {"text as font", [] { (void)V::String("Verdana").AsFont(); }, V::kTypeMismatch},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        EXPECT_EQ(ErrorOf(test.read), test.error);
    }
}

TEST(PropertyValueTest, NumbersCompareByValueAcrossWidths) {
    EXPECT_TRUE(V::Long(3) == V::Integer(3));
    EXPECT_TRUE(V::Boolean(true) == V::Long(-1));
    EXPECT_FALSE(V::String("3") == V::Long(3));
    const PicturePtr picture = Picture::Empty();
    EXPECT_TRUE(V::Picture(picture) == V::Picture(picture));
    EXPECT_FALSE(V::Picture(picture) == V::Picture(Picture::Empty()));
}

TEST(PropertyBagTest, StoresOnlyWhatDiffersFromTheDefault) {
    PropertyBag bag;
    bag.WriteProperty("Style", V::Long(3), V::Integer(3));
    bag.WriteProperty("Caption", V::String("Apri"), V::String(""));
    bag.WriteProperty("ToolTipText", V::String(""));  // no default: always stored
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"Caption", "ToolTipText"}));
    // Writing the default again drops an older entry.
    bag.WriteProperty("caption", V::String(""), V::String(""));
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"ToolTipText"}));
}

TEST(PropertyBagTest, ReadsMatchKeysWithoutRegardToCaseAndFallBackToTheDefault) {
    PropertyBag bag;
    bag.WriteProperty("USeCustomColors", V::Boolean(true));
    EXPECT_TRUE(bag.ReadProperty("usecustomcolors", V::Boolean(false)).AsBoolean());
    EXPECT_EQ(bag.ReadProperty("Missing", V::Long(9)).AsLong(), 9);
    EXPECT_TRUE(bag.ReadProperty("Missing").IsEmpty());
    bag.WriteProperty("USECUSTOMCOLORS", V::Boolean(false));
    EXPECT_EQ(bag.Count(), 1u);
    EXPECT_EQ(bag.Keys().front(), "USeCustomColors");
}

TEST(PropertyBagJsonTest, ReadsEveryTypedForm) {
    const auto doc = nlohmann::json::parse(R"({
        "Style": 5, "Enabled": false, "Caption": "Apri",
        "IconSize": {"Integer": 16}, "MaskColor": {"Long": "0xC0C0C0"},
        "Font": {"Font": {"name": "Verdana", "size": 8.25, "bold": true}},
        "Icon": {"Picture": "open.bmp"}, "Nothing": {"Picture": null}, "Blank": {"Picture": ""},
        "PlainFont": {"name": "Courier New", "size": 9}, "Resource": {"resource": ["ICON", 102]}
    })");
    int loads = 0;
    const PropertyBag bag = PropertyBagFromJson(doc, [&](const std::string& name) {
        ++loads;
        EXPECT_TRUE(name == "open.bmp" || name == "ICON/102") << name;
        return Picture::Empty();
    });
    EXPECT_EQ(bag.ReadProperty("Style").GetType(), V::Type::Long);
    EXPECT_EQ(bag.ReadProperty("Style").AsLong(), 5);
    EXPECT_FALSE(bag.ReadProperty("Enabled").AsBoolean());
    EXPECT_EQ(bag.ReadProperty("Caption").AsString(), "Apri");
    EXPECT_EQ(bag.ReadProperty("IconSize").GetType(), V::Type::Integer);
    EXPECT_EQ(bag.ReadProperty("MaskColor").AsLong(), 0xC0C0C0);
    EXPECT_TRUE(bag.ReadProperty("Font").AsFont().bold);
    EXPECT_EQ(bag.ReadProperty("Font").AsFont().size, 8.25);
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(bag.ReadProperty("PlainFont").AsFont().name, "Courier New");
    EXPECT_EQ(bag.ReadProperty("Resource").AsPicture()->Source(), "ICON/102");
    EXPECT_EQ(bag.ReadProperty("Icon").AsPicture()->Source(), "open.bmp");
    EXPECT_EQ(bag.ReadProperty("Nothing").AsPicture(), nullptr);
    EXPECT_EQ(bag.ReadProperty("Blank").AsPicture()->Handle(), 0);
}

TEST(PropertyBagJsonTest, RejectsWhatIsNoTypedValueNamingTheKey) {
    for (const char* text : {R"({"Style": 1.5})", R"({"Style": [1]})", R"({"Style": {"Double": 1}})",
                             R"({"Icon": {"Picture": "x.ico"}})"}) {
        SCOPED_TRACE(text);
        try {
            PropertyBagFromJson(nlohmann::json::parse(text));
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find('"'), std::string::npos);
        }
    }
}

TEST(PropertyBagJsonTest, NumbersThatDoNotFitAreRefusedNotCut) {
    for (const char* text : {R"({"IconSize": {"Integer": 70000}})", R"({"IconSize": {"Integer": -32769}})",
                             R"({"Style": 5000000000})", R"({"Style": 18446744073709551615})",
                             R"({"MaskColor": {"Long": "0x1FFFFFFFF"}})",
                             R"({"MaskColor": {"Long": "12abc"}})", R"({"MaskColor": {"Long": 1.5}})"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(PropertyBagFromJson(nlohmann::json::parse(text)), std::runtime_error);
    }
    const PropertyBag bag = PropertyBagFromJson(nlohmann::json::parse(
        R"({"A": {"Integer": -32768}, "B": {"Long": "0x8000000F"}, "C": 2147483663, "D": {"Long": "-1"}})"));
    EXPECT_EQ(bag.ReadProperty("A").AsInteger(), -32768);
    EXPECT_EQ(bag.ReadProperty("B").AsLong(), static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(bag.ReadProperty("C").AsLong(), static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(bag.ReadProperty("D").AsLong(), -1);
}

TEST(PropertyBagJsonTest, WritesWhatItReads) {
    PropertyBag bag;
    bag.WriteProperty("IconSize", V::Integer(24));
    bag.WriteProperty("Style", V::Long(9));
    bag.WriteProperty("Value", V::Boolean(true));
    bag.WriteProperty("Caption", V::String("Esci"));
    Font font;
    font.name = "Courier New";
    bag.WriteProperty("Font", V::Font(font));
    bag.WriteProperty("Icon", V::Picture(nullptr));
    const PropertyBag back = PropertyBagFromJson(PropertyBagToJson(bag));
    EXPECT_EQ(back.Count(), bag.Count());
    for (const std::string& key : bag.Keys()) {
        SCOPED_TRACE(key);
        EXPECT_EQ(back.Find(key)->GetType(), bag.Find(key)->GetType());
        EXPECT_TRUE(*back.Find(key) == *bag.Find(key) || key == "Icon");
    }
    EXPECT_EQ(back.ReadProperty("Icon").AsPicture(), nullptr);
}

}  // namespace
}  // namespace host
