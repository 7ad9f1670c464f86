/*
 * CFAvailability.h: the availability macros of Core Foundation (CF_AVAILABLE(10_7, 5_0), CF_DEPRECATED...) and
 * the enumeration macros CF_ENUM and CF_OPTIONS, which give an enumeration a fixed underlying type and a name.
 */
#ifndef __COREFOUNDATION_CFAVAILABILITY__
#define __COREFOUNDATION_CFAVAILABILITY__

#include <TargetConditionals.h>
#include <Availability.h>
#include <os/availability.h>

/* Versions in the underscore form (10_7) or NA. */
#define CF_AVAILABLE(_mac, _ios) __AVAILABILITY_INTRODUCED(macos, _mac) __AVAILABILITY_INTRODUCED(ios, _ios)
#define CF_AVAILABLE_MAC(_mac) __AVAILABILITY_INTRODUCED(macos, _mac) __AVAILABILITY_INTRODUCED(ios, NA)
#define CF_AVAILABLE_IOS(_ios) __AVAILABILITY_INTRODUCED(macos, NA) __AVAILABILITY_INTRODUCED(ios, _ios)
#define CF_DEPRECATED(_macIntro, _macDep, _iosIntro, _iosDep, ...)                                                   \
    __AVAILABILITY_DEPRECATED(macos, _macIntro, _macDep, __VA_ARGS__)                                                \
    __AVAILABILITY_DEPRECATED(ios, _iosIntro, _iosDep, __VA_ARGS__)
#define CF_DEPRECATED_MAC(_macIntro, _macDep, ...)                                                                   \
    __AVAILABILITY_DEPRECATED(macos, _macIntro, _macDep, __VA_ARGS__) __AVAILABILITY_INTRODUCED(ios, NA)
#define CF_DEPRECATED_IOS(_iosIntro, _iosDep, ...)                                                                   \
    __AVAILABILITY_INTRODUCED(macos, NA) __AVAILABILITY_DEPRECATED(ios, _iosIntro, _iosDep, __VA_ARGS__)
#define CF_ENUM_AVAILABLE(_mac, _ios) CF_AVAILABLE(_mac, _ios)
#define CF_ENUM_AVAILABLE_MAC(_mac) CF_AVAILABLE_MAC(_mac)
#define CF_ENUM_AVAILABLE_IOS(_ios) CF_AVAILABLE_IOS(_ios)
#define CF_ENUM_DEPRECATED(_macIntro, _macDep, _iosIntro, _iosDep, ...)                                              \
    CF_DEPRECATED(_macIntro, _macDep, _iosIntro, _iosDep, __VA_ARGS__)
#define CF_ENUM_DEPRECATED_MAC(_macIntro, _macDep, ...) CF_DEPRECATED_MAC(_macIntro, _macDep, __VA_ARGS__)
#define CF_ENUM_DEPRECATED_IOS(_iosIntro, _iosDep, ...) CF_DEPRECATED_IOS(_iosIntro, _iosDep, __VA_ARGS__)

#define CF_SWIFT_UNAVAILABLE(_msg) __attribute__((availability(swift, unavailable, message = _msg)))
#define CF_SWIFT_NAME(_name)
#define CF_REFINED_FOR_SWIFT __attribute__((swift_private))
#define CF_SWIFT_BRIDGED_TYPEDEF __attribute__((swift_bridged_typedef))

/*
 * CF_ENUM(type, name) and CF_OPTIONS(type, name), written after typedef: the enumeration gets the fixed underlying
 * type where the language has one (Objective-C, C++11), else the name becomes a typedef of the type. Option sets
 * are flag enumerations; in C++ their name is the integer type, so that combining options needs no cast.
 */
#define __CF_ENUM_ATTRIBUTES __attribute__((enum_extensibility(open)))
#define __CF_CLOSED_ENUM_ATTRIBUTES __attribute__((enum_extensibility(closed)))
#define __CF_OPTIONS_ATTRIBUTES __attribute__((flag_enum, enum_extensibility(open)))

#if (defined(__cplusplus) && __cplusplus >= 201103L &&                                                               \
     (__has_extension(cxx_strong_enums) || __has_feature(objc_fixed_enum))) ||                                       \
    (!defined(__cplusplus) && __has_feature(objc_fixed_enum))
#define __CF_NAMED_ENUM(_type, _name)                                                                                \
    enum __CF_ENUM_ATTRIBUTES _name : _type _name;                                                                    \
    enum _name : _type
#define __CF_ANON_ENUM(_type) enum __CF_ENUM_ATTRIBUTES : _type
#define CF_CLOSED_ENUM(_type, _name)                                                                                 \
    enum __CF_CLOSED_ENUM_ATTRIBUTES _name : _type _name;                                                             \
    enum _name : _type
#if defined(__cplusplus)
#define CF_OPTIONS(_type, _name)                                                                                     \
    _type _name;                                                                                                     \
    enum __CF_OPTIONS_ATTRIBUTES : _name
#else
#define CF_OPTIONS(_type, _name)                                                                                     \
    enum __CF_OPTIONS_ATTRIBUTES _name : _type _name;                                                                 \
    enum _name : _type
#endif
#else
#define __CF_NAMED_ENUM(_type, _name)                                                                                \
    _type _name;                                                                                                     \
    enum
#define __CF_ANON_ENUM(_type) enum
#define CF_CLOSED_ENUM(_type, _name)                                                                                 \
    _type _name;                                                                                                     \
    enum
#define CF_OPTIONS(_type, _name)                                                                                     \
    _type _name;                                                                                                     \
    enum
#endif

/* One argument: an anonymous enumeration; two: a named one. */
#define __CF_ENUM_GET_MACRO(_1, _2, NAME, ...) NAME
#define CF_ENUM(...) __CF_ENUM_GET_MACRO(__VA_ARGS__, __CF_NAMED_ENUM, __CF_ANON_ENUM, )(__VA_ARGS__)

#define _CF_TYPED_ENUM __attribute__((swift_wrapper(enum)))
#define _CF_TYPED_EXTENSIBLE_ENUM __attribute__((swift_wrapper(struct)))
#define CF_STRING_ENUM _CF_TYPED_ENUM
#define CF_EXTENSIBLE_STRING_ENUM _CF_TYPED_EXTENSIBLE_ENUM
#define CF_TYPED_ENUM _CF_TYPED_ENUM
#define CF_TYPED_EXTENSIBLE_ENUM _CF_TYPED_EXTENSIBLE_ENUM
#define __CF_ERROR_ENUM_GET_MACRO(_1, _2, NAME, ...) NAME
#define __CF_NAMED_ERROR_ENUM(_domain, _name)                                                                        \
    enum __attribute__((ns_error_domain(_domain))) _name : CFIndex _name;                                            \
    enum _name : CFIndex
#define __CF_ANON_ERROR_ENUM(_domain) enum __attribute__((ns_error_domain(_domain))) : CFIndex
#define CF_ERROR_ENUM(...) __CF_ERROR_ENUM_GET_MACRO(__VA_ARGS__, __CF_NAMED_ERROR_ENUM, __CF_ANON_ERROR_ENUM, )(__VA_ARGS__)

#endif /* __COREFOUNDATION_CFAVAILABILITY__ */
