/*
 * AvailabilityMacros.h: the macOS version constants MAC_OS_X_VERSION_10_x, the deployment target and SDK version
 * under their older names, and the AVAILABLE_MAC_OS_X_VERSION_..._AND_LATER family of attributes.
 */
#ifndef __AVAILABILITYMACROS__
#define __AVAILABILITYMACROS__

#include <Availability.h>

#define MAC_OS_X_VERSION_10_0 1000
#define MAC_OS_X_VERSION_10_1 1010
#define MAC_OS_X_VERSION_10_2 1020
#define MAC_OS_X_VERSION_10_3 1030
#define MAC_OS_X_VERSION_10_4 1040
#define MAC_OS_X_VERSION_10_5 1050
#define MAC_OS_X_VERSION_10_6 1060
#define MAC_OS_X_VERSION_10_7 1070
#define MAC_OS_X_VERSION_10_8 1080
#define MAC_OS_X_VERSION_10_9 1090
#define MAC_OS_X_VERSION_10_10 101000
#define MAC_OS_X_VERSION_10_11 101100
#define MAC_OS_X_VERSION_10_12 101200
#define MAC_OS_X_VERSION_10_13 101300
#define MAC_OS_X_VERSION_10_14 101400
#define MAC_OS_X_VERSION_10_15 101500
#define MAC_OS_X_VERSION_10_16 101600
#define MAC_OS_X_VERSION_10_10_1 101001
#define MAC_OS_X_VERSION_10_10_2 101002
#define MAC_OS_X_VERSION_10_10_3 101003
#define MAC_OS_X_VERSION_10_10_4 101004
#define MAC_OS_X_VERSION_10_11_1 101101
#define MAC_OS_X_VERSION_10_11_2 101102
#define MAC_OS_X_VERSION_10_11_3 101103
#define MAC_OS_X_VERSION_10_11_4 101104
#define MAC_OS_X_VERSION_10_12_1 101201
#define MAC_OS_X_VERSION_10_12_2 101202
#define MAC_OS_X_VERSION_10_12_3 101203
#define MAC_OS_X_VERSION_10_12_4 101204
#define MAC_OS_X_VERSION_10_13_1 101301
#define MAC_OS_X_VERSION_10_13_2 101302
#define MAC_OS_X_VERSION_10_13_3 101303
#define MAC_OS_X_VERSION_10_13_4 101304
#define MAC_OS_X_VERSION_10_14_1 101401
#define MAC_OS_X_VERSION_10_14_2 101402
#define MAC_OS_X_VERSION_10_14_3 101403
#define MAC_OS_X_VERSION_10_14_4 101404
#define MAC_OS_X_VERSION_10_15_1 101501
#define MAC_OS_X_VERSION_10_15_2 101502
#define MAC_OS_X_VERSION_10_15_3 101503
#define MAC_OS_X_VERSION_10_15_4 101504
#define MAC_OS_VERSION_11_0 110000
#define MAC_OS_VERSION_11_1 110100
#define MAC_OS_VERSION_11_2 110200
#define MAC_OS_VERSION_11_3 110300
#define MAC_OS_VERSION_11_4 110400
#define MAC_OS_VERSION_11_5 110500
#define MAC_OS_VERSION_12_0 120000
#define MAC_OS_VERSION_12_1 120100
#define MAC_OS_VERSION_12_2 120200
#define MAC_OS_VERSION_12_3 120300
#define MAC_OS_VERSION_12_4 120400
#define MAC_OS_VERSION_12_5 120500
#define MAC_OS_VERSION_13_0 130000
#define MAC_OS_VERSION_13_1 130100
#define MAC_OS_VERSION_13_2 130200
#define MAC_OS_VERSION_13_3 130300
#define MAC_OS_VERSION_13_4 130400
#define MAC_OS_VERSION_13_5 130500
#define MAC_OS_VERSION_14_0 140000
#define MAC_OS_VERSION_14_1 140100
#define MAC_OS_VERSION_14_2 140200
#define MAC_OS_VERSION_14_3 140300
#define MAC_OS_VERSION_14_4 140400
#define MAC_OS_VERSION_14_5 140500
#define MAC_OS_VERSION_15_0 150000
#define MAC_OS_VERSION_15_1 150100
#define MAC_OS_VERSION_15_2 150200
#define MAC_OS_VERSION_15_3 150300
#define MAC_OS_VERSION_15_4 150400
#define MAC_OS_VERSION_15_5 150500

#if defined(__MAC_OS_X_VERSION_MIN_REQUIRED)
#define MAC_OS_X_VERSION_MIN_REQUIRED __MAC_OS_X_VERSION_MIN_REQUIRED
#define MAC_OS_X_VERSION_MAX_ALLOWED __MAC_OS_X_VERSION_MAX_ALLOWED
#else
/* Other platforms count as the oldest macOS, so that tests of these macros leave macOS-only code out. */
#define MAC_OS_X_VERSION_MIN_REQUIRED MAC_OS_X_VERSION_10_0
#define MAC_OS_X_VERSION_MAX_ALLOWED MAC_OS_X_VERSION_10_0
#endif

#define WEAK_IMPORT_ATTRIBUTE __attribute__((weak_import))
#define DEPRECATED_ATTRIBUTE __attribute__((deprecated))
#define DEPRECATED_MSG_ATTRIBUTE(s) __attribute__((deprecated(s)))
#define UNAVAILABLE_ATTRIBUTE __attribute__((unavailable))

#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER __attribute__((availability(macos, introduced = 10_0)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_0_AND_LATER __attribute__((availability(macos, deprecated = 10_0)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_0, deprecated = 10_0)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER __attribute__((availability(macos, introduced = 10_1)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_1_AND_LATER __attribute__((availability(macos, deprecated = 10_1)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_1, deprecated = 10_1)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER __attribute__((availability(macos, introduced = 10_2)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_2_AND_LATER __attribute__((availability(macos, deprecated = 10_2)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_2, deprecated = 10_2)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER __attribute__((availability(macos, introduced = 10_3)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_3_AND_LATER __attribute__((availability(macos, deprecated = 10_3)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_3, deprecated = 10_3)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER __attribute__((availability(macos, introduced = 10_4)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_4_AND_LATER __attribute__((availability(macos, deprecated = 10_4)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_4, deprecated = 10_4)))
#define AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER __attribute__((availability(macos, introduced = 10_5)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_5_AND_LATER __attribute__((availability(macos, deprecated = 10_5)))
#define AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_5, deprecated = 10_5)))
#define AVAILABLE_MAC_OS_X_VERSION_10_6_AND_LATER __attribute__((availability(macos, introduced = 10_6)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_6_AND_LATER __attribute__((availability(macos, deprecated = 10_6)))
#define AVAILABLE_MAC_OS_X_VERSION_10_6_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_6, deprecated = 10_6)))
#define AVAILABLE_MAC_OS_X_VERSION_10_7_AND_LATER __attribute__((availability(macos, introduced = 10_7)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_7_AND_LATER __attribute__((availability(macos, deprecated = 10_7)))
#define AVAILABLE_MAC_OS_X_VERSION_10_7_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_7, deprecated = 10_7)))
#define AVAILABLE_MAC_OS_X_VERSION_10_8_AND_LATER __attribute__((availability(macos, introduced = 10_8)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_8_AND_LATER __attribute__((availability(macos, deprecated = 10_8)))
#define AVAILABLE_MAC_OS_X_VERSION_10_8_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_8, deprecated = 10_8)))
#define AVAILABLE_MAC_OS_X_VERSION_10_9_AND_LATER __attribute__((availability(macos, introduced = 10_9)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_9_AND_LATER __attribute__((availability(macos, deprecated = 10_9)))
#define AVAILABLE_MAC_OS_X_VERSION_10_9_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_9, deprecated = 10_9)))
#define AVAILABLE_MAC_OS_X_VERSION_10_10_AND_LATER __attribute__((availability(macos, introduced = 10_10)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_10_AND_LATER __attribute__((availability(macos, deprecated = 10_10)))
#define AVAILABLE_MAC_OS_X_VERSION_10_10_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_10, deprecated = 10_10)))
#define AVAILABLE_MAC_OS_X_VERSION_10_11_AND_LATER __attribute__((availability(macos, introduced = 10_11)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_11_AND_LATER __attribute__((availability(macos, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_11_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_11, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_12_AND_LATER __attribute__((availability(macos, introduced = 10_12)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_12_AND_LATER __attribute__((availability(macos, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_12_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_12, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_13_AND_LATER __attribute__((availability(macos, introduced = 10_13)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_13_AND_LATER __attribute__((availability(macos, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_13_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_13, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_14_AND_LATER __attribute__((availability(macos, introduced = 10_14)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_14_AND_LATER __attribute__((availability(macos, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_14_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_14, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_15_AND_LATER __attribute__((availability(macos, introduced = 10_15)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_10_15_AND_LATER __attribute__((availability(macos, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_15_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 10_15, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_11_0_AND_LATER __attribute__((availability(macos, introduced = 11_0)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_11_0_AND_LATER __attribute__((availability(macos, deprecated = 11_0)))
#define AVAILABLE_MAC_OS_X_VERSION_11_0_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 11_0, deprecated = 11_0)))
#define AVAILABLE_MAC_OS_X_VERSION_12_0_AND_LATER __attribute__((availability(macos, introduced = 12_0)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_12_0_AND_LATER __attribute__((availability(macos, deprecated = 12_0)))
#define AVAILABLE_MAC_OS_X_VERSION_12_0_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 12_0, deprecated = 12_0)))
#define AVAILABLE_MAC_OS_X_VERSION_13_0_AND_LATER __attribute__((availability(macos, introduced = 13_0)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_13_0_AND_LATER __attribute__((availability(macos, deprecated = 13_0)))
#define AVAILABLE_MAC_OS_X_VERSION_13_0_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 13_0, deprecated = 13_0)))
#define AVAILABLE_MAC_OS_X_VERSION_14_0_AND_LATER __attribute__((availability(macos, introduced = 14_0)))
#define DEPRECATED_IN_MAC_OS_X_VERSION_14_0_AND_LATER __attribute__((availability(macos, deprecated = 14_0)))
#define AVAILABLE_MAC_OS_X_VERSION_14_0_AND_LATER_BUT_DEPRECATED __attribute__((availability(macos, introduced = 14_0, deprecated = 14_0)))
/* Introduced in one version and deprecated in a later one. */
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_1 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_1)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_2 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_2)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_3 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_3)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_4 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_4)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_5 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_5)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_6 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_6)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_7 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_7)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_8 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_8)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_9 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_9)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_10 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_10)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_11 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_12 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_0_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_0, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_2 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_2)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_3 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_3)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_4 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_4)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_5 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_5)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_6 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_6)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_7 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_7)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_8 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_8)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_9 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_9)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_10 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_10)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_11 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_12 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_1_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_1, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_3 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_3)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_4 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_4)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_5 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_5)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_6 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_6)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_7 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_7)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_8 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_8)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_9 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_9)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_10 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_10)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_11 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_12 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_2_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_2, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_4 \
    __attribute__((availability(macos, introduced = 10_3, deprecated = 10_4)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_5 \
    __attribute__((availability(macos, introduced = 10_3, deprecated = 10_5)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_6 \
    __attribute__((availability(macos, introduced = 10_3, deprecated = 10_6)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_7 \
    __attribute__((availability(macos, introduced = 10_3, deprecated = 10_7)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_8 \
    __attribute__((availability(macos, introduced = 10_3, deprecated = 10_8)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_9 \
    __attribute__((availability(macos, introduced = 10_3, deprecated = 10_9)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_10 \
    __attribute__((availability(macos, introduced = 10_3, deprecated = 10_10)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_11 \
    __attribute__((availability(macos, introduced = 10_3, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_12 \
    __attribute__((availability(macos, introduced = 10_3, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_3, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_3, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_3_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_3, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_5 \
    __attribute__((availability(macos, introduced = 10_4, deprecated = 10_5)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_6 \
    __attribute__((availability(macos, introduced = 10_4, deprecated = 10_6)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_7 \
    __attribute__((availability(macos, introduced = 10_4, deprecated = 10_7)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_8 \
    __attribute__((availability(macos, introduced = 10_4, deprecated = 10_8)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_9 \
    __attribute__((availability(macos, introduced = 10_4, deprecated = 10_9)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_10 \
    __attribute__((availability(macos, introduced = 10_4, deprecated = 10_10)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_11 \
    __attribute__((availability(macos, introduced = 10_4, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_12 \
    __attribute__((availability(macos, introduced = 10_4, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_4, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_4, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_4, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_6 \
    __attribute__((availability(macos, introduced = 10_5, deprecated = 10_6)))
#define AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_7 \
    __attribute__((availability(macos, introduced = 10_5, deprecated = 10_7)))
#define AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_8 \
    __attribute__((availability(macos, introduced = 10_5, deprecated = 10_8)))
#define AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_9 \
    __attribute__((availability(macos, introduced = 10_5, deprecated = 10_9)))
#define AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_10 \
    __attribute__((availability(macos, introduced = 10_5, deprecated = 10_10)))
#define AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_11 \
    __attribute__((availability(macos, introduced = 10_5, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_12 \
    __attribute__((availability(macos, introduced = 10_5, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_5, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_5, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_5, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_6_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_7 \
    __attribute__((availability(macos, introduced = 10_6, deprecated = 10_7)))
#define AVAILABLE_MAC_OS_X_VERSION_10_6_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_8 \
    __attribute__((availability(macos, introduced = 10_6, deprecated = 10_8)))
#define AVAILABLE_MAC_OS_X_VERSION_10_6_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_9 \
    __attribute__((availability(macos, introduced = 10_6, deprecated = 10_9)))
#define AVAILABLE_MAC_OS_X_VERSION_10_6_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_10 \
    __attribute__((availability(macos, introduced = 10_6, deprecated = 10_10)))
#define AVAILABLE_MAC_OS_X_VERSION_10_6_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_11 \
    __attribute__((availability(macos, introduced = 10_6, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_6_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_12 \
    __attribute__((availability(macos, introduced = 10_6, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_6_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_6, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_6_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_6, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_6_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_6, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_7_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_8 \
    __attribute__((availability(macos, introduced = 10_7, deprecated = 10_8)))
#define AVAILABLE_MAC_OS_X_VERSION_10_7_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_9 \
    __attribute__((availability(macos, introduced = 10_7, deprecated = 10_9)))
#define AVAILABLE_MAC_OS_X_VERSION_10_7_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_10 \
    __attribute__((availability(macos, introduced = 10_7, deprecated = 10_10)))
#define AVAILABLE_MAC_OS_X_VERSION_10_7_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_11 \
    __attribute__((availability(macos, introduced = 10_7, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_7_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_12 \
    __attribute__((availability(macos, introduced = 10_7, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_7_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_7, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_7_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_7, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_7_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_7, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_8_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_9 \
    __attribute__((availability(macos, introduced = 10_8, deprecated = 10_9)))
#define AVAILABLE_MAC_OS_X_VERSION_10_8_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_10 \
    __attribute__((availability(macos, introduced = 10_8, deprecated = 10_10)))
#define AVAILABLE_MAC_OS_X_VERSION_10_8_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_11 \
    __attribute__((availability(macos, introduced = 10_8, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_8_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_12 \
    __attribute__((availability(macos, introduced = 10_8, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_8_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_8, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_8_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_8, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_8_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_8, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_9_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_10 \
    __attribute__((availability(macos, introduced = 10_9, deprecated = 10_10)))
#define AVAILABLE_MAC_OS_X_VERSION_10_9_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_11 \
    __attribute__((availability(macos, introduced = 10_9, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_9_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_12 \
    __attribute__((availability(macos, introduced = 10_9, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_9_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_9, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_9_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_9, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_9_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_9, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_10_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_11 \
    __attribute__((availability(macos, introduced = 10_10, deprecated = 10_11)))
#define AVAILABLE_MAC_OS_X_VERSION_10_10_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_12 \
    __attribute__((availability(macos, introduced = 10_10, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_10_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_10, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_10_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_10, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_10_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_10, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_11_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_12 \
    __attribute__((availability(macos, introduced = 10_11, deprecated = 10_12)))
#define AVAILABLE_MAC_OS_X_VERSION_10_11_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_11, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_11_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_11, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_11_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_11, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_12_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_13 \
    __attribute__((availability(macos, introduced = 10_12, deprecated = 10_13)))
#define AVAILABLE_MAC_OS_X_VERSION_10_12_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_12, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_12_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_12, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_13_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_14 \
    __attribute__((availability(macos, introduced = 10_13, deprecated = 10_14)))
#define AVAILABLE_MAC_OS_X_VERSION_10_13_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_13, deprecated = 10_15)))
#define AVAILABLE_MAC_OS_X_VERSION_10_14_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_15 \
    __attribute__((availability(macos, introduced = 10_14, deprecated = 10_15)))

#endif /* __AVAILABILITYMACROS__ */
