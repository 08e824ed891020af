// Where the two builds differ: calling convention, exports and record packing.
#pragma once

#include <cstdint>

// On 32-bit Windows the host calls every module entry point, and offers every
// service, with the __stdcall convention.
#if defined(_WIN32) && defined(__i386__)
#define GAUGE_CALL __stdcall
#else
#define GAUGE_CALL
#endif

#if UINTPTR_MAX == 0xFFFFFFFFu
#define GAUGE_32BIT 1
#else
#define GAUGE_32BIT 0
#endif

// The two exported records. Everything else in a module stays hidden: the export
// list (exports.def, exports.map) names only these, and this marks them.
// Declarations use `extern "C" GAUGE_EXPORT`; the definitions, which follow the
// declarations, use `GAUGE_EXPORT` alone and keep the C name.
#if defined(_WIN32)
#define GAUGE_EXPORT __declspec(dllexport)
#else
#define GAUGE_EXPORT __attribute__((visibility("default")))
#endif

// The records pack to 4 bytes so a double that the host expects at offset 12
// stays there on a 32-bit target (Windows would otherwise align it to 8).
#define GAUGE_PACK_BEGIN _Pragma("pack(push, 4)")
#define GAUGE_PACK_END _Pragma("pack(pop)")
