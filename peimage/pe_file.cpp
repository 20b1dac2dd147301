#include "peimage/pe_file.h"

namespace {

// Longest name read from a table; a longer one is not read at all, since a
// name cut short would be another name.
const size_t kNameMax = 4096;
// Beyond this many entries a table is taken for garbage.
const uint32_t kTableMax = 65536;

// Offsets are 64-bit, so that no sum of 32-bit fields wraps around.
class Bytes {
public:
    Bytes(const unsigned char* data, size_t size) : data_(data), size_(size) {}

    bool U16(uint64_t at, uint16_t* value) const {
        if (at > size_ || size_ - at < 2) return false;
        const unsigned char* p = data_ + static_cast<size_t>(at);
        *value = static_cast<uint16_t>(p[0] | p[1] << 8);
        return true;
    }
    bool U32(uint64_t at, uint32_t* value) const {
        uint16_t low = 0, high = 0;
        if (!U16(at, &low) || !U16(at + 2, &high)) return false;
        *value = low | static_cast<uint32_t>(high) << 16;
        return true;
    }
    // A zero-terminated text that starts at `at`; false when it runs off the
    // end or past kNameMax.
    bool Text(uint64_t at, std::string* text) const {
        text->clear();
        for (uint64_t i = at; i < size_ && text->size() < kNameMax; ++i) {
            const char c = static_cast<char>(data_[static_cast<size_t>(i)]);
            if (c == 0) return true;
            text->push_back(c);
        }
        return false;
    }

private:
    const unsigned char* data_;
    uint64_t size_;
};

struct Section {
    uint32_t address;
    uint32_t span;
    uint32_t fileOffset;
};

class Image {
public:
    explicit Image(const Bytes& bytes) : bytes_(bytes) {}

    void AddSection(const Section& s) { sections_.push_back(s); }

    // The file offset of a relative virtual address, if a section holds it.
    bool Offset(uint64_t rva, uint64_t* offset) const {
        for (const Section& s : sections_) {
            if (rva >= s.address && rva - s.address < s.span) {
                *offset = s.fileOffset + (rva - s.address);
                return true;
            }
        }
        return false;
    }
    bool U32At(uint64_t rva, uint32_t* value) const {
        uint64_t at = 0;
        return Offset(rva, &at) && bytes_.U32(at, value);
    }
    bool TextAt(uint64_t rva, std::string* text) const {
        uint64_t at = 0;
        return Offset(rva, &at) && bytes_.Text(at, text);
    }

private:
    const Bytes& bytes_;
    std::vector<Section> sections_;
};

// The names one import lookup table holds: 4-byte entries in a 32-bit image,
// 8-byte ones in a 64-bit image, the top bit marking an import by ordinal,
// else the 31-bit address of a 2-byte hint and the name; a zero entry ends it.
void ReadImportedNames(const Image& image, uint32_t table, bool wide,
                       std::vector<std::string>* names) {
    const uint32_t width = wide ? 8 : 4;
    for (uint32_t i = 0; i < kTableMax; ++i) {
        const uint64_t at = table + static_cast<uint64_t>(i) * width;
        uint32_t low = 0, high = 0;
        if (!image.U32At(at, &low) || (wide && !image.U32At(at + 4, &high))) return;
        if (low == 0 && high == 0) return;
        // By ordinal, or in a 64-bit image an address beyond 31 bits: no name.
        if ((low & 0x80000000u) != 0 || high != 0) continue;
        std::string name;
        if (image.TextAt(low + 2, &name) && !name.empty()) names->push_back(name);
    }
}

void ReadImports(const Image& image, uint32_t directory, bool wide, PeFile* pe) {
    const uint32_t kDescriptorSize = 20;
    for (uint32_t i = 0; i < kTableMax; ++i) {
        const uint64_t at = directory + static_cast<uint64_t>(i) * kDescriptorSize;
        uint32_t lookup = 0, nameRva = 0, addresses = 0;
        if (!image.U32At(at + 12, &nameRva) || nameRva == 0) return;
        PeImport import;
        if (!image.TextAt(nameRva, &import.dll)) continue;
        // The lookup table, or where a linker left it out, the address
        // table, which holds the same entries until the loader binds it.
        image.U32At(at, &lookup);
        image.U32At(at + 16, &addresses);
        if (lookup != 0 || addresses != 0) {
            ReadImportedNames(image, lookup != 0 ? lookup : addresses, wide, &import.names);
        }
        pe->imports.push_back(import);
    }
}

void ReadExports(const Image& image, uint32_t directory, PeFile* pe) {
    uint32_t count = 0, names = 0;
    if (!image.U32At(directory + 24ull, &count) || !image.U32At(directory + 32ull, &names)) {
        return;
    }
    for (uint32_t i = 0; i < count && i < kTableMax; ++i) {
        uint32_t nameRva = 0;
        std::string name;
        if (!image.U32At(names + static_cast<uint64_t>(i) * 4, &nameRva)) return;
        if (image.TextAt(nameRva, &name)) pe->exports.push_back(name);
    }
}

}  // namespace

PeFile ReadPeFile(const unsigned char* data, size_t size) {
    PeFile pe;
    const Bytes bytes(data, size);
    uint16_t mz = 0;
    uint32_t peAt = 0, signature = 0;
    if (!bytes.U16(0, &mz) || mz != 0x5A4D || !bytes.U32(0x3C, &peAt) ||
        !bytes.U32(peAt, &signature) || signature != 0x00004550) {
        return pe;
    }
    const uint64_t fileHeader = static_cast<uint64_t>(peAt) + 4;
    uint16_t sections = 0, optionalSize = 0, characteristics = 0, magic = 0;
    if (!bytes.U16(fileHeader, &pe.machine) || !bytes.U16(fileHeader + 2, &sections) ||
        !bytes.U16(fileHeader + 16, &optionalSize) ||
        !bytes.U16(fileHeader + 18, &characteristics)) {
        return pe;
    }
    const uint64_t optional = fileHeader + 20;
    if (!bytes.U16(optional, &magic) || (magic != 0x10B && magic != 0x20B)) return pe;
    pe.dll = (characteristics & 0x2000) != 0;
    pe.valid = true;

    Image image(bytes);
    const uint64_t table = optional + optionalSize;
    for (uint16_t i = 0; i < sections; ++i) {
        const uint64_t at = table + static_cast<uint64_t>(i) * 40;
        uint32_t virtualSize = 0, address = 0, rawSize = 0, rawAt = 0;
        if (!bytes.U32(at + 8, &virtualSize) || !bytes.U32(at + 12, &address) ||
            !bytes.U32(at + 16, &rawSize) || !bytes.U32(at + 20, &rawAt)) {
            break;
        }
        // Only what the file holds can be read.
        const uint32_t span = virtualSize != 0 && virtualSize < rawSize ? virtualSize : rawSize;
        image.AddSection(Section{address, span, rawAt});
    }

    // The data directories: export (0) and import (1), 8 bytes each.
    const bool wide = magic == 0x20B;
    const uint64_t directories = optional + (wide ? 112 : 96);
    const uint64_t countAt = optional + (wide ? 108 : 92);
    uint32_t count = 0, exportRva = 0, importRva = 0;
    if (!bytes.U32(countAt, &count)) return pe;
    if (count > 0 && bytes.U32(directories, &exportRva) && exportRva != 0) {
        ReadExports(image, exportRva, &pe);
    }
    if (count > 1 && bytes.U32(directories + 8, &importRva) && importRva != 0) {
        ReadImports(image, importRva, wide, &pe);
    }
    return pe;
}

std::string MachineName(uint16_t machine) {
    switch (machine) {
    case 0x014C:
        return "32-bit (x86)";
    case 0x8664:
        return "64-bit (x64)";
    case 0xAA64:
        return "ARM64";
    case 0x01C4:
        return "32-bit ARM";
    default: {
        static const char digits[] = "0123456789ABCDEF";
        std::string text = "machine 0x";
        for (int shift = 12; shift >= 0; shift -= 4) text += digits[(machine >> shift) & 0xF];
        return text;
    }
    }
}

uint16_t OwnMachine() {
#if defined(_M_X64) || defined(__x86_64__)
    return 0x8664;
#elif defined(_M_IX86) || defined(__i386__)
    return 0x014C;
#elif defined(_M_ARM64) || defined(__aarch64__)
    return 0xAA64;
#else
    return 0;
#endif
}
