#include "host/loader/plugin_loader.h"

#include "host/exports/host_state.h"
#include "host/loader/load_failure.h"
#include "host/loader/plugin_imports.h"

namespace {

typedef void (*InitModuleEntry)(HINSTANCE);

}  // namespace

bool LoadedPlugin::Load(const std::string& path, std::string* error) {
    Unload();
    HostState& host = TheHost();
    PluginRegistry& plugins = host.plugins;
    const size_t modulesBefore = plugins.modules.size();
    // Checked first: the loader would leave what it cannot resolve to fail
    // when the plug-in's start-up code calls it.
    const PeFile image = ReadPluginImage(path);
    const std::string mismatch = DescribeHostMismatch(image);
    if (!mismatch.empty()) {
        *error = "cannot load plug-in " + path + ": " + mismatch;
        return false;
    }
    module_ = LoadLibraryA(path.c_str());
    if (module_ == nullptr) {
        const DWORD code = GetLastError();
        *error = "cannot load plug-in " + path + ": " + DescribeLoadFailure(path, image, code);
        return false;
    }
    FARPROC entry = GetProcAddress(module_, "InitModule");
    if (entry == nullptr) {
        *error = "plug-in " + path + " has no InitModule";
        FreeLibrary(module_);
        module_ = nullptr;
        return false;
    }
    plugins.instance = module_;
    reinterpret_cast<InitModuleEntry>(reinterpret_cast<void*>(entry))(module_);
    for (size_t i = modulesBefore; i < plugins.modules.size(); ++i) {
        plugins.modules[i]->clbkSimulationBegin(0);
    }
    return true;
}

void LoadedPlugin::Unload() {
    if (module_ == nullptr) return;
    HostState& host = TheHost();
    // Its dialogs run its code, and windows of its classes must be gone
    // before it unregisters them.
    host.windows.CloseAll();
    // The plug-in destroys its module object itself when it shuts down, so
    // the host lets go of it before the library goes.
    PluginRegistry& plugins = host.plugins;
    for (kapi::Module* m : plugins.modules) m->clbkSimulationEnd();
    plugins.modules.clear();
    plugins.instance = nullptr;
    FreeLibrary(module_);
    module_ = nullptr;
}
