#include "host/output/publishoptions.h"

#include "platform/registry/profile.h"

namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kEntry = "PlayInTodaysBrowsers";
// The block that refers to the support files by their web paths, alone or
// with the player's line after it.
constexpr short kWebPaths = 1;
constexpr short kWebPathsWithPlayer = 3;

} // namespace

short PublishedOutputMode(const CPublishOptions& options)
{
    return options.withPlayer ? kWebPathsWithPlayer : kWebPaths;
}

bool ReadPlayerSetting(const CProfile& profile)
{
    return profile.GetProfileInt(kSection, kEntry, 1) != 0;
}

bool WritePlayerSetting(CProfile& profile, bool withPlayer)
{
    return profile.WriteProfileInt(kSection, kEntry, withPlayer ? 1 : 0);
}

CPublishOptions PublishOptionsOf(const CProfile& profile)
{
    return {ReadPlayerSetting(profile)};
}
