#include "app/CommandTarget.h"

bool CommandTarget::Run(int id) const
{
    const auto found = map_.find(id);
    if (found == map_.end() || !found->second.run)
        return false;
    found->second.run();
    return true;
}

void CommandTarget::Update(int id, CmdUI& ui) const
{
    const auto found = map_.find(id);
    if (found != map_.end() && found->second.update)
        found->second.update(ui);
}

void CommandTarget::OnCommand(int id, std::function<void()> handler)
{
    map_[id].run = std::move(handler);
}

void CommandTarget::OnUpdateCommandUI(int id, std::function<void(CmdUI&)> update)
{
    map_[id].update = std::move(update);
}

bool RouteCommand(std::span<const CommandTarget* const> targets, int id)
{
    for (const CommandTarget* target : targets)
        if (target && target->HasHandler(id))
            return target->Run(id);
    return false;
}

CmdUI RouteUpdate(std::span<const CommandTarget* const> targets, int id)
{
    CmdUI ui;
    for (const CommandTarget* target : targets) {
        if (target && target->HasHandler(id)) {
            target->Update(id, ui);
            return ui;
        }
    }
    ui.enabled = false;
    return ui;
}
