#include "tools/render/Gallery.h"

#include <array>
#include <string>
#include <vector>

#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/user/User32.h"
#include "tools/render/ButtonShot.h"
#include "tools/render/GalleryPictures.h"

namespace render_tool {
namespace {

constexpr int kButtonW = 107, kButtonH = 27;
constexpr int kLabelW = 170, kHeaderH = 28, kCellW = kButtonW + 16, kCellH = kButtonH + 12;
constexpr win32::COLORREF kSheet = 0xFFFFFF;
constexpr win32::COLORREF kInk = 0x404040;

struct Column {
    const char* label;
    PointerState pointer;
    bool focus, enabled;
};
constexpr std::array<Column, 5> kColumns{{
    {"normal", PointerState::Normal, false, true},
    {"focus", PointerState::Normal, true, true},
    {"hot", PointerState::Hot, false, true},
    {"pressed", PointerState::Pressed, false, true},
    {"disabled", PointerState::Normal, false, false},
}};

constexpr std::array<const char*, 11> kStyleNames{"0 RaisedEdge",  "1 ThinEdge",       "2 HoverEdge",
                                                  "3 EtchedFrame", "4 TintedFlat",     "5 RoundedGradient",
                                                  "6 Themed",      "7 BandedGradient", "8 ShadowedRounded",
                                                  "9 SoftBevel",   "10 GlossyCapsule"};

void Label(win32::HDC dc, const char* text, win32::RECT box, win32::UINT format) {
    win32::DrawTextA(dc, text, -1, &box, format | win32::DT_VCENTER | win32::DT_SINGLELINE);
}

// One row of the sheet: a style with a picture, drawn through the mask
// colour (silver) or not.
struct Row {
    std::string label;
    int style;
    host::PicturePtr picture;
    bool useMaskColor = false;
};

// Every style with the program's icon, then the pictures with and without
// a mask colour.
std::vector<Row> Rows() {
    const host::PicturePtr icon = ConvertIcon(), onSilver = ConvertBitmapOnSilver();
    std::vector<Row> rows;
    for (size_t s = 0; s < kStyleNames.size(); ++s)
        rows.push_back({kStyleNames[s], static_cast<int>(s), icon});
    rows.push_back({"5 icon, mask colour", 5, icon, true});
    rows.push_back({"5 bitmap on silver", 5, onSilver});
    rows.push_back({"5 bitmap, mask colour", 5, onSilver, true});
    rows.push_back({"5 icon with alpha", 5, SoftDiscIcon()});
    rows.push_back({"4 bitmap, mask colour", 4, onSilver, true});
    return rows;
}

// Copies the button's surface to the sheet through its window region.
void PasteButton(win32::HDC sheet, ButtonShot& shot, int x, int y) {
    win32::ScopedRegion region(win32::CreateRectRgn(0, 0, 0, 0));
    const bool shaped = win32::GetWindowRgn(shot.Window(), region.Get()) != 0;
    if (shaped) {
        win32::OffsetRgn(region.Get(), x, y);
        win32::SelectClipRgn(sheet, region.Get());
    }
    win32::BitBlt(sheet, x, y, kButtonW, kButtonH, shot.Surface(), 0, 0, win32::SRCCOPY);
    win32::SelectClipRgn(sheet, nullptr);
}

void PaintCell(win32::HDC sheet, const Row& row, const Column& column, int x, int y) {
    host::PropertyBag bag;
    bag.WriteProperty("Style", host::PropertyValue::Long(row.style));
    bag.WriteProperty("Caption", host::PropertyValue::String("Converti"));
    bag.WriteProperty("Enabled", host::PropertyValue::Boolean(column.enabled));
    // So the focus column shows the focus marks of the styles that honour it.
    bag.WriteProperty("ShowFocus", host::PropertyValue::Boolean(true));
    bag.WriteProperty("Icon", host::PropertyValue::Picture(row.picture));
    bag.WriteProperty("UseMaskColor", host::PropertyValue::Boolean(row.useMaskColor));
    bag.WriteProperty("MaskColor", host::PropertyValue::Long(0xC0C0C0));
    ButtonShot shot(bag, kButtonW, kButtonH, column.pointer, column.focus);
    PasteButton(sheet, shot, x, y);
}

}  // namespace

bool WriteGallery(const std::string& path) {
    const std::vector<Row> rows = Rows();
    const int width = kLabelW + kCellW * static_cast<int>(kColumns.size());
    const int height = kHeaderH + kCellH * static_cast<int>(rows.size());
    win32::ScopedMemoryDC sheet;
    win32::ScopedBitmap bitmap(win32::CreateCompatibleBitmap(sheet.Get(), width, height));
    win32::ScopedSelect selectBitmap(sheet.Get(), bitmap.Get());
    win32::ScopedBrush paper(kSheet);
    const win32::RECT all{0, 0, width, height};
    win32::FillRect(sheet.Get(), &all, paper.Get());

    win32::ScopedFont font(win32::CreateFontA(win32::FontHeightFromPoints(8.25), 0, 0, 0, win32::FW_NORMAL, 0,
                                              0, 0, 0, 0, 0, 0, 0, "Verdana"));
    win32::ScopedSelect selectFont(sheet.Get(), font.Get());
    win32::SetBkMode(sheet.Get(), win32::TRANSPARENT);
    win32::SetTextColor(sheet.Get(), kInk);
    for (size_t c = 0; c < kColumns.size(); ++c) {
        const int x = kLabelW + kCellW * static_cast<int>(c);
        Label(sheet.Get(), kColumns[c].label, {x, 0, x + kCellW, kHeaderH}, win32::DT_CENTER);
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        const int y = kHeaderH + kCellH * static_cast<int>(r);
        Label(sheet.Get(), rows[r].label.c_str(), {8, y, kLabelW, y + kCellH}, 0);
        for (size_t c = 0; c < kColumns.size(); ++c) {
            const int x = kLabelW + kCellW * static_cast<int>(c);
            PaintCell(sheet.Get(), rows[r], kColumns[c], x + (kCellW - kButtonW) / 2,
                      y + (kCellH - kButtonH) / 2);
        }
    }
    return win32::WriteBitmapImage(sheet.Get(), path);
}

}  // namespace render_tool
