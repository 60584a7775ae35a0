// raReruri: an owner-drawn push button hosted as a user control. Its public
// surface (properties, methods, events), the private state its painters
// read, and the handlers of the host's life-cycle events.
//
// Create instances with Create(); the control is owned through shared_ptr
// and keeps itself alive while its own events run, so an owner may drop it
// from a Click handler.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "control/ButtonState.h"
#include "control/FaceCache.h"
#include "control/SubclassEngine.h"
#include "host/Event.h"
#include "host/Font.h"
#include "host/Form.h"
#include "host/Picture.h"
#include "host/PictureBox.h"
#include "host/UserControl.h"
#include "host/UserControlEvents.h"
#include "platform/Win32Types.h"
#include "platform/user/Tooltips.h"

namespace control {

namespace styles {
struct FaceState;
enum class MaskedLook : unsigned;
}  // namespace styles

class raReruri final : public host::UserControlEvents,
                       public SubclassCallbackSink,
                       public std::enable_shared_from_this<raReruri> {
public:
    using Long = std::int32_t;
    using Integer = std::int16_t;
    using Color = std::int32_t;  // 0x00BBGGRR, or 0x80000000 + a system colour index
    // ButtonType: a push button, or a toggle whose Value stays pressed.
    static constexpr Long kPushButton = 0;
    static constexpr Long kToggleButton = 1;
    // A system colour reference as a Color.
    static constexpr Color SystemColorRef(int index) { return static_cast<Color>(host::SystemColor(index)); }

    // Creates the control's window under the site's container and raises
    // Initialize. The caller then either loads a saved bag (Load) or starts
    // a new instance (InitNew), as the container does.
    static std::shared_ptr<raReruri> Create(const host::ControlSite& site);
    // Lets form descriptions name "raReruri" controls; idempotent.
    static void RegisterFormKind();
    // The raReruri of that name on a form; throws std::out_of_range when there is none.
    static raReruri& OnForm(const host::Form& form, const std::string& name);
    void InitNew();
    void Load(const host::PropertyBag& bag);
    void Save(host::PropertyBag& bag);
    ~raReruri() override;

    // ---- Properties ----
    Long Style() const { return style_; }
    void SetStyle(Long value);
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    host::PicturePtr Icon() const { return icon_; }
    void SetIcon(host::PicturePtr value);
    Long IconAlign() const { return iconAlign_; }
    void SetIconAlign(Long value);
    Integer IconSize() const { return iconSize_; }
    void SetIconSize(Integer value);
    Long CaptionAlign() const { return captionAlign_; }
    void SetCaptionAlign(Long value);
    Long NonThemeStyle() const { return nonThemeStyle_; }
    void SetNonThemeStyle(Long value);
    bool Enabled();  // repaints before answering
    void SetEnabled(bool value);
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool value);
    bool UseCustomColors() const { return useCustomColors_; }
    void SetUseCustomColors(bool value);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color value);
    Color HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(Color value);
    Color FontColor() const { return fontColor_; }
    void SetFontColor(Color value);
    Color FontHighlightColor() const { return fontHighlightColor_; }
    void SetFontHighlightColor(Color value);
    std::string ToolTipText() const { return toolTipText_; }
    void SetToolTipText(const std::string& value);
    std::string ToolTipTitle() const { return toolTipTitle_; }
    void SetToolTipTitle(const std::string& value);
    Long ToolTipIcon() const { return toolTipIcon_; }
    void SetToolTipIcon(Long value);
    Long ToolTipType() const { return toolTipType_; }
    void SetToolTipType(Long value);
    Color ToolTipBackColor() const { return toolTipBackColor_; }
    void SetToolTipBackColor(Color value);
    Color ToolTipForeColor() const { return toolTipForeColor_; }
    void SetToolTipForeColor(Color value);
    host::Font Font() const;  // the surface's current font
    void SetFont(const host::Font& value);
    Long ButtonType() const { return buttonType_; }
    void SetButtonType(Long value);
    Long MousePointer() const;  // the surface's current pointer
    void SetMousePointer(Long value);
    bool Value() const { return value_; }
    void SetValue(bool value);
    Color MaskColor() const { return maskColor_; }
    void SetMaskColor(Color value);
    bool UseMaskColor() const { return useMaskColor_; }
    void SetUseMaskColor(bool value);
    bool RoundedBordersByTheme() const { return roundedBordersByTheme_; }
    void SetRoundedBordersByTheme(bool value);
    bool RightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(bool value);

    // ---- Methods ----
    void Refresh();
    // Floats the About box, captioned and topmost, above every window.
    void About();
    std::string Version() const { return "3.7.0"; }
    Long OpenLink(const std::string& sLink);
    // Draws any icon in grey levels; True when it was drawn.
    bool PaintIconGrayscale(win32::HDC Dest_hDC, win32::HICON hIcon, Long Dest_X, Long Dest_Y,
                            Long Dest_Height, Long Dest_Width);

    // ---- Events ----
    host::Event<> Click;
    host::Event<> MouseEnter;
    host::Event<> MouseLeave;

    // ---- State the painters and the behaviour read ----
    ButtonState CurrentState() const { return currentState_; }
    bool HasFocus() const { return hasFocus_; }
    bool IsShown() const { return isShown_; }
    std::int32_t ContentMargin() const { return contentMargin_; }
    std::int32_t CaptionFormat() const { return captionFormat_; }
    std::int32_t LastMouseButton() const { return lastMouseButton_; }
    bool MouseInside() const { return mouseInside_; }
    bool TrackingAvailable() const { return trackingAvailable_; }
    bool UseUser32Tracking() const { return useUser32Tracking_; }
    const win32::RECT& CaptionRect() const { return captionRect_; }
    const win32::RECT& ClientRect() const { return clientRect_; }
    win32::HRGN WindowRegion() const { return windowRegion_; }  // owned by the window
    win32::HWND TooltipWindow() const;                          // 0 when none is up
    host::UserControl& UserControl() { return *userControl_; }
    const host::UserControl& UserControl() const { return *userControl_; }
    // The About box, and the window style saved for it when the instance was new.
    const host::PictureBox& AboutBox() const { return *m_About; }
    Long AboutStyle() const { return aboutStyle_; }

    // ---- Host events ----
    void UserControl_Initialize() override {}
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const host::PropertyBag& bag) override;
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_Show() override;
    void UserControl_Hide() override;
    void UserControl_Paint() override;
    void UserControl_Resize() override;  // the layout routine
    void UserControl_EnterFocus() override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;
    void UserControl_ExitFocus() override;
    void UserControl_KeyDown(Integer& keyCode, Integer shift) override;
    void UserControl_KeyUp(Integer& keyCode, Integer shift) override;
    void UserControl_MouseDown(Integer button, Integer shift, float x, float y) override;
    void UserControl_MouseUp(Integer button, Integer shift, float x, float y) override;
    void UserControl_Click() override;
    void UserControl_DblClick() override;
    void UserControl_AccessKeyPress(Integer keyAscii) override;
    void UserControl_AmbientChanged(const std::string& propertyName) override;
    void UserControl_Terminate() override;

    // Raw window messages of the control's own window, delivered by the
    // subclassing engine after the window's own processing.
    void SubclassCallback(bool before, bool& handled, win32::LRESULT& result, win32::HWND hWnd,
                          win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam,
                          win32::LONG_PTR& userParam) override;

private:
    struct Passkey {};

public:
    raReruri(Passkey, const host::ControlSite& site);

private:
    friend struct PersistedProperties;

    void ForceState();
    void DrawCaption();
    // The render pipeline (raReruriPaint, raReruriIcon, raReruriTheme, raReruriShape).
    void PaintFace();
    styles::FaceState FaceSnapshot();
    void PaintThemedFace();
    bool DrawThemedFace(win32::LPCWSTR classList, std::int32_t partId, std::int32_t stateId);
    void DrawIcon();
    const host::Picture& ShownIcon() const;
    void PaintIconShadow(win32::POINT at);
    void PaintIconPicture(win32::POINT at);
    void PaintPictureMasked(win32::HDC hDC, Long X, Long Y, Long Width, Long Height,
                            const host::Picture& picture, Color TransparentColor, Long FillColor,
                            styles::MaskedLook look);
    void BuildWindowRegion();
    void GiveWindowRegion(win32::HRGN region);
    void PlaceCaption(const win32::RECT& measured, std::int32_t sw, std::int32_t sh);
    void PrepareMouseTracking();
    void RequestLeaveTracking();
    void MouseEntered();
    void MouseLeft();
    // The balloon tooltip (raReruriTooltip.cpp).
    void BuildTooltip();
    void RemoveTooltip();
    void GiveTooltipTextBack();
    void DestroyTooltipWindow();
    void RaiseEvent(const host::Event<>& event);
    void Notify(const char* propertyName);
    void CreateAboutBox();
    template <typename T>
    void StoreThenLayout(T& member, const T& value, const char* name);
    template <typename T>
    void StoreThenRefresh(T& member, const T& value, const char* name);

    SubclassEngine subclass_{this};
    std::unique_ptr<host::UserControl> userControl_;
    std::unique_ptr<host::PictureBox> m_About;  // a hidden child of the control's window until About

    // Properties.
    Long style_ = 0;
    std::string caption_;
    host::PicturePtr icon_;
    Long iconAlign_ = 0;
    Integer iconSize_ = 0;
    Long captionAlign_ = 0;
    Long nonThemeStyle_ = 0;
    bool enabled_ = false;
    bool showFocus_ = false;
    bool useCustomColors_ = false;
    Color backColor_ = 0;
    Color highlightColor_ = 0;
    Color fontColor_ = 0;
    Color fontHighlightColor_ = 0;
    std::string toolTipText_;
    std::string toolTipTitle_;
    Long toolTipIcon_ = 0;
    Long toolTipType_ = 0;
    Color toolTipBackColor_ = 0;
    Color toolTipForeColor_ = 0;
    host::Font font_;
    Long buttonType_ = 0;
    bool value_ = false;
    Color maskColor_ = 0;
    bool useMaskColor_ = false;
    bool roundedBordersByTheme_ = false;
    bool rightToLeft_ = false;

    // Behaviour state.
    ButtonState currentState_ = ButtonState::Normal;
    bool hasFocus_ = false;
    bool isShown_ = false;
    std::int32_t contentMargin_ = 0;
    std::int32_t captionFormat_ = 0;
    std::int32_t lastMouseButton_ = 0;
    bool mouseInside_ = false;
    bool trackingAvailable_ = false;
    bool useUser32Tracking_ = false;
    win32::HRGN windowRegion_ = nullptr;
    win32::HWND tooltipWindow_ = nullptr;
    win32::TOOLINFOA toolRecord_{};
    std::string toolRecordText_;    // the ANSI text toolRecord_ points to
    bool toolTipBorrowed_ = false;  // the container's tooltip text is held by the control
    win32::RECT captionRect_{};
    win32::RECT clientRect_{};
    Long aboutStyle_ = 0;
    FaceCache faceCache_;  // faces painted before, so an unchanged repaint copies instead of painting
};

}  // namespace control
