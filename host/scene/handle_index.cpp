#include "host/scene/handle_index.h"

namespace {

constexpr unsigned kPointerBits = sizeof(uintptr_t) * 8;

}  // namespace

size_t HandleIndex::Slot(const void* handle) const {
    // Fibonacci hashing: the top bits of the product spread neighbouring
    // addresses over the table.
    const uintptr_t golden = sizeof(uintptr_t) == 8 ? static_cast<uintptr_t>(0x9E3779B97F4A7C15ull)
                                                    : static_cast<uintptr_t>(0x9E3779B9u);
    return static_cast<size_t>((reinterpret_cast<uintptr_t>(handle) * golden) >> shift_);
}

void HandleIndex::Rebuild(const std::vector<HandleEntry>& entries) {
    // At most half full, so that a probe ends soon.
    unsigned bits = 1;
    while ((size_t{1} << bits) < entries.size() * 2) ++bits;
    shift_ = kPointerBits - bits;
    slots_.assign(size_t{1} << bits, HandleEntry());
    const size_t mask = slots_.size() - 1;
    for (const HandleEntry& e : entries) {
        size_t i = Slot(e.handle);
        while (slots_[i].handle != nullptr) i = (i + 1) & mask;
        slots_[i] = e;
    }
}

const HandleEntry* HandleIndex::Find(const void* handle) const {
    if (handle == nullptr || slots_.empty()) return nullptr;
    const size_t mask = slots_.size() - 1;
    for (size_t i = Slot(handle);; i = (i + 1) & mask) {
        if (slots_[i].handle == handle) return &slots_[i];
        if (slots_[i].handle == nullptr) return nullptr;
    }
}
