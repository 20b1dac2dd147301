// What the loaded plug-in registered with the host: its custom commands and
// its module objects, and the plug-in itself, whose instance owns the window
// classes it registered.
#ifndef KESTRIX_HOST_EXPORTS_PLUGIN_REGISTRY_H
#define KESTRIX_HOST_EXPORTS_PLUGIN_REGISTRY_H

#include <string>
#include <vector>

#include "kapi_classes.h"

struct CustomCommand {
    DWORD id = 0;
    std::string label;
    std::string description;
    CustomCmdFunc callback = nullptr;
    void* context = nullptr;
};

struct PluginRegistry {
    std::vector<CustomCommand> commands;
    DWORD nextCommandId = 1;  // 0 is never a valid id
    std::vector<kapi::Module*> modules;
    HINSTANCE instance = nullptr;  // the loaded plug-in, for windows of its classes

    // The new command's id.
    DWORD AddCommand(const char* label, const char* description, CustomCmdFunc callback,
                     void* context);
    // False when no command has that id.
    bool RemoveCommand(int id);
    const CustomCommand* FindCommand(const std::string& label) const;
    // Forgets every command and module; ids go on counting.
    void Clear();
};

#endif
