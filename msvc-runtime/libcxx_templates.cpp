// The template instances that libc++'s headers declare as instantiated in its
// compiled library: std::string's and std::wstring's common members and
// std::sort's for the arithmetic types (whose body the newest libc++ keeps
// there too). Newer libc++ declares them so
// whatever the configuration, and that library is not linked here, so they
// are instantiated here, from the headers' own lists, as libc++'s library
// does. Older libc++ instantiates them inline anyway; the copies here are then
// the same definitions, which the linker merges. What an image does not use,
// the linker drops (/opt:ref).
#include <algorithm>
#include <string>

_LIBCPP_BEGIN_NAMESPACE_STD

#define KESTRIX_INSTANTIATE(...) template __VA_ARGS__;
#ifdef _LIBCPP_ABI_STRING_OPTIMIZED_EXTERNAL_INSTANTIATION
_LIBCPP_STRING_UNSTABLE_EXTERN_TEMPLATE_LIST(KESTRIX_INSTANTIATE, char)
_LIBCPP_STRING_UNSTABLE_EXTERN_TEMPLATE_LIST(KESTRIX_INSTANTIATE, wchar_t)
#else
_LIBCPP_STRING_V1_EXTERN_TEMPLATE_LIST(KESTRIX_INSTANTIATE, char)
_LIBCPP_STRING_V1_EXTERN_TEMPLATE_LIST(KESTRIX_INSTANTIATE, wchar_t)
#endif
#undef KESTRIX_INSTANTIATE

template string operator+ <char, char_traits<char>, allocator<char> >(char const*, string const&);

#if _LIBCPP_VERSION >= 150000
// The header declares this one without a body, which is in libc++'s library.
// A heap sort: the same order, from the headers' public algorithms alone, so
// it holds whatever libc++'s internals look like. Only the instances below
// exist, all for arithmetic types in ascending order; the comparator is a tag
// (newer libc++ gives it no call operator).
template <class Compare, class RandomAccessIterator>
void __sort(RandomAccessIterator first, RandomAccessIterator last, Compare) {
    std::make_heap(first, last, std::less<>());
    std::sort_heap(first, last, std::less<>());
}
#endif

#define KESTRIX_INSTANTIATE_SORT(type) template void __sort<__less<type>&, type*>(type*, type*, __less<type>&);
KESTRIX_INSTANTIATE_SORT(char)
KESTRIX_INSTANTIATE_SORT(wchar_t)
KESTRIX_INSTANTIATE_SORT(signed char)
KESTRIX_INSTANTIATE_SORT(unsigned char)
KESTRIX_INSTANTIATE_SORT(short)
KESTRIX_INSTANTIATE_SORT(unsigned short)
KESTRIX_INSTANTIATE_SORT(int)
KESTRIX_INSTANTIATE_SORT(unsigned)
KESTRIX_INSTANTIATE_SORT(long)
KESTRIX_INSTANTIATE_SORT(unsigned long)
KESTRIX_INSTANTIATE_SORT(long long)
KESTRIX_INSTANTIATE_SORT(unsigned long long)
KESTRIX_INSTANTIATE_SORT(float)
KESTRIX_INSTANTIATE_SORT(double)
KESTRIX_INSTANTIATE_SORT(long double)
#undef KESTRIX_INSTANTIATE_SORT

_LIBCPP_END_NAMESPACE_STD
