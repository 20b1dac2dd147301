// What the plug-in calls of the host's interface, logged while the log lives.
#ifndef KESTRIX_TESTS_PLUGIN_CALL_LOG_H
#define KESTRIX_TESTS_PLUGIN_CALL_LOG_H

#include <windows.h>

#include <vector>

#include "host/kapi/plugin_calls.h"

class PluginCallLog : public PluginCallObserver {
public:
    PluginCallLog() { AddPluginCallObserver(this); }
    ~PluginCallLog() override { RemovePluginCallObserver(this); }
    PluginCallLog(const PluginCallLog&) = delete;
    PluginCallLog& operator=(const PluginCallLog&) = delete;

    void OnInitLib(HINSTANCE instance) override { initLib.push_back(instance); }
    void OnDate2Int(const char*) override { ++date2Int; }
    void OnUnregisterCustomCmd(int id) override { unregisteredCommands.push_back(id); }
    void OnModuleDestroyed(const kapi::Module* module) override {
        destroyedModules.push_back(module);
    }
    void OnDefDialogProc(HWND, UINT message) override { defDialogMessages.push_back(message); }

    std::vector<HINSTANCE> initLib;
    unsigned date2Int = 0;
    std::vector<int> unregisteredCommands;
    std::vector<const kapi::Module*> destroyedModules;
    std::vector<UINT> defDialogMessages;
};

#endif
