#pragma once
// How the pages the program publishes carry the banner show: the applet
// alone, or the applet followed by the script player that plays the same
// show in browsers without Java. A per-user setting, on unless the user
// turns it off: a page must play where its visitors look at it.

class CProfile;

struct CPublishOptions {
    bool withPlayer = false;
};

// The output mode of GetHTMLBody for a published block.
short PublishedOutputMode(const CPublishOptions& options);

// "Play in Today's Browsers" in the user's settings.
bool ReadPlayerSetting(const CProfile& profile);
bool WritePlayerSetting(CProfile& profile, bool withPlayer);
CPublishOptions PublishOptionsOf(const CProfile& profile);
