#pragma once
// The templates a dialog works on: its own pagelet, made when the dialog
// opens, and the parallel lists of titles, descriptions and paths it found.
// Reading and writing template files happens on this pagelet, never on the
// document's, so a listing never disturbs the widget being edited.

#include "host/document/pagelet.h"

#include <string>
#include <vector>

class CTemplateList {
public:
    // FALSE when the pagelet cannot be made (the client may have told why).
    bool Create();
    void Enumerate();
    void Remove(size_t index);

    CPagelet m_pagelet;
    std::vector<std::string> m_aTitles;
    std::vector<std::string> m_aDescriptions;
    std::vector<std::string> m_aPaths;

    // The path a template of this name is written to:
    // server folder + "/" + name + "_" + ProgID + ".pgt"; the bare folder
    // with its '/' for an empty name.
    std::string PathFor(const std::string& name) const;
};
