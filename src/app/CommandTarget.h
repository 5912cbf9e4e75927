#pragma once
// Command handling as the windows of Qav share it: a command is offered in
// turn to the active view, the document, the frame and the application; the
// first that has a handler runs it. A command nobody handles is shown disabled.

#include <functional>
#include <optional>
#include <span>
#include <unordered_map>

// What an update handler may change about a menu item or toolbar button.
struct CmdUI {
    bool enabled = true;
    std::optional<bool> checked;
};

class CommandTarget {
public:
    virtual ~CommandTarget() = default;

    bool HasHandler(int id) const { return map_.contains(id); }
    // Runs the handler of `id`; false when this target has none.
    bool Run(int id) const;
    // Lets the update handler of `id`, if any, adjust `ui`.
    void Update(int id, CmdUI& ui) const;

protected:
    void OnCommand(int id, std::function<void()> handler);
    void OnUpdateCommandUI(int id, std::function<void(CmdUI&)> update);

private:
    struct Entry {
        std::function<void()> run;
        std::function<void(CmdUI&)> update;
    };
    std::unordered_map<int, Entry> map_;
};

// Routing over an ordered list of targets (null entries are skipped).
bool RouteCommand(std::span<const CommandTarget* const> targets, int id);
CmdUI RouteUpdate(std::span<const CommandTarget* const> targets, int id);
