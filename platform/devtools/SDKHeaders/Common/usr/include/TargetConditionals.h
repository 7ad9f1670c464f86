/*
 * TargetConditionals.h: which platform, processor and runtime the code is compiled for.
 *
 * One header serves every SDK: clang predefines the TARGET_OS_* macros for Apple target triples, and where it does
 * not, the platform is derived from the deployment-target macro that the triple sets. Every macro is defined, to 0
 * or 1, so that it can be tested with #if.
 */
#ifndef __TARGETCONDITIONALS__
#define __TARGETCONDITIONALS__

#if !defined(TARGET_OS_MAC)
#define TARGET_OS_MAC 1
#define TARGET_OS_WIN32 0
#define TARGET_OS_WINDOWS 0
#define TARGET_OS_UNIX 0
#define TARGET_OS_LINUX 0
#define TARGET_OS_DRIVERKIT 0
#define TARGET_OS_MACCATALYST 0
#define TARGET_OS_UIKITFORMAC 0
#if defined(__ENVIRONMENT_IPHONE_OS_VERSION_MIN_REQUIRED__)
#define TARGET_OS_OSX 0
#define TARGET_OS_IPHONE 1
#define TARGET_OS_IOS 1
#define TARGET_OS_TV 0
#define TARGET_OS_WATCH 0
#define TARGET_OS_VISION 0
#elif defined(__ENVIRONMENT_TV_OS_VERSION_MIN_REQUIRED__)
#define TARGET_OS_OSX 0
#define TARGET_OS_IPHONE 1
#define TARGET_OS_IOS 0
#define TARGET_OS_TV 1
#define TARGET_OS_WATCH 0
#define TARGET_OS_VISION 0
#elif defined(__ENVIRONMENT_WATCH_OS_VERSION_MIN_REQUIRED__)
#define TARGET_OS_OSX 0
#define TARGET_OS_IPHONE 1
#define TARGET_OS_IOS 0
#define TARGET_OS_TV 0
#define TARGET_OS_WATCH 1
#define TARGET_OS_VISION 0
#elif defined(__ENVIRONMENT_MAC_OS_X_VERSION_MIN_REQUIRED__) || !defined(__ENVIRONMENT_OS_VERSION_MIN_REQUIRED__)
#define TARGET_OS_OSX 1
#define TARGET_OS_IPHONE 0
#define TARGET_OS_IOS 0
#define TARGET_OS_TV 0
#define TARGET_OS_WATCH 0
#define TARGET_OS_VISION 0
#else /* visionOS sets only the platform-neutral deployment-target macro */
#define TARGET_OS_OSX 0
#define TARGET_OS_IPHONE 1
#define TARGET_OS_IOS 0
#define TARGET_OS_TV 0
#define TARGET_OS_WATCH 0
#define TARGET_OS_VISION 1
#endif
#define TARGET_OS_NANO TARGET_OS_WATCH
#if defined(__APPLE_EMBEDDED_SIMULATOR__)
#define TARGET_OS_SIMULATOR 1
#else
#define TARGET_OS_SIMULATOR 0
#endif
#define TARGET_OS_EMBEDDED (TARGET_OS_IPHONE && !TARGET_OS_SIMULATOR)
#endif /* !defined(TARGET_OS_MAC) */

#ifndef TARGET_IPHONE_SIMULATOR
#define TARGET_IPHONE_SIMULATOR TARGET_OS_SIMULATOR
#endif
#ifndef TARGET_OS_BRIDGE
#define TARGET_OS_BRIDGE 0
#endif
#ifndef TARGET_OS_XR
#define TARGET_OS_XR TARGET_OS_VISION
#endif

/* Processor */
#if defined(__arm64__) || defined(__aarch64__)
#define TARGET_CPU_ARM64 1
#else
#define TARGET_CPU_ARM64 0
#endif
#if defined(__arm__) && !TARGET_CPU_ARM64
#define TARGET_CPU_ARM 1
#else
#define TARGET_CPU_ARM 0
#endif
#if defined(__x86_64__)
#define TARGET_CPU_X86_64 1
#else
#define TARGET_CPU_X86_64 0
#endif
#if defined(__i386__)
#define TARGET_CPU_X86 1
#else
#define TARGET_CPU_X86 0
#endif
#define TARGET_CPU_PPC 0
#define TARGET_CPU_PPC64 0
#define TARGET_CPU_68K 0
#define TARGET_CPU_ALPHA 0
#define TARGET_CPU_MIPS 0
#define TARGET_CPU_SPARC 0

/* Runtime */
#define TARGET_RT_MAC_CFM 0
#define TARGET_RT_MAC_MACHO 1
#if defined(__LP64__)
#define TARGET_RT_64_BIT 1
#else
#define TARGET_RT_64_BIT 0
#endif
#if defined(__BIG_ENDIAN__)
#define TARGET_RT_BIG_ENDIAN 1
#define TARGET_RT_LITTLE_ENDIAN 0
#else
#define TARGET_RT_BIG_ENDIAN 0
#define TARGET_RT_LITTLE_ENDIAN 1
#endif

#endif /* __TARGETCONDITIONALS__ */
