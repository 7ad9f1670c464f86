/*
 * Availability.h: the version constants of the Apple platforms, the deployment target and SDK version of the
 * compilation, and the older availability macros (__OSX_AVAILABLE_STARTING, __IOS_AVAILABLE, ...). Every macro
 * that marks a declaration expands to clang's availability attribute, so that the compiler knows when an API
 * appeared, was deprecated or is unavailable on each platform.
 */
#ifndef __AVAILABILITY__
#define __AVAILABILITY__

/* Version constants: major * 10000 + minor * 100 + patch (macOS 10.0 to 10.9: 1000 + minor * 10 + patch). */
#define __MAC_NA 9999
#define __MAC_10_0 1000
#define __MAC_10_1 1010
#define __MAC_10_2 1020
#define __MAC_10_3 1030
#define __MAC_10_4 1040
#define __MAC_10_5 1050
#define __MAC_10_6 1060
#define __MAC_10_7 1070
#define __MAC_10_8 1080
#define __MAC_10_9 1090
#define __MAC_10_10 101000
#define __MAC_10_10_1 101001
#define __MAC_10_10_2 101002
#define __MAC_10_10_3 101003
#define __MAC_10_10_4 101004
#define __MAC_10_10_5 101005
#define __MAC_10_10_6 101006
#define __MAC_10_11 101100
#define __MAC_10_11_1 101101
#define __MAC_10_11_2 101102
#define __MAC_10_11_3 101103
#define __MAC_10_11_4 101104
#define __MAC_10_11_5 101105
#define __MAC_10_11_6 101106
#define __MAC_10_12 101200
#define __MAC_10_12_1 101201
#define __MAC_10_12_2 101202
#define __MAC_10_12_3 101203
#define __MAC_10_12_4 101204
#define __MAC_10_12_5 101205
#define __MAC_10_12_6 101206
#define __MAC_10_13 101300
#define __MAC_10_13_1 101301
#define __MAC_10_13_2 101302
#define __MAC_10_13_3 101303
#define __MAC_10_13_4 101304
#define __MAC_10_13_5 101305
#define __MAC_10_13_6 101306
#define __MAC_10_14 101400
#define __MAC_10_14_1 101401
#define __MAC_10_14_2 101402
#define __MAC_10_14_3 101403
#define __MAC_10_14_4 101404
#define __MAC_10_14_5 101405
#define __MAC_10_14_6 101406
#define __MAC_10_15 101500
#define __MAC_10_15_1 101501
#define __MAC_10_15_2 101502
#define __MAC_10_15_3 101503
#define __MAC_10_15_4 101504
#define __MAC_10_15_5 101505
#define __MAC_10_15_6 101506
#define __MAC_10_16 101600
#define __MAC_11_0 110000
#define __MAC_11_1 110100
#define __MAC_11_2 110200
#define __MAC_11_3 110300
#define __MAC_11_4 110400
#define __MAC_11_5 110500
#define __MAC_11_6 110600
#define __MAC_12_0 120000
#define __MAC_12_1 120100
#define __MAC_12_2 120200
#define __MAC_12_3 120300
#define __MAC_12_4 120400
#define __MAC_12_5 120500
#define __MAC_12_6 120600
#define __MAC_13_0 130000
#define __MAC_13_1 130100
#define __MAC_13_2 130200
#define __MAC_13_3 130300
#define __MAC_13_4 130400
#define __MAC_13_5 130500
#define __MAC_13_6 130600
#define __MAC_14_0 140000
#define __MAC_14_1 140100
#define __MAC_14_2 140200
#define __MAC_14_3 140300
#define __MAC_14_4 140400
#define __MAC_14_5 140500
#define __MAC_14_6 140600
#define __MAC_15_0 150000
#define __MAC_15_1 150100
#define __MAC_15_2 150200
#define __MAC_15_3 150300
#define __MAC_15_4 150400
#define __MAC_15_5 150500
#define __MAC_15_6 150600
#define __IPHONE_NA 99999
#define __IPHONE_2_0 20000
#define __IPHONE_2_1 20100
#define __IPHONE_2_2 20200
#define __IPHONE_2_3 20300
#define __IPHONE_2_4 20400
#define __IPHONE_3_0 30000
#define __IPHONE_3_1 30100
#define __IPHONE_3_2 30200
#define __IPHONE_3_3 30300
#define __IPHONE_3_4 30400
#define __IPHONE_4_0 40000
#define __IPHONE_4_1 40100
#define __IPHONE_4_2 40200
#define __IPHONE_4_3 40300
#define __IPHONE_4_4 40400
#define __IPHONE_5_0 50000
#define __IPHONE_5_1 50100
#define __IPHONE_5_2 50200
#define __IPHONE_5_3 50300
#define __IPHONE_5_4 50400
#define __IPHONE_6_0 60000
#define __IPHONE_6_1 60100
#define __IPHONE_6_2 60200
#define __IPHONE_6_3 60300
#define __IPHONE_6_4 60400
#define __IPHONE_7_0 70000
#define __IPHONE_7_1 70100
#define __IPHONE_7_2 70200
#define __IPHONE_7_3 70300
#define __IPHONE_7_4 70400
#define __IPHONE_8_0 80000
#define __IPHONE_8_1 80100
#define __IPHONE_8_2 80200
#define __IPHONE_8_3 80300
#define __IPHONE_8_4 80400
#define __IPHONE_9_0 90000
#define __IPHONE_9_1 90100
#define __IPHONE_9_2 90200
#define __IPHONE_9_3 90300
#define __IPHONE_9_4 90400
#define __IPHONE_10_0 100000
#define __IPHONE_10_1 100100
#define __IPHONE_10_2 100200
#define __IPHONE_10_3 100300
#define __IPHONE_10_4 100400
#define __IPHONE_10_5 100500
#define __IPHONE_10_6 100600
#define __IPHONE_11_0 110000
#define __IPHONE_11_1 110100
#define __IPHONE_11_2 110200
#define __IPHONE_11_3 110300
#define __IPHONE_11_4 110400
#define __IPHONE_11_5 110500
#define __IPHONE_11_6 110600
#define __IPHONE_12_0 120000
#define __IPHONE_12_1 120100
#define __IPHONE_12_2 120200
#define __IPHONE_12_3 120300
#define __IPHONE_12_4 120400
#define __IPHONE_12_5 120500
#define __IPHONE_12_6 120600
#define __IPHONE_13_0 130000
#define __IPHONE_13_1 130100
#define __IPHONE_13_2 130200
#define __IPHONE_13_3 130300
#define __IPHONE_13_4 130400
#define __IPHONE_13_5 130500
#define __IPHONE_13_6 130600
#define __IPHONE_14_0 140000
#define __IPHONE_14_1 140100
#define __IPHONE_14_2 140200
#define __IPHONE_14_3 140300
#define __IPHONE_14_4 140400
#define __IPHONE_14_5 140500
#define __IPHONE_14_6 140600
#define __IPHONE_15_0 150000
#define __IPHONE_15_1 150100
#define __IPHONE_15_2 150200
#define __IPHONE_15_3 150300
#define __IPHONE_15_4 150400
#define __IPHONE_15_5 150500
#define __IPHONE_15_6 150600
#define __IPHONE_16_0 160000
#define __IPHONE_16_1 160100
#define __IPHONE_16_2 160200
#define __IPHONE_16_3 160300
#define __IPHONE_16_4 160400
#define __IPHONE_16_5 160500
#define __IPHONE_16_6 160600
#define __IPHONE_17_0 170000
#define __IPHONE_17_1 170100
#define __IPHONE_17_2 170200
#define __IPHONE_17_3 170300
#define __IPHONE_17_4 170400
#define __IPHONE_17_5 170500
#define __IPHONE_17_6 170600
#define __IPHONE_18_0 180000
#define __IPHONE_18_1 180100
#define __IPHONE_18_2 180200
#define __IPHONE_18_3 180300
#define __IPHONE_18_4 180400
#define __IPHONE_18_5 180500
#define __IPHONE_18_6 180600
#define __TVOS_NA 99999
#define __TVOS_9_0 90000
#define __TVOS_9_1 90100
#define __TVOS_9_2 90200
#define __TVOS_9_3 90300
#define __TVOS_9_4 90400
#define __TVOS_10_0 100000
#define __TVOS_10_1 100100
#define __TVOS_10_2 100200
#define __TVOS_10_3 100300
#define __TVOS_10_4 100400
#define __TVOS_11_0 110000
#define __TVOS_11_1 110100
#define __TVOS_11_2 110200
#define __TVOS_11_3 110300
#define __TVOS_11_4 110400
#define __TVOS_12_0 120000
#define __TVOS_12_1 120100
#define __TVOS_12_2 120200
#define __TVOS_12_3 120300
#define __TVOS_12_4 120400
#define __TVOS_13_0 130000
#define __TVOS_13_1 130100
#define __TVOS_13_2 130200
#define __TVOS_13_3 130300
#define __TVOS_13_4 130400
#define __TVOS_14_0 140000
#define __TVOS_14_1 140100
#define __TVOS_14_2 140200
#define __TVOS_14_3 140300
#define __TVOS_14_4 140400
#define __TVOS_15_0 150000
#define __TVOS_15_1 150100
#define __TVOS_15_2 150200
#define __TVOS_15_3 150300
#define __TVOS_15_4 150400
#define __TVOS_16_0 160000
#define __TVOS_16_1 160100
#define __TVOS_16_2 160200
#define __TVOS_16_3 160300
#define __TVOS_16_4 160400
#define __TVOS_17_0 170000
#define __TVOS_17_1 170100
#define __TVOS_17_2 170200
#define __TVOS_17_3 170300
#define __TVOS_17_4 170400
#define __TVOS_18_0 180000
#define __TVOS_18_1 180100
#define __TVOS_18_2 180200
#define __TVOS_18_3 180300
#define __TVOS_18_4 180400
#define __WATCHOS_NA 99999
#define __WATCHOS_1_0 10000
#define __WATCHOS_1_1 10100
#define __WATCHOS_1_2 10200
#define __WATCHOS_1_3 10300
#define __WATCHOS_1_4 10400
#define __WATCHOS_2_0 20000
#define __WATCHOS_2_1 20100
#define __WATCHOS_2_2 20200
#define __WATCHOS_2_3 20300
#define __WATCHOS_2_4 20400
#define __WATCHOS_3_0 30000
#define __WATCHOS_3_1 30100
#define __WATCHOS_3_2 30200
#define __WATCHOS_3_3 30300
#define __WATCHOS_3_4 30400
#define __WATCHOS_4_0 40000
#define __WATCHOS_4_1 40100
#define __WATCHOS_4_2 40200
#define __WATCHOS_4_3 40300
#define __WATCHOS_4_4 40400
#define __WATCHOS_5_0 50000
#define __WATCHOS_5_1 50100
#define __WATCHOS_5_2 50200
#define __WATCHOS_5_3 50300
#define __WATCHOS_5_4 50400
#define __WATCHOS_6_0 60000
#define __WATCHOS_6_1 60100
#define __WATCHOS_6_2 60200
#define __WATCHOS_6_3 60300
#define __WATCHOS_6_4 60400
#define __WATCHOS_7_0 70000
#define __WATCHOS_7_1 70100
#define __WATCHOS_7_2 70200
#define __WATCHOS_7_3 70300
#define __WATCHOS_7_4 70400
#define __WATCHOS_8_0 80000
#define __WATCHOS_8_1 80100
#define __WATCHOS_8_2 80200
#define __WATCHOS_8_3 80300
#define __WATCHOS_8_4 80400
#define __WATCHOS_9_0 90000
#define __WATCHOS_9_1 90100
#define __WATCHOS_9_2 90200
#define __WATCHOS_9_3 90300
#define __WATCHOS_9_4 90400
#define __WATCHOS_10_0 100000
#define __WATCHOS_10_1 100100
#define __WATCHOS_10_2 100200
#define __WATCHOS_10_3 100300
#define __WATCHOS_10_4 100400
#define __WATCHOS_11_0 110000
#define __WATCHOS_11_1 110100
#define __WATCHOS_11_2 110200
#define __WATCHOS_11_3 110300
#define __WATCHOS_11_4 110400
#define __VISIONOS_NA 99999
#define __VISIONOS_1_0 10000
#define __VISIONOS_1_1 10100
#define __VISIONOS_1_2 10200
#define __VISIONOS_2_0 20000
#define __VISIONOS_2_1 20100
#define __VISIONOS_2_2 20200

/* The deployment target (from the -target triple) and the version of this SDK. */
#if defined(__ENVIRONMENT_IPHONE_OS_VERSION_MIN_REQUIRED__)
#define __IPHONE_OS_VERSION_MIN_REQUIRED __ENVIRONMENT_IPHONE_OS_VERSION_MIN_REQUIRED__
#define __IPHONE_OS_VERSION_MAX_ALLOWED __IPHONE_18_0
#elif defined(__ENVIRONMENT_TV_OS_VERSION_MIN_REQUIRED__)
#define __TV_OS_VERSION_MIN_REQUIRED __ENVIRONMENT_TV_OS_VERSION_MIN_REQUIRED__
#define __TV_OS_VERSION_MAX_ALLOWED __TVOS_18_0
/* For code that tests the iOS version only: tvOS began where iOS 9 was. */
#define __IPHONE_OS_VERSION_MIN_REQUIRED 90000
#elif defined(__ENVIRONMENT_WATCH_OS_VERSION_MIN_REQUIRED__)
#define __WATCH_OS_VERSION_MIN_REQUIRED __ENVIRONMENT_WATCH_OS_VERSION_MIN_REQUIRED__
#define __WATCH_OS_VERSION_MAX_ALLOWED __WATCHOS_11_0
/* For code that tests the iOS version only, as on tvOS. */
#define __IPHONE_OS_VERSION_MIN_REQUIRED 90000
#elif defined(__ENVIRONMENT_MAC_OS_X_VERSION_MIN_REQUIRED__)
#define __MAC_OS_X_VERSION_MIN_REQUIRED __ENVIRONMENT_MAC_OS_X_VERSION_MIN_REQUIRED__
#define __MAC_OS_X_VERSION_MAX_ALLOWED __MAC_15_0
#elif defined(__ENVIRONMENT_OS_VERSION_MIN_REQUIRED__)
/* visionOS: the only Apple platform for which the compiler sets no platform-specific macro. */
#define __VISION_OS_VERSION_MIN_REQUIRED __ENVIRONMENT_OS_VERSION_MIN_REQUIRED__
#define __VISION_OS_VERSION_MAX_ALLOWED __VISIONOS_2_0
#endif

/*
 * Helpers. A version given in the underscore form (10_7, 5_0), in the dotted form (10.12, 10.12.2) or as NA becomes
 * an availability attribute. NA is recognised by pasting a probe suffix onto the version: NA becomes a macro name
 * that turns into two arguments, a number stays one preprocessing number (pasting in front of a dotted number
 * would not form a valid token).
 */
#define __AVAILABILITY_CAT(a, b) __AVAILABILITY_CAT_I(a, b)
#define __AVAILABILITY_CAT_I(a, b) a##b
#define __AVAILABILITY_SECOND(a, b, ...) b
#define __AVAILABILITY_PROBE(...) __AVAILABILITY_SECOND(__VA_ARGS__, 0, 0)
#define NA__AVAILABILITY_NA_PROBE__ ~, 1
#define __AVAILABILITY_IS_NA(version) __AVAILABILITY_PROBE(version##__AVAILABILITY_NA_PROBE__)

#define __AVAILABILITY_INTRODUCED(platform, version)                                                                 \
    __AVAILABILITY_CAT(__AVAILABILITY_INTRODUCED_, __AVAILABILITY_IS_NA(version))(platform, version)
#define __AVAILABILITY_INTRODUCED_0(platform, version) __attribute__((availability(platform, introduced = version)))
#define __AVAILABILITY_INTRODUCED_1(platform, version) __attribute__((availability(platform, unavailable)))

#define __AVAILABILITY_DEPRECATED(platform, introduced, deprecated, ...)                                             \
    __AVAILABILITY_CAT(__AVAILABILITY_DEPRECATED_, __AVAILABILITY_IS_NA(introduced))(platform, introduced, deprecated, \
                                                                                   __VA_ARGS__)
#define __AVAILABILITY_DEPRECATED_0(platform, introduced, deprecated, ...)                                           \
    __AVAILABILITY_CAT(__AVAILABILITY_DEPRECATED_IN_, __AVAILABILITY_IS_NA(deprecated))(platform, introduced,          \
                                                                                      deprecated, __VA_ARGS__)
/* Deprecated in a version, or (NA) never deprecated on that platform. */
#define __AVAILABILITY_DEPRECATED_IN_0(platform, introduced_version, deprecated_version, ...)                         \
    __attribute__((availability(platform, introduced = introduced_version,                                            \
                                deprecated = deprecated_version __VA_OPT__(, message = __VA_ARGS__))))
#define __AVAILABILITY_DEPRECATED_IN_1(platform, introduced_version, deprecated_version, ...)                         \
    __attribute__((availability(platform, introduced = introduced_version)))
#define __AVAILABILITY_DEPRECATED_1(platform, introduced_version, deprecated_version, ...)                            \
    __attribute__((availability(platform, unavailable)))

/* The constant names (__MAC_10_6, __IPHONE_4_0) in the underscore form of versions. */
#define __AVAILABILITY_VERSION___MAC_NA NA
#define __AVAILABILITY_VERSION___MAC_10_0 10_0
#define __AVAILABILITY_VERSION___MAC_10_1 10_1
#define __AVAILABILITY_VERSION___MAC_10_2 10_2
#define __AVAILABILITY_VERSION___MAC_10_3 10_3
#define __AVAILABILITY_VERSION___MAC_10_4 10_4
#define __AVAILABILITY_VERSION___MAC_10_5 10_5
#define __AVAILABILITY_VERSION___MAC_10_6 10_6
#define __AVAILABILITY_VERSION___MAC_10_7 10_7
#define __AVAILABILITY_VERSION___MAC_10_8 10_8
#define __AVAILABILITY_VERSION___MAC_10_9 10_9
#define __AVAILABILITY_VERSION___MAC_10_10 10_10
#define __AVAILABILITY_VERSION___MAC_10_10_1 10_10_1
#define __AVAILABILITY_VERSION___MAC_10_10_2 10_10_2
#define __AVAILABILITY_VERSION___MAC_10_10_3 10_10_3
#define __AVAILABILITY_VERSION___MAC_10_10_4 10_10_4
#define __AVAILABILITY_VERSION___MAC_10_10_5 10_10_5
#define __AVAILABILITY_VERSION___MAC_10_10_6 10_10_6
#define __AVAILABILITY_VERSION___MAC_10_11 10_11
#define __AVAILABILITY_VERSION___MAC_10_11_1 10_11_1
#define __AVAILABILITY_VERSION___MAC_10_11_2 10_11_2
#define __AVAILABILITY_VERSION___MAC_10_11_3 10_11_3
#define __AVAILABILITY_VERSION___MAC_10_11_4 10_11_4
#define __AVAILABILITY_VERSION___MAC_10_11_5 10_11_5
#define __AVAILABILITY_VERSION___MAC_10_11_6 10_11_6
#define __AVAILABILITY_VERSION___MAC_10_12 10_12
#define __AVAILABILITY_VERSION___MAC_10_12_1 10_12_1
#define __AVAILABILITY_VERSION___MAC_10_12_2 10_12_2
#define __AVAILABILITY_VERSION___MAC_10_12_3 10_12_3
#define __AVAILABILITY_VERSION___MAC_10_12_4 10_12_4
#define __AVAILABILITY_VERSION___MAC_10_12_5 10_12_5
#define __AVAILABILITY_VERSION___MAC_10_12_6 10_12_6
#define __AVAILABILITY_VERSION___MAC_10_13 10_13
#define __AVAILABILITY_VERSION___MAC_10_13_1 10_13_1
#define __AVAILABILITY_VERSION___MAC_10_13_2 10_13_2
#define __AVAILABILITY_VERSION___MAC_10_13_3 10_13_3
#define __AVAILABILITY_VERSION___MAC_10_13_4 10_13_4
#define __AVAILABILITY_VERSION___MAC_10_13_5 10_13_5
#define __AVAILABILITY_VERSION___MAC_10_13_6 10_13_6
#define __AVAILABILITY_VERSION___MAC_10_14 10_14
#define __AVAILABILITY_VERSION___MAC_10_14_1 10_14_1
#define __AVAILABILITY_VERSION___MAC_10_14_2 10_14_2
#define __AVAILABILITY_VERSION___MAC_10_14_3 10_14_3
#define __AVAILABILITY_VERSION___MAC_10_14_4 10_14_4
#define __AVAILABILITY_VERSION___MAC_10_14_5 10_14_5
#define __AVAILABILITY_VERSION___MAC_10_14_6 10_14_6
#define __AVAILABILITY_VERSION___MAC_10_15 10_15
#define __AVAILABILITY_VERSION___MAC_10_15_1 10_15_1
#define __AVAILABILITY_VERSION___MAC_10_15_2 10_15_2
#define __AVAILABILITY_VERSION___MAC_10_15_3 10_15_3
#define __AVAILABILITY_VERSION___MAC_10_15_4 10_15_4
#define __AVAILABILITY_VERSION___MAC_10_15_5 10_15_5
#define __AVAILABILITY_VERSION___MAC_10_15_6 10_15_6
#define __AVAILABILITY_VERSION___MAC_10_16 10_16
#define __AVAILABILITY_VERSION___MAC_11_0 11_0
#define __AVAILABILITY_VERSION___MAC_11_1 11_1
#define __AVAILABILITY_VERSION___MAC_11_2 11_2
#define __AVAILABILITY_VERSION___MAC_11_3 11_3
#define __AVAILABILITY_VERSION___MAC_11_4 11_4
#define __AVAILABILITY_VERSION___MAC_11_5 11_5
#define __AVAILABILITY_VERSION___MAC_11_6 11_6
#define __AVAILABILITY_VERSION___MAC_12_0 12_0
#define __AVAILABILITY_VERSION___MAC_12_1 12_1
#define __AVAILABILITY_VERSION___MAC_12_2 12_2
#define __AVAILABILITY_VERSION___MAC_12_3 12_3
#define __AVAILABILITY_VERSION___MAC_12_4 12_4
#define __AVAILABILITY_VERSION___MAC_12_5 12_5
#define __AVAILABILITY_VERSION___MAC_12_6 12_6
#define __AVAILABILITY_VERSION___MAC_13_0 13_0
#define __AVAILABILITY_VERSION___MAC_13_1 13_1
#define __AVAILABILITY_VERSION___MAC_13_2 13_2
#define __AVAILABILITY_VERSION___MAC_13_3 13_3
#define __AVAILABILITY_VERSION___MAC_13_4 13_4
#define __AVAILABILITY_VERSION___MAC_13_5 13_5
#define __AVAILABILITY_VERSION___MAC_13_6 13_6
#define __AVAILABILITY_VERSION___MAC_14_0 14_0
#define __AVAILABILITY_VERSION___MAC_14_1 14_1
#define __AVAILABILITY_VERSION___MAC_14_2 14_2
#define __AVAILABILITY_VERSION___MAC_14_3 14_3
#define __AVAILABILITY_VERSION___MAC_14_4 14_4
#define __AVAILABILITY_VERSION___MAC_14_5 14_5
#define __AVAILABILITY_VERSION___MAC_14_6 14_6
#define __AVAILABILITY_VERSION___MAC_15_0 15_0
#define __AVAILABILITY_VERSION___MAC_15_1 15_1
#define __AVAILABILITY_VERSION___MAC_15_2 15_2
#define __AVAILABILITY_VERSION___MAC_15_3 15_3
#define __AVAILABILITY_VERSION___MAC_15_4 15_4
#define __AVAILABILITY_VERSION___MAC_15_5 15_5
#define __AVAILABILITY_VERSION___MAC_15_6 15_6
#define __AVAILABILITY_VERSION___IPHONE_NA NA
#define __AVAILABILITY_VERSION___IPHONE_2_0 2_0
#define __AVAILABILITY_VERSION___IPHONE_2_1 2_1
#define __AVAILABILITY_VERSION___IPHONE_2_2 2_2
#define __AVAILABILITY_VERSION___IPHONE_2_3 2_3
#define __AVAILABILITY_VERSION___IPHONE_2_4 2_4
#define __AVAILABILITY_VERSION___IPHONE_3_0 3_0
#define __AVAILABILITY_VERSION___IPHONE_3_1 3_1
#define __AVAILABILITY_VERSION___IPHONE_3_2 3_2
#define __AVAILABILITY_VERSION___IPHONE_3_3 3_3
#define __AVAILABILITY_VERSION___IPHONE_3_4 3_4
#define __AVAILABILITY_VERSION___IPHONE_4_0 4_0
#define __AVAILABILITY_VERSION___IPHONE_4_1 4_1
#define __AVAILABILITY_VERSION___IPHONE_4_2 4_2
#define __AVAILABILITY_VERSION___IPHONE_4_3 4_3
#define __AVAILABILITY_VERSION___IPHONE_4_4 4_4
#define __AVAILABILITY_VERSION___IPHONE_5_0 5_0
#define __AVAILABILITY_VERSION___IPHONE_5_1 5_1
#define __AVAILABILITY_VERSION___IPHONE_5_2 5_2
#define __AVAILABILITY_VERSION___IPHONE_5_3 5_3
#define __AVAILABILITY_VERSION___IPHONE_5_4 5_4
#define __AVAILABILITY_VERSION___IPHONE_6_0 6_0
#define __AVAILABILITY_VERSION___IPHONE_6_1 6_1
#define __AVAILABILITY_VERSION___IPHONE_6_2 6_2
#define __AVAILABILITY_VERSION___IPHONE_6_3 6_3
#define __AVAILABILITY_VERSION___IPHONE_6_4 6_4
#define __AVAILABILITY_VERSION___IPHONE_7_0 7_0
#define __AVAILABILITY_VERSION___IPHONE_7_1 7_1
#define __AVAILABILITY_VERSION___IPHONE_7_2 7_2
#define __AVAILABILITY_VERSION___IPHONE_7_3 7_3
#define __AVAILABILITY_VERSION___IPHONE_7_4 7_4
#define __AVAILABILITY_VERSION___IPHONE_8_0 8_0
#define __AVAILABILITY_VERSION___IPHONE_8_1 8_1
#define __AVAILABILITY_VERSION___IPHONE_8_2 8_2
#define __AVAILABILITY_VERSION___IPHONE_8_3 8_3
#define __AVAILABILITY_VERSION___IPHONE_8_4 8_4
#define __AVAILABILITY_VERSION___IPHONE_9_0 9_0
#define __AVAILABILITY_VERSION___IPHONE_9_1 9_1
#define __AVAILABILITY_VERSION___IPHONE_9_2 9_2
#define __AVAILABILITY_VERSION___IPHONE_9_3 9_3
#define __AVAILABILITY_VERSION___IPHONE_9_4 9_4
#define __AVAILABILITY_VERSION___IPHONE_10_0 10_0
#define __AVAILABILITY_VERSION___IPHONE_10_1 10_1
#define __AVAILABILITY_VERSION___IPHONE_10_2 10_2
#define __AVAILABILITY_VERSION___IPHONE_10_3 10_3
#define __AVAILABILITY_VERSION___IPHONE_10_4 10_4
#define __AVAILABILITY_VERSION___IPHONE_10_5 10_5
#define __AVAILABILITY_VERSION___IPHONE_10_6 10_6
#define __AVAILABILITY_VERSION___IPHONE_11_0 11_0
#define __AVAILABILITY_VERSION___IPHONE_11_1 11_1
#define __AVAILABILITY_VERSION___IPHONE_11_2 11_2
#define __AVAILABILITY_VERSION___IPHONE_11_3 11_3
#define __AVAILABILITY_VERSION___IPHONE_11_4 11_4
#define __AVAILABILITY_VERSION___IPHONE_11_5 11_5
#define __AVAILABILITY_VERSION___IPHONE_11_6 11_6
#define __AVAILABILITY_VERSION___IPHONE_12_0 12_0
#define __AVAILABILITY_VERSION___IPHONE_12_1 12_1
#define __AVAILABILITY_VERSION___IPHONE_12_2 12_2
#define __AVAILABILITY_VERSION___IPHONE_12_3 12_3
#define __AVAILABILITY_VERSION___IPHONE_12_4 12_4
#define __AVAILABILITY_VERSION___IPHONE_12_5 12_5
#define __AVAILABILITY_VERSION___IPHONE_12_6 12_6
#define __AVAILABILITY_VERSION___IPHONE_13_0 13_0
#define __AVAILABILITY_VERSION___IPHONE_13_1 13_1
#define __AVAILABILITY_VERSION___IPHONE_13_2 13_2
#define __AVAILABILITY_VERSION___IPHONE_13_3 13_3
#define __AVAILABILITY_VERSION___IPHONE_13_4 13_4
#define __AVAILABILITY_VERSION___IPHONE_13_5 13_5
#define __AVAILABILITY_VERSION___IPHONE_13_6 13_6
#define __AVAILABILITY_VERSION___IPHONE_14_0 14_0
#define __AVAILABILITY_VERSION___IPHONE_14_1 14_1
#define __AVAILABILITY_VERSION___IPHONE_14_2 14_2
#define __AVAILABILITY_VERSION___IPHONE_14_3 14_3
#define __AVAILABILITY_VERSION___IPHONE_14_4 14_4
#define __AVAILABILITY_VERSION___IPHONE_14_5 14_5
#define __AVAILABILITY_VERSION___IPHONE_14_6 14_6
#define __AVAILABILITY_VERSION___IPHONE_15_0 15_0
#define __AVAILABILITY_VERSION___IPHONE_15_1 15_1
#define __AVAILABILITY_VERSION___IPHONE_15_2 15_2
#define __AVAILABILITY_VERSION___IPHONE_15_3 15_3
#define __AVAILABILITY_VERSION___IPHONE_15_4 15_4
#define __AVAILABILITY_VERSION___IPHONE_15_5 15_5
#define __AVAILABILITY_VERSION___IPHONE_15_6 15_6
#define __AVAILABILITY_VERSION___IPHONE_16_0 16_0
#define __AVAILABILITY_VERSION___IPHONE_16_1 16_1
#define __AVAILABILITY_VERSION___IPHONE_16_2 16_2
#define __AVAILABILITY_VERSION___IPHONE_16_3 16_3
#define __AVAILABILITY_VERSION___IPHONE_16_4 16_4
#define __AVAILABILITY_VERSION___IPHONE_16_5 16_5
#define __AVAILABILITY_VERSION___IPHONE_16_6 16_6
#define __AVAILABILITY_VERSION___IPHONE_17_0 17_0
#define __AVAILABILITY_VERSION___IPHONE_17_1 17_1
#define __AVAILABILITY_VERSION___IPHONE_17_2 17_2
#define __AVAILABILITY_VERSION___IPHONE_17_3 17_3
#define __AVAILABILITY_VERSION___IPHONE_17_4 17_4
#define __AVAILABILITY_VERSION___IPHONE_17_5 17_5
#define __AVAILABILITY_VERSION___IPHONE_17_6 17_6
#define __AVAILABILITY_VERSION___IPHONE_18_0 18_0
#define __AVAILABILITY_VERSION___IPHONE_18_1 18_1
#define __AVAILABILITY_VERSION___IPHONE_18_2 18_2
#define __AVAILABILITY_VERSION___IPHONE_18_3 18_3
#define __AVAILABILITY_VERSION___IPHONE_18_4 18_4
#define __AVAILABILITY_VERSION___IPHONE_18_5 18_5
#define __AVAILABILITY_VERSION___IPHONE_18_6 18_6
/* The constant names are pasted where they are first given, before they can expand to their numbers. */
#define __AVAILABILITY_INTRODUCED_EXPANDED(platform, version) __AVAILABILITY_INTRODUCED(platform, version)
#define __AVAILABILITY_DEPRECATED_EXPANDED(platform, introduced, deprecated, ...)                                    \
    __AVAILABILITY_DEPRECATED(platform, introduced, deprecated, __VA_ARGS__)

/* The older macros, given version constants: __OSX_AVAILABLE_STARTING(__MAC_10_6, __IPHONE_4_0). */
#define __OSX_AVAILABLE_STARTING(_osx, _ios)                                                                         \
    __AVAILABILITY_INTRODUCED_EXPANDED(macos, __AVAILABILITY_VERSION_##_osx)                                          \
    __AVAILABILITY_INTRODUCED_EXPANDED(ios, __AVAILABILITY_VERSION_##_ios)
#define __OSX_AVAILABLE_BUT_DEPRECATED(_osxIntro, _osxDep, _iosIntro, _iosDep)                                       \
    __AVAILABILITY_DEPRECATED_EXPANDED(macos, __AVAILABILITY_VERSION_##_osxIntro, __AVAILABILITY_VERSION_##_osxDep, ) \
    __AVAILABILITY_DEPRECATED_EXPANDED(ios, __AVAILABILITY_VERSION_##_iosIntro, __AVAILABILITY_VERSION_##_iosDep, )
#define __OSX_AVAILABLE_BUT_DEPRECATED_MSG(_osxIntro, _osxDep, _iosIntro, _iosDep, _msg)                             \
    __AVAILABILITY_DEPRECATED_EXPANDED(macos, __AVAILABILITY_VERSION_##_osxIntro, __AVAILABILITY_VERSION_##_osxDep,   \
                                       _msg)                                                                         \
    __AVAILABILITY_DEPRECATED_EXPANDED(ios, __AVAILABILITY_VERSION_##_iosIntro, __AVAILABILITY_VERSION_##_iosDep, _msg)

/* The macros given dotted versions: __IOS_AVAILABLE(10.0), __OSX_DEPRECATED(10.0, 10.12, "message"). */
#define __OSX_AVAILABLE(_vers) __attribute__((availability(macos, introduced = _vers)))
#define __IOS_AVAILABLE(_vers) __attribute__((availability(ios, introduced = _vers)))
#define __TVOS_AVAILABLE(_vers) __attribute__((availability(tvos, introduced = _vers)))
#define __WATCHOS_AVAILABLE(_vers) __attribute__((availability(watchos, introduced = _vers)))
#define __OSX_DEPRECATED(_start, _dep, _msg)                                                                         \
    __attribute__((availability(macos, introduced = _start, deprecated = _dep, message = _msg)))
#define __IOS_DEPRECATED(_start, _dep, _msg)                                                                         \
    __attribute__((availability(ios, introduced = _start, deprecated = _dep, message = _msg)))
#define __TVOS_DEPRECATED(_start, _dep, _msg)                                                                        \
    __attribute__((availability(tvos, introduced = _start, deprecated = _dep, message = _msg)))
#define __WATCHOS_DEPRECATED(_start, _dep, _msg)                                                                     \
    __attribute__((availability(watchos, introduced = _start, deprecated = _dep, message = _msg)))
#define __OSX_UNAVAILABLE __attribute__((availability(macos, unavailable)))
#define __IOS_UNAVAILABLE __attribute__((availability(ios, unavailable)))
#define __TVOS_UNAVAILABLE __attribute__((availability(tvos, unavailable)))
#define __WATCHOS_UNAVAILABLE __attribute__((availability(watchos, unavailable)))
#define __IOS_PROHIBITED __IOS_UNAVAILABLE
#define __TVOS_PROHIBITED __TVOS_UNAVAILABLE
#define __WATCHOS_PROHIBITED __WATCHOS_UNAVAILABLE
#define __OSX_EXTENSION_UNAVAILABLE(_msg) __attribute__((availability(macos_app_extension, unavailable, message = _msg)))
#define __IOS_EXTENSION_UNAVAILABLE(_msg) __attribute__((availability(ios_app_extension, unavailable, message = _msg)))
#define __OS_EXTENSION_UNAVAILABLE(_msg) __OSX_EXTENSION_UNAVAILABLE(_msg) __IOS_EXTENSION_UNAVAILABLE(_msg)
#define __API_TO_BE_DEPRECATED 100000
#define __API_TO_BE_DEPRECATED_MACOS 100000
#define __API_TO_BE_DEPRECATED_IOS 100000
#define __API_TO_BE_DEPRECATED_MACCATALYST 100000
#define __API_TO_BE_DEPRECATED_TVOS 100000
#define __API_TO_BE_DEPRECATED_WATCHOS 100000
#define __API_TO_BE_DEPRECATED_VISIONOS 100000
#define __API_TO_BE_DEPRECATED_DRIVERKIT 100000

/*
 * The platform-list macros: __API_AVAILABLE(macos(10.12), ios(10.0)), __API_DEPRECATED("message", ios(2.0, 9.0)),
 * __API_DEPRECATED_WITH_REPLACEMENT("newName", ios(2.0, 9.0)), __API_UNAVAILABLE(ios, tvos). Each platform entry
 * becomes one availability attribute; bridgeos, which clang does not know, becomes nothing.
 */
#define __API_EACH_1(F, x, a) F(x, a)
#define __API_EACH_2(F, x, a, ...) F(x, a) __API_EACH_1(F, x, __VA_ARGS__)
#define __API_EACH_3(F, x, a, ...) F(x, a) __API_EACH_2(F, x, __VA_ARGS__)
#define __API_EACH_4(F, x, a, ...) F(x, a) __API_EACH_3(F, x, __VA_ARGS__)
#define __API_EACH_5(F, x, a, ...) F(x, a) __API_EACH_4(F, x, __VA_ARGS__)
#define __API_EACH_6(F, x, a, ...) F(x, a) __API_EACH_5(F, x, __VA_ARGS__)
#define __API_EACH_7(F, x, a, ...) F(x, a) __API_EACH_6(F, x, __VA_ARGS__)
#define __API_EACH_8(F, x, a, ...) F(x, a) __API_EACH_7(F, x, __VA_ARGS__)
#define __API_EACH_9(F, x, a, ...) F(x, a) __API_EACH_8(F, x, __VA_ARGS__)
#define __API_EACH_PICK(_1, _2, _3, _4, _5, _6, _7, _8, _9, NAME, ...) NAME
#define __API_EACH(F, x, ...)                                                                                        \
    __API_EACH_PICK(__VA_ARGS__, __API_EACH_9, __API_EACH_8, __API_EACH_7, __API_EACH_6, __API_EACH_5,               \
                    __API_EACH_4, __API_EACH_3, __API_EACH_2, __API_EACH_1, )(F, x, __VA_ARGS__)

#define __API_AVAILABLE_ONE(unused, entry) __API_AVAILABLE_PLATFORM_##entry
#define __API_AVAILABLE_PLATFORM_macos(v) __attribute__((availability(macos, introduced = v)))
#define __API_AVAILABLE_PLATFORM_macosx(v) __attribute__((availability(macos, introduced = v)))
#define __API_AVAILABLE_PLATFORM_ios(v) __attribute__((availability(ios, introduced = v)))
#define __API_AVAILABLE_PLATFORM_tvos(v) __attribute__((availability(tvos, introduced = v)))
#define __API_AVAILABLE_PLATFORM_watchos(v) __attribute__((availability(watchos, introduced = v)))
#define __API_AVAILABLE_PLATFORM_visionos(v) __attribute__((availability(visionos, introduced = v)))
#define __API_AVAILABLE_PLATFORM_xros(v) __attribute__((availability(visionos, introduced = v)))
#define __API_AVAILABLE_PLATFORM_macCatalyst(v) __attribute__((availability(maccatalyst, introduced = v)))
#define __API_AVAILABLE_PLATFORM_maccatalyst(v) __attribute__((availability(maccatalyst, introduced = v)))
#define __API_AVAILABLE_PLATFORM_uikitformac(v) __attribute__((availability(maccatalyst, introduced = v)))
#define __API_AVAILABLE_PLATFORM_driverkit(v) __attribute__((availability(driverkit, introduced = v)))
#define __API_AVAILABLE_PLATFORM_bridgeos(v)

/* The message comes after the platform entry's expansion, which leaves the attribute open for it. */
#define __API_DEPRECATED_ONE(message, entry) __API_DEPRECATED_PLATFORM_##entry message)
#define __API_DEPRECATED_ATTRIBUTE(platform, introduced_version, deprecated_version, text)                             \
    __attribute__((availability(platform, introduced = introduced_version, deprecated = deprecated_version,          \
                                message = text)))
#define __API_DEPRECATED_NOTHING(text)
#define __API_DEPRECATED_PLATFORM_macos(i, d) __API_DEPRECATED_ATTRIBUTE(macos, i, d,
#define __API_DEPRECATED_PLATFORM_macosx(i, d) __API_DEPRECATED_ATTRIBUTE(macos, i, d,
#define __API_DEPRECATED_PLATFORM_ios(i, d) __API_DEPRECATED_ATTRIBUTE(ios, i, d,
#define __API_DEPRECATED_PLATFORM_tvos(i, d) __API_DEPRECATED_ATTRIBUTE(tvos, i, d,
#define __API_DEPRECATED_PLATFORM_watchos(i, d) __API_DEPRECATED_ATTRIBUTE(watchos, i, d,
#define __API_DEPRECATED_PLATFORM_visionos(i, d) __API_DEPRECATED_ATTRIBUTE(visionos, i, d,
#define __API_DEPRECATED_PLATFORM_xros(i, d) __API_DEPRECATED_ATTRIBUTE(visionos, i, d,
#define __API_DEPRECATED_PLATFORM_macCatalyst(i, d) __API_DEPRECATED_ATTRIBUTE(maccatalyst, i, d,
#define __API_DEPRECATED_PLATFORM_maccatalyst(i, d) __API_DEPRECATED_ATTRIBUTE(maccatalyst, i, d,
#define __API_DEPRECATED_PLATFORM_uikitformac(i, d) __API_DEPRECATED_ATTRIBUTE(maccatalyst, i, d,
#define __API_DEPRECATED_PLATFORM_driverkit(i, d) __API_DEPRECATED_ATTRIBUTE(driverkit, i, d,
#define __API_DEPRECATED_PLATFORM_bridgeos(i, d) __API_DEPRECATED_NOTHING(

#define __API_REPLACED_ONE(replacement, entry) __API_REPLACED_PLATFORM_##entry replacement)
#define __API_REPLACED_ATTRIBUTE(platform, introduced_version, deprecated_version, name)                               \
    __attribute__((availability(platform, introduced = introduced_version, deprecated = deprecated_version,          \
                                replacement = name)))
#define __API_REPLACED_PLATFORM_macos(i, d) __API_REPLACED_ATTRIBUTE(macos, i, d,
#define __API_REPLACED_PLATFORM_macosx(i, d) __API_REPLACED_ATTRIBUTE(macos, i, d,
#define __API_REPLACED_PLATFORM_ios(i, d) __API_REPLACED_ATTRIBUTE(ios, i, d,
#define __API_REPLACED_PLATFORM_tvos(i, d) __API_REPLACED_ATTRIBUTE(tvos, i, d,
#define __API_REPLACED_PLATFORM_watchos(i, d) __API_REPLACED_ATTRIBUTE(watchos, i, d,
#define __API_REPLACED_PLATFORM_visionos(i, d) __API_REPLACED_ATTRIBUTE(visionos, i, d,
#define __API_REPLACED_PLATFORM_xros(i, d) __API_REPLACED_ATTRIBUTE(visionos, i, d,
#define __API_REPLACED_PLATFORM_macCatalyst(i, d) __API_REPLACED_ATTRIBUTE(maccatalyst, i, d,
#define __API_REPLACED_PLATFORM_maccatalyst(i, d) __API_REPLACED_ATTRIBUTE(maccatalyst, i, d,
#define __API_REPLACED_PLATFORM_uikitformac(i, d) __API_REPLACED_ATTRIBUTE(maccatalyst, i, d,
#define __API_REPLACED_PLATFORM_driverkit(i, d) __API_REPLACED_ATTRIBUTE(driverkit, i, d,
#define __API_REPLACED_PLATFORM_bridgeos(i, d) __API_DEPRECATED_NOTHING(

#define __API_UNAVAILABLE_ONE(unused, platform) __API_UNAVAILABLE_PLATFORM_##platform
#define __API_UNAVAILABLE_PLATFORM_macos __attribute__((availability(macos, unavailable)))
#define __API_UNAVAILABLE_PLATFORM_macosx __attribute__((availability(macos, unavailable)))
#define __API_UNAVAILABLE_PLATFORM_ios __attribute__((availability(ios, unavailable)))
#define __API_UNAVAILABLE_PLATFORM_tvos __attribute__((availability(tvos, unavailable)))
#define __API_UNAVAILABLE_PLATFORM_watchos __attribute__((availability(watchos, unavailable)))
#define __API_UNAVAILABLE_PLATFORM_visionos __attribute__((availability(visionos, unavailable)))
#define __API_UNAVAILABLE_PLATFORM_xros __attribute__((availability(visionos, unavailable)))
#define __API_UNAVAILABLE_PLATFORM_macCatalyst __attribute__((availability(maccatalyst, unavailable)))
#define __API_UNAVAILABLE_PLATFORM_maccatalyst __attribute__((availability(maccatalyst, unavailable)))
#define __API_UNAVAILABLE_PLATFORM_uikitformac __attribute__((availability(maccatalyst, unavailable)))
#define __API_UNAVAILABLE_PLATFORM_driverkit __attribute__((availability(driverkit, unavailable)))
#define __API_UNAVAILABLE_PLATFORM_bridgeos

#define __API_AVAILABLE(...) __API_EACH(__API_AVAILABLE_ONE, ~, __VA_ARGS__)
#define __API_DEPRECATED(message, ...) __API_EACH(__API_DEPRECATED_ONE, message, __VA_ARGS__)
#define __API_DEPRECATED_WITH_REPLACEMENT(replacement, ...) __API_EACH(__API_REPLACED_ONE, replacement, __VA_ARGS__)
#define __API_UNAVAILABLE(...) __API_EACH(__API_UNAVAILABLE_ONE, ~, __VA_ARGS__)
#define __SPI_AVAILABLE(...)
#define __SPI_DEPRECATED(...)

#endif /* __AVAILABILITY__ */
