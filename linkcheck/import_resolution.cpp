#include "linkcheck/import_resolution.h"

#include <set>

std::string FoldDllName(const std::string& name) {
    std::string folded = name;
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

ImportReport ResolveImports(const PeFile& image, const DllLookup& lookup) {
    ImportReport report;
    for (const PeImport& import : image.imports) {
        ++report.dlls;
        const PeFile* provider = lookup(import.dll);
        if (provider == nullptr) {
            report.problems.push_back("imports from " + import.dll + ", which is not there");
            continue;
        }
        if (provider->machine != image.machine) {
            // The loader would refuse the DLL outright, whatever it exports.
            report.problems.push_back("imports from " + import.dll + ", which is built for " +
                                      MachineName(provider->machine) + ", not " +
                                      MachineName(image.machine));
            continue;
        }
        const std::set<std::string> exported(provider->exports.begin(), provider->exports.end());
        for (const std::string& name : import.names) {
            if (exported.count(name) != 0) {
                ++report.resolved;
            } else {
                report.problems.push_back("imports " + name + " from " + import.dll +
                                          ", which does not export it");
            }
        }
    }
    return report;
}
