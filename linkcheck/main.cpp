// import_check: links Windows images on files, without running them.
//
//   import_check --system DIR [--provider FILE]... IMAGE...
//
// Each DLL an IMAGE imports from is a --provider whose file name it names
// (the host program, kestrix.exe, for a plug-in), or else the file of that
// name in DIR, the system DLLs of the images' architecture (Wine's PE DLLs).
// Prints, for each image, how many imports resolved, or one line per import
// that did not; exits 0 when every import of every image resolved, 1 when
// one did not, 2 on bad arguments or an unreadable file.
#include <stdio.h>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "linkcheck/import_resolution.h"
#include "peimage/pe_file.h"

namespace {

const char kMe[] = "import_check";

// Larger than any image worth reading, small enough to read whole.
const std::streamoff kLargestImage = std::streamoff(256) << 20;

bool ReadImage(const std::string& path, PeFile* image, std::string* why) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *why = "cannot be read";
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kLargestImage) {
        *why = "is too large to be an image";
        return false;
    }
    in.seekg(0, std::ios::beg);
    std::vector<unsigned char> bytes(static_cast<size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        *why = "cannot be read";
        return false;
    }
    *image = ReadPeFile(bytes.data(), bytes.size());
    if (!image->valid) {
        *why = "is not a Windows image";
        return false;
    }
    return true;
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Images read once each, by folded DLL name.
class Providers {
public:
    Providers(std::string systemDir, std::map<std::string, std::string> named)
        : systemDir_(std::move(systemDir)), named_(std::move(named)) {}

    const PeFile* Find(const std::string& dll) {
        const std::string key = FoldDllName(dll);
        auto cached = images_.find(key);
        if (cached != images_.end()) return cached->second.get();
        auto path = named_.find(key);
        const std::string file = path != named_.end() ? path->second : systemDir_ + "/" + key;
        std::unique_ptr<PeFile> image(new PeFile);
        std::string why;
        if (!ReadImage(file, image.get(), &why)) image.reset();
        return (images_[key] = std::move(image)).get();
    }

private:
    std::string systemDir_;
    std::map<std::string, std::string> named_;
    std::map<std::string, std::unique_ptr<PeFile>> images_;
};

int Usage() {
    fprintf(stderr, "usage: %s --system DIR [--provider FILE]... IMAGE...\n", kMe);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string systemDir;
    std::map<std::string, std::string> named;
    std::vector<std::string> images;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--system" || arg == "--provider") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "--system") {
                systemDir = value;
            } else {
                named[FoldDllName(BaseName(value))] = value;
            }
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage();
        } else {
            images.push_back(arg);
        }
    }
    if (systemDir.empty() || images.empty()) return Usage();

    Providers providers(systemDir, named);
    int status = 0;
    for (const std::string& path : images) {
        PeFile image;
        std::string why;
        if (!ReadImage(path, &image, &why)) {
            fprintf(stderr, "%s: %s %s\n", kMe, path.c_str(), why.c_str());
            status = 2;
            continue;
        }
        const ImportReport report =
            ResolveImports(image, [&](const std::string& dll) { return providers.Find(dll); });
        for (const std::string& problem : report.problems) {
            fprintf(stderr, "%s: %s: %s\n", kMe, path.c_str(), problem.c_str());
        }
        if (!report.problems.empty()) {
            if (status == 0) status = 1;
            continue;
        }
        printf("%s: %s: %zu imports from %zu DLLs resolved (%s)\n", kMe, path.c_str(),
               report.resolved, report.dlls, MachineName(image.machine).c_str());
    }
    return status;
}
