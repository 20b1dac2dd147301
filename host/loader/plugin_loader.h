// Loading and unloading a plug-in the way the host does.
#ifndef KESTRIX_HOST_LOADER_PLUGIN_LOADER_H
#define KESTRIX_HOST_LOADER_PLUGIN_LOADER_H

#include <windows.h>

#include <string>

class LoadedPlugin {
public:
    LoadedPlugin() = default;
    ~LoadedPlugin() { Unload(); }
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    // Loads the library (its attach hook runs), calls its InitModule and
    // starts the simulation for the modules it registered. False, with
    // `error` set, when the library cannot be loaded or has no InitModule.
    bool Load(const std::string& path, std::string* error);

    // Closes every window the host keeps open (the dialogs, the controls
    // gallery, the scene view), ends the simulation for the registered modules
    // and frees the library; its detach hook shuts the module down.
    void Unload();

    HMODULE Module() const { return module_; }

private:
    HMODULE module_ = nullptr;
};

#endif
