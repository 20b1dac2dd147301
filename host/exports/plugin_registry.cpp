#include "host/exports/plugin_registry.h"

DWORD PluginRegistry::AddCommand(const char* label, const char* description,
                                 CustomCmdFunc callback, void* context) {
    CustomCommand command;
    command.id = nextCommandId++;
    command.label = label != nullptr ? label : "";
    command.description = description != nullptr ? description : "";
    command.callback = callback;
    command.context = context;
    commands.push_back(command);
    return command.id;
}

bool PluginRegistry::RemoveCommand(int id) {
    for (auto it = commands.begin(); it != commands.end(); ++it) {
        if (static_cast<int>(it->id) == id) {
            commands.erase(it);
            return true;
        }
    }
    return false;
}

const CustomCommand* PluginRegistry::FindCommand(const std::string& label) const {
    for (const CustomCommand& c : commands) {
        if (c.label == label) return &c;
    }
    return nullptr;
}

void PluginRegistry::Clear() {
    commands.clear();
    modules.clear();
}
