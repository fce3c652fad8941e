#pragma once
// Commands by number, as the menus, tool bar and buttons send them. Targets
// (view, document, frame, application) are asked in the order they joined;
// the first that handles a command runs it. Sending is synchronous: when
// Send returns, the command has run, dialogs it showed included.

#include "platform/base/types.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// What a command looks like now: enabled, checked, and a text when the
// target wants another one (a menu entry naming a file).
struct CCommandState {
    bool enabled = true;
    bool checked = false;
    std::string text;
};

class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // TRUE when the target ran the command.
    virtual bool OnCommand(UINT id) = 0;
    // TRUE when the target knows the command; state then tells its look.
    virtual bool OnUpdateCommand(UINT id, CCommandState& state) { return false; }
};

// A target from a table of handlers, for classes that keep their commands
// in one place.
class CCommandMap : public ICommandTarget {
public:
    using Handler = std::function<void()>;
    using Updater = std::function<void(CCommandState&)>;

    void On(UINT id, Handler handler, Updater updater = {});
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, CCommandState& state) override;

private:
    struct Entry {
        Handler handler;
        Updater updater;
    };
    std::map<UINT, Entry> m_entries;
};

class CCommandRouter {
public:
    void AddTarget(ICommandTarget* target);
    void RemoveTarget(ICommandTarget* target);

    // FALSE when no target handles the command, or it is disabled.
    bool Send(UINT id);
    CCommandState Update(UINT id) const;
    bool IsHandled(UINT id) const;

private:
    bool Dispatch(UINT id);
    std::vector<ICommandTarget*> m_targets;
};

// The router of the main window, to which documents and dialogs send.
CCommandRouter& MainCommands();
