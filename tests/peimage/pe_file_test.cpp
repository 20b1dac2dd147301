// Reading an image's imports from its file's bytes, for 32-bit and 64-bit
// images, whole and cut short.
#include <stdint.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "peimage/pe_file.h"

namespace {

const char kHostDll[] = "kestrix.exe";
const char kSystemDll[] = "KERNEL32.dll";
const char kFirstName[] = "_Z12kapiIsVesselPv";
const char kSecondName[] = "kapiGetVesselCount";
const char kSystemName[] = "Sleep";

// A DLL of one section (file offset 0x400, address 0x1000) that imports two
// names and an ordinal from kestrix.exe through a lookup table, and one name
// from KERNEL32.dll through its address table alone.
class TestImage {
public:
    explicit TestImage(bool wide) : bytes_(0x600), wide_(wide) {
        const uint32_t optional = 0x58, optionalSize = wide ? 240 : 224;
        Put(0, 0x5A4D, 2);
        Put(0x3C, 0x40, 4);
        Put(0x40, 0x00004550, 4);
        Put(0x44, wide ? 0x8664 : 0x014C, 2);
        Put(0x46, 1, 2);  // one section
        Put(0x54, optionalSize, 2);
        Put(0x56, 0x2002, 2);  // an executable DLL
        Put(optional, wide ? 0x20B : 0x10B, 2);
        Put(optional + (wide ? 108 : 92), 16, 4);         // data directories
        Put(optional + (wide ? 112 : 96) + 8, 0x1000, 4);  // the import table
        const uint32_t section = optional + optionalSize;
        Put(section + 8, 0x200, 4);
        Put(section + 12, 0x1000, 4);
        Put(section + 16, 0x200, 4);
        Put(section + 20, 0x400, 4);

        Descriptor(0, 0x1100, 0x1080, 0x1140);
        Descriptor(1, 0, 0x1090, 0x1180);  // the third stays zero: the end
        Text(0x1080, kHostDll);
        Text(0x1090, kSystemDll);
        Text(0x11C2, kFirstName);
        Text(0x11E2, kSecondName);
        Text(0x11A2, kSystemName);
        // The ordinal's low 32 bits are the first name's address: in a 64-bit
        // image, whose flag is bit 63, a reader that looks for it in bit 31
        // would give that name twice.
        Entry(0x1100, 0, 0x11C0);
        Entry(0x1100, 1, 0x11C0, true);
        Entry(0x1100, 2, 0x11E0);
        Entry(0x1180, 0, 0x11A0);
    }

    const std::vector<unsigned char>& Bytes() const { return bytes_; }

private:
    void Put(uint32_t at, uint64_t value, int width) {
        for (int i = 0; i < width; ++i) {
            bytes_.at(at + i) = static_cast<unsigned char>(value >> 8 * i);
        }
    }
    static uint32_t FileAt(uint32_t rva) { return rva - 0x1000 + 0x400; }
    void Descriptor(int index, uint32_t lookup, uint32_t name, uint32_t addresses) {
        const uint32_t at = FileAt(0x1000) + 20 * index;
        Put(at, lookup, 4);
        Put(at + 12, name, 4);
        Put(at + 16, addresses, 4);
    }
    void Text(uint32_t rva, const std::string& text) {
        for (size_t i = 0; i < text.size(); ++i) Put(FileAt(rva) + i, text[i], 1);
    }
    void Entry(uint32_t table, int index, uint32_t value, bool ordinal = false) {
        const int width = wide_ ? 8 : 4;
        const uint64_t flag = ordinal ? (wide_ ? 1ull << 63 : 1ull << 31) : 0;
        Put(FileAt(table) + width * index, value | flag, width);
    }

    std::vector<unsigned char> bytes_;
    bool wide_;
};

TEST(PeFile, GivesEachImportedDllTheNamesItImportsAndLeavesOrdinalsOut) {
    for (bool wide : {false, true}) {
        SCOPED_TRACE(wide ? "64-bit image" : "32-bit image");
        const TestImage image(wide);
        const PeFile pe = ReadPeFile(image.Bytes().data(), image.Bytes().size());
        EXPECT_TRUE(pe.valid);
        EXPECT_TRUE(pe.dll);
        EXPECT_EQ(pe.machine, wide ? 0x8664 : 0x014C);
        ASSERT_EQ(pe.imports.size(), 2u);
        EXPECT_EQ(pe.imports[0].dll, kHostDll);
        EXPECT_EQ(pe.imports[0].names, (std::vector<std::string>{kFirstName, kSecondName}));
        EXPECT_EQ(pe.imports[1].dll, kSystemDll);
        EXPECT_EQ(pe.imports[1].names, std::vector<std::string>{kSystemName});
    }
}

// Each cut is handed over in a buffer of exactly its size, so that a read
// beyond it is caught where the sanitizers run.
TEST(PeFile, ImageCutShortGivesOnlyWhatItHolds) {
    for (bool wide : {false, true}) {
        const TestImage image(wide);
        const std::vector<unsigned char>& whole = image.Bytes();
        for (size_t size = 0; size < whole.size(); ++size) {
            SCOPED_TRACE(std::string(wide ? "64-bit" : "32-bit") + " image cut at " +
                         std::to_string(size));
            const std::vector<unsigned char> cut(whole.begin(), whole.begin() + size);
            const PeFile pe = ReadPeFile(cut.data(), cut.size());
            for (const PeImport& import : pe.imports) {
                EXPECT_TRUE(import.dll == kHostDll || import.dll == kSystemDll) << import.dll;
                for (const std::string& name : import.names) {
                    EXPECT_TRUE(name == kFirstName || name == kSecondName || name == kSystemName)
                        << name;
                }
            }
        }
    }
}

}  // namespace
