// The link step on files: which imports resolve against their DLLs' exports,
// and what is said of those that do not.
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "linkcheck/import_resolution.h"

namespace {

PeFile Image(uint16_t machine, std::vector<PeImport> imports, std::vector<std::string> exports) {
    PeFile image;
    image.valid = true;
    image.machine = machine;
    image.imports = std::move(imports);
    image.exports = std::move(exports);
    return image;
}

TEST(ImportResolution, CountsWhatResolvesAndNamesEachImportThatDoesNot) {
    const PeFile kernel = Image(0x14c, {}, {"Sleep", "GetProcAddress"});
    const PeFile host = Image(0x14c, {}, {"kapiGetVesselCount"});
    const PeFile wide = Image(0x8664, {}, {"Beep"});
    const std::map<std::string, const PeFile*> dlls = {
        {"kernel32.dll", &kernel}, {"kestrix.exe", &host}, {"user32.dll", &wide}};
    const PeFile plugin = Image(0x14c,
                                {{"KERNEL32.dll", {"Sleep", "GetProcAddress"}},
                                 {"kestrix.exe", {"kapiGetVesselCount", "kapiMissing"}},
                                 {"USER32.dll", {"Beep"}},
                                 {"absent.dll", {"Anything"}}},
                                {});

    const ImportReport report = ResolveImports(plugin, [&](const std::string& dll) {
        auto it = dlls.find(FoldDllName(dll));
        return it == dlls.end() ? nullptr : it->second;
    });

    EXPECT_EQ(3u, report.resolved);
    EXPECT_EQ(4u, report.dlls);
    const std::vector<std::string> expected = {
        "imports kapiMissing from kestrix.exe, which does not export it",
        "imports from USER32.dll, which is built for 64-bit (x64), not 32-bit (x86)",
        "imports from absent.dll, which is not there"};
    EXPECT_EQ(expected, report.problems);
}

}  // namespace
