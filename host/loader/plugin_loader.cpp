#include "host/plugin_loader.h"

#include "host/controls_gallery.h"
#include "host/host_state.h"
#include "host/load_failure.h"
#include "host/plugin_imports.h"
#include "kapi.h"

namespace {

typedef void (*InitModuleEntry)(HINSTANCE);

void CloseOpenDialogs(HostState& host) {
    // Copied first: closing a dialog prunes the host's list.
    const std::vector<HWND> open = host.dialogs;
    for (HWND dialog : open) kapiCloseDialog(dialog);
    host.dialogs.clear();
}

}  // namespace

std::string ExecutableFolder() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n < MAX_PATH ? n : 0);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

bool LoadedPlugin::Load(const std::string& path, std::string* error) {
    Unload();
    HostState& host = TheHost();
    const size_t modulesBefore = host.modules.size();
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
    host.pluginInstance = module_;
    reinterpret_cast<InitModuleEntry>(reinterpret_cast<void*>(entry))(module_);
    for (size_t i = modulesBefore; i < host.modules.size(); ++i) {
        host.modules[i]->clbkSimulationBegin(0);
    }
    return true;
}

void LoadedPlugin::Unload() {
    if (module_ == nullptr) return;
    HostState& host = TheHost();
    CloseOpenDialogs(host);
    // Windows of the plug-in's classes must be gone before it unregisters them.
    CloseControlsGallery();
    // The plug-in destroys its module object itself when it shuts down, so
    // the host lets go of it before the library goes.
    for (kapi::Module* m : host.modules) m->clbkSimulationEnd();
    host.modules.clear();
    host.pluginInstance = nullptr;
    FreeLibrary(module_);
    module_ = nullptr;
}
