#include "host/shell/frameplacement.h"

#include "platform/registry/profile.h"

#include <algorithm>

namespace {
const char kSection[] = "Frame";
}

std::optional<CFramePlacement> ReadFramePlacement(const CProfile& profile, const QRect& screen, const QRect& workArea)
{
    const int status = profile.GetProfileInt(kSection, "Status", -1);
    const int top = profile.GetProfileInt(kSection, "Top", -1);
    const int left = profile.GetProfileInt(kSection, "Left", -1);
    const int bottom = profile.GetProfileInt(kSection, "Bottom", -1);
    const int right = profile.GetProfileInt(kSection, "Right", -1);
    if (status == -1 || top == -1 || left == -1 || bottom == -1 || right == -1)
        return std::nullopt;
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0)
        return std::nullopt;

    CFramePlacement placement;
    placement.showCommand = status == SW_SHOWMINIMIZED ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    // At most an icon's size from the right and bottom edges, and, since a
    // stored rectangle may also lie left of or above the screen, never so
    // far the other way that less than an icon's size stays visible.
    int x = std::min(left + workArea.left(), screen.right() + 1 - kIconSize);
    int y = std::min(top + workArea.top(), screen.bottom() + 1 - kIconSize);
    x = std::max(x, screen.left() + kIconSize - width);
    y = std::max(y, screen.top());
    placement.normal = QRect(x, y, width, height);
    return placement;
}

void WriteFramePlacement(CProfile& profile, const CFramePlacement& placement, const QRect& workArea)
{
    const QRect& r = placement.normal;
    profile.WriteProfileInt(kSection, "Status", placement.showCommand);
    profile.WriteProfileInt(kSection, "Top", r.top() - workArea.top());
    profile.WriteProfileInt(kSection, "Left", r.left() - workArea.left());
    profile.WriteProfileInt(kSection, "Bottom", r.top() + r.height() - workArea.top());
    profile.WriteProfileInt(kSection, "Right", r.left() + r.width() - workArea.left());
}
