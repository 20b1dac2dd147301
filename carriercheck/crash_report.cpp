#include "carriercheck/crash_report.h"

#include <windows.h>

#include <stdio.h>

#include "carrierkit/exported_carrier.h"
#include "carrierkit/sequence_runner.h"

namespace {

const char* g_dllName = "";

const char* ExceptionName(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
        return ", an access violation";
    case EXCEPTION_STACK_OVERFLOW:
        return ", a stack overflow";
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
        return ", an integer division by zero";
    case EXCEPTION_ILLEGAL_INSTRUCTION:
        return ", an illegal instruction";
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
        return ", an array bounds fault";
    case 0xE06D7363u:
        return ", a C++ exception from Microsoft's runtime";
    case 0x20474343u:
        return ", a C++ exception from the GNU runtime";
    default:
        return "";
    }
}

LONG WINAPI Report(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    // Where it happened: the module holding the faulting address, and how far in.
    char where[MAX_PATH + 64] = "";
    HMODULE module = nullptr;
    if (GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<LPCSTR>(record->ExceptionAddress), &module)) {
        char path[MAX_PATH] = "";
        const DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
        const char* name = path;
        for (DWORD i = 0; i < n; ++i) {
            if (path[i] == '\\' || path[i] == '/') name = path + i + 1;
        }
        snprintf(where, sizeof where, " at %s+0x%lX", name,
                 static_cast<unsigned long>(static_cast<const char*>(record->ExceptionAddress) -
                                            reinterpret_cast<const char*>(module)));
    }
    const char* call = LastCarrierCall();
    printf(
        "%s: the carrier crashed in %s (exception 0x%08lX%s%s): in the simulator the crash "
        "would take the simulator down with it\n",
        g_dllName, call[0] != '\0' ? call : "its start-up code",
        static_cast<unsigned long>(record->ExceptionCode), ExceptionName(record->ExceptionCode),
        where);
    // Static: the stack may be what failed.
    static char sequence[2048];
    DescribeRunningSequence(sequence, sizeof sequence);
    if (sequence[0] != '\0') printf("    sent to a fresh carrier: %s\n", sequence);
    fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 1);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

void ReportCrashesOf(const char* dllName) {
    g_dllName = dllName;
    SetUnhandledExceptionFilter(&Report);
}
