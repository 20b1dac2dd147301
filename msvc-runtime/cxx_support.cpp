// The few compiled parts of a C++ runtime that the sources need and that the
// UCRT does not export: the global allocation functions, and type_info's
// vtable and comparison, which RTTI needs.
#include <malloc.h>
#include <stdlib.h>
#include <string.h>

#include <cstddef>
#include <new>
#include <typeinfo>

namespace {

void* Allocate(std::size_t size) {
    return malloc(size != 0 ? size : 1);
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    return _aligned_malloc(size != 0 ? size : 1, static_cast<std::size_t>(alignment));
}

// Exceptions are off: a failed allocation ends the process, as an uncaught
// std::bad_alloc would.
void* AllocateOrAbort(void* block) {
    if (block == nullptr) abort();
    return block;
}

}  // namespace

// The tag object of new (std::nothrow); libc++ declares it in <new> and
// defines it in its compiled library.
const std::nothrow_t std::nothrow{};

void* operator new(std::size_t size) { return AllocateOrAbort(Allocate(size)); }
void* operator new[](std::size_t size) { return AllocateOrAbort(Allocate(size)); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { free(block); }
void operator delete[](void* block) noexcept { free(block); }
void operator delete(void* block, std::size_t) noexcept { free(block); }
void operator delete[](void* block, std::size_t) noexcept { free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { free(block); }

void* operator new(std::size_t size, std::align_val_t a) {
    return AllocateOrAbort(AllocateAligned(size, a));
}
void* operator new[](std::size_t size, std::align_val_t a) {
    return AllocateOrAbort(AllocateAligned(size, a));
}
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return AllocateAligned(size, a);
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return AllocateAligned(size, a);
}
void operator delete(void* block, std::align_val_t) noexcept { _aligned_free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { _aligned_free(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { _aligned_free(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
    _aligned_free(block);
}
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept {
    _aligned_free(block);
}
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
    _aligned_free(block);
}

// Every RTTI type descriptor starts with a pointer to the vtable of the
// global ::type_info. Its one slot, the deleting destructor, is never called
// on a descriptor (they are static data); a host's dynamic_cast compares
// descriptors, not this table.
namespace {
#if defined(_M_IX86)
void* __attribute__((thiscall)) DestroyTypeInfo(void* self, unsigned) { return self; }
#else
void* DestroyTypeInfo(void* self, unsigned) { return self; }
#endif
}  // namespace
extern "C" void* const kestrix_type_info_vftable[1] __asm__("??_7type_info@@6B@") = {
    reinterpret_cast<void*>(&DestroyTypeInfo)};

// Two descriptors of one type may lie in two images; their decorated names
// tell them apart (the first character is a marker).
int std::type_info::__compare(const type_info& other) const noexcept {
    if (this == &other) return 0;
    return strcmp(__data.__decorated_name + 1, other.__data.__decorated_name + 1);
}
