#include "tests/support/host_process.h"

#include <windows.h>

#include <cstdio>

namespace {

std::string TempPath() {
    char folder[MAX_PATH] = "";
    char path[MAX_PATH] = "";
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH) lstrcpyA(folder, ".");
    // On failure the path stays empty, and the test fails on what it reads.
    if (GetTempFileNameA(folder, "kst", 0, path) == 0) path[0] = '\0';
    return path;
}

std::string ReadAndDelete(const std::string& path) {
    std::string text;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
        std::fclose(f);
    }
    DeleteFileA(path.c_str());
    std::string normalised;
    for (char c : text) {
        if (c != '\r') normalised += c;
    }
    return normalised;
}

HANDLE InheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string Quote(const std::string& arg) { return "\"" + arg + "\""; }

}  // namespace

std::string WriteTempFile(const std::string& text) {
    const std::string path = TempPath();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    return path;
}

ProcessResult RunKestrix(const std::vector<std::string>& args) {
    char self[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder(self, n);
    folder = folder.substr(0, folder.find_last_of("\\/") + 1);
    std::string commandLine = Quote(folder + "kestrix.exe");
    for (const std::string& a : args) commandLine += " " + Quote(a);

    const std::string outPath = TempPath();
    const std::string errPath = TempPath();
    HANDLE out = InheritableFile(outPath);
    HANDLE err = InheritableFile(errPath);
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE in = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                            OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in;
    si.hStdOutput = out;
    si.hStdError = err;
    PROCESS_INFORMATION pi = {};
    ProcessResult result;
    result.exitCode = 0xFFFFFFFFul;
    bool stopped = false;
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                       &pi)) {
        if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_TIMEOUT) {
            TerminateProcess(pi.hProcess, kTimedOut);
            WaitForSingleObject(pi.hProcess, 5000);
            stopped = true;
        }
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        result.exitCode = code;
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(in);
    CloseHandle(out);
    CloseHandle(err);
    result.out = ReadAndDelete(outPath);
    result.err = ReadAndDelete(errPath);
    if (stopped) result.err += "(the test stopped " + commandLine + " after 30 s)\n";
    return result;
}
