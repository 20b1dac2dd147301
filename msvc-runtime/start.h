/* Start-up code of the Microsoft-ABI build, shared by programs and DLLs. */
#ifndef KESTRIX_MSVC_RUNTIME_START_H
#define KESTRIX_MSVC_RUNTIME_START_H

#ifdef __cplusplus
extern "C" {
#endif

/* Runs the image's C++ dynamic initialisers, in link order. */
void kestrix_run_initialisers(void);

#ifdef __cplusplus
}
#endif

#endif
