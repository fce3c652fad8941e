#include "platform/ui/commandrouter.h"

#include "platform/ui/uiservices.h"

#include <algorithm>
#include <exception>

void CCommandMap::On(UINT id, Handler handler, Updater updater)
{
    m_entries[id] = Entry{std::move(handler), std::move(updater)};
}

bool CCommandMap::OnCommand(UINT id)
{
    const auto found = m_entries.find(id);
    if (found == m_entries.end() || !found->second.handler)
        return false;
    found->second.handler();
    return true;
}

bool CCommandMap::OnUpdateCommand(UINT id, CCommandState& state)
{
    const auto found = m_entries.find(id);
    if (found == m_entries.end())
        return false;
    if (found->second.updater)
        found->second.updater(state);
    return true;
}

void CCommandRouter::AddTarget(ICommandTarget* target)
{
    if (target && std::find(m_targets.begin(), m_targets.end(), target) == m_targets.end())
        m_targets.push_back(target);
}

void CCommandRouter::RemoveTarget(ICommandTarget* target)
{
    m_targets.erase(std::remove(m_targets.begin(), m_targets.end(), target), m_targets.end());
}

bool CCommandRouter::Send(UINT id)
{
    // A command that fails (the pagelet refusing a call, say) is reported
    // here, where the user chose it, instead of tearing the program down.
    try {
        return Dispatch(id);
    } catch (const std::exception& error) {
        AfxMessageBox(std::string("The command could not be carried out: ") + error.what(), MB_OK | MB_ICONERROR);
        return false;
    }
}

bool CCommandRouter::Dispatch(UINT id)
{
    // A copy: a command may add or remove targets while it runs.
    const std::vector<ICommandTarget*> targets = m_targets;
    for (ICommandTarget* target : targets) {
        CCommandState state;
        if (!target->OnUpdateCommand(id, state))
            continue;
        if (!state.enabled)
            return false;
        return target->OnCommand(id);
    }
    // Targets that run a command without describing it.
    for (ICommandTarget* target : targets)
        if (target->OnCommand(id))
            return true;
    return false;
}

CCommandState CCommandRouter::Update(UINT id) const
{
    for (ICommandTarget* target : m_targets) {
        CCommandState state;
        if (target->OnUpdateCommand(id, state))
            return state;
    }
    CCommandState none;
    none.enabled = false;  // a command nobody handles cannot be chosen
    return none;
}

bool CCommandRouter::IsHandled(UINT id) const
{
    for (ICommandTarget* target : m_targets) {
        CCommandState state;
        if (target->OnUpdateCommand(id, state))
            return true;
    }
    return false;
}

CCommandRouter& MainCommands()
{
    static CCommandRouter router;
    return router;
}
