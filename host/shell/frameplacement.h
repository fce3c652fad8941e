#pragma once
// Where the main window stands between runs: the settings section "Frame"
// with the show state and the normal rectangle relative to the work area.

#include <QRect>

#include <optional>

class CProfile;

struct CFramePlacement {
    int showCommand = 1;  // 1 normal, 2 minimised
    QRect normal;         // screen coordinates
};

constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
// The size of a large icon: at least this much of the window stays on
// the screen.
constexpr int kIconSize = 32;

// The stored placement on this screen, or none when any entry is missing
// (the window then takes its default place and size). The rectangle is
// moved so that at least an icon's size of it lies on the screen.
std::optional<CFramePlacement> ReadFramePlacement(const CProfile& profile, const QRect& screen, const QRect& workArea);
void WriteFramePlacement(CProfile& profile, const CFramePlacement& placement, const QRect& workArea);
