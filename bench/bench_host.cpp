#include "bench/bench_host.h"

#include "host/automation/editor_controls.h"
#include "host/exports/host_state.h"
#include "host/loader/executable_path.h"
#include "host/scene/message_trace.h"
#include "host/scene/scene_parser.h"
#include "kapi.h"

BenchHost::~BenchHost() { Stop(); }

bool BenchHost::Start(const std::string& sceneText, std::string* error) {
    Stop();
    SceneDescription scene;
    if (!ParseScene(sceneText, &scene, error)) return false;
    TheHost().scene.Load(scene);
    return plugin_.Load(ExecutableFolder() + BENCH_PLUGIN_FILE, error);
}

void BenchHost::Stop() {
    plugin_.Unload();
    TheHost().Reset();
}

HWND BenchHost::OpenDialog() {
    const CustomCommand* command = TheHost().plugins.FindCommand(kEditorCommand);
    if (command == nullptr) return nullptr;
    command->callback(command->context);
    return TheHost().windows.NewestDialog();
}

void BenchHost::CloseDialog(HWND dialog) { kapiCloseDialog(dialog); }

void BenchHost::SetTrace(bool on) {
    TheHost().trace.Clear();
    TheHost().trace.SetEnabled(on);
}

std::map<std::string, unsigned> BenchHost::MessagesByKind() const {
    std::map<std::string, unsigned> counts;
    for (const TraceEntry& e : TheHost().trace.Entries()) ++counts[MessageName(e.messageId)];
    return counts;
}

std::string Grouped(unsigned long long n) {
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<size_t>(i), ",");
    }
    return digits;
}

std::string DescribeCounts(const std::map<std::string, unsigned>& counts) {
    unsigned long long total = 0;
    std::string parts;
    for (const auto& c : counts) {
        total += c.second;
        parts += (parts.empty() ? "" : ", ") + c.first + " " + Grouped(c.second);
    }
    return Grouped(total) + " (" + parts + ")";
}
