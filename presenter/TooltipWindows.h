// Shows the layer's tooltip windows ("tooltips_class32"): each one is a
// frameless top-level tool-tip window over everything else, shaped by its
// window region (so a balloon's corners and the space around its stem are
// really transparent), that never takes the focus or any input: the pointer
// acts on whatever lies beneath. Place, size, shape and visibility follow
// the layer's window; the pixels are those the tooltip drew on its surface.
#pragma once

#include <QWidget>
#include <map>
#include <memory>

#include "platform/user/WindowPresenter.h"

namespace presenter {

class TooltipView : public QWidget {
public:
    explicit TooltipView(win32::HWND tooltip);

    void Follow(win32::WindowChange what);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FollowGeometry();
    void FollowRegion();
    void FollowVisibility();
    void PassInputThrough();

    win32::HWND tooltip_;
};

class TooltipWindows {
public:
    // Each returns false for a window that is not a tooltip.
    bool Created(win32::HWND hwnd);
    bool Destroyed(win32::HWND hwnd);
    bool Changed(win32::HWND hwnd, win32::WindowChange what);
    bool Invalidated(win32::HWND hwnd);

    // The view of a tooltip window, or nullptr.
    TooltipView* ViewOf(win32::HWND hwnd) const;

private:
    std::map<win32::HWND, std::unique_ptr<TooltipView>> views_;
};

}  // namespace presenter
