#pragma once
// Stands at the end of the main window's command route and notes the
// commands of the given numbers that reach it.

#include "platform/ui/commandrouter.h"

#include <algorithm>
#include <vector>

class CCommandRecorder : public ICommandTarget {
public:
    explicit CCommandRecorder(std::vector<UINT> ids) : m_ids(std::move(ids)) { MainCommands().AddTarget(this); }
    ~CCommandRecorder() override { MainCommands().RemoveTarget(this); }
    bool OnCommand(UINT id) override
    {
        if (std::find(m_ids.begin(), m_ids.end(), id) == m_ids.end())
            return false;
        sent.push_back(id);
        return true;
    }
    std::vector<UINT> sent;

private:
    std::vector<UINT> m_ids;
};
