/* NSPrintInfo.h: the settings of a print job: paper, orientation, margins, pagination and scaling. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSPrinter;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSPaperOrientation) {
    NSPaperOrientationPortrait = 0,
    NSPaperOrientationLandscape = 1
};

typedef NS_ENUM(NSUInteger, NSPrintingPaginationMode) {
    NSPrintingPaginationModeAutomatic = 0,
    NSPrintingPaginationModeFit = 1,
    NSPrintingPaginationModeClip = 2
};
static const NSPrintingPaginationMode NSAutoPagination API_DEPRECATED_WITH_REPLACEMENT("NSPrintingPaginationModeAutomatic", macos(10.0, 10.14)) = NSPrintingPaginationModeAutomatic;
static const NSPrintingPaginationMode NSFitPagination API_DEPRECATED_WITH_REPLACEMENT("NSPrintingPaginationModeFit", macos(10.0, 10.14)) = NSPrintingPaginationModeFit;
static const NSPrintingPaginationMode NSClipPagination API_DEPRECATED_WITH_REPLACEMENT("NSPrintingPaginationModeClip", macos(10.0, 10.14)) = NSPrintingPaginationModeClip;
static const NSPaperOrientation NSPortraitOrientation API_DEPRECATED_WITH_REPLACEMENT("NSPaperOrientationPortrait", macos(10.0, 10.14)) = NSPaperOrientationPortrait;
static const NSPaperOrientation NSLandscapeOrientation API_DEPRECATED_WITH_REPLACEMENT("NSPaperOrientationLandscape", macos(10.0, 10.14)) = NSPaperOrientationLandscape;

typedef NSString *NSPrintInfoAttributeKey NS_TYPED_ENUM;
APPKIT_EXTERN NSPrintInfoAttributeKey const NSPrintJobDisposition;
APPKIT_EXTERN NSPrintInfoAttributeKey const NSPrintJobSavingURL;
APPKIT_EXTERN NSPrintInfoAttributeKey const NSPrintHeaderAndFooter;
APPKIT_EXTERN NSPrintInfoAttributeKey const NSPrintSelectionOnly;
APPKIT_EXTERN NSPrintInfoAttributeKey const NSPrintCopies;
typedef NSString *NSPrintJobDispositionValue NS_TYPED_ENUM;
APPKIT_EXTERN NSPrintJobDispositionValue const NSPrintSpoolJob;
APPKIT_EXTERN NSPrintJobDispositionValue const NSPrintPreviewJob;
APPKIT_EXTERN NSPrintJobDispositionValue const NSPrintSaveJob;
APPKIT_EXTERN NSPrintJobDispositionValue const NSPrintCancelJob;

@interface NSPrintInfo : NSObject <NSCopying, NSCoding>
@property (class, copy) NSPrintInfo *sharedPrintInfo;
- (instancetype)initWithDictionary:(NSDictionary<NSPrintInfoAttributeKey, id> *)attributes NS_DESIGNATED_INITIALIZER;
- (instancetype)init;
@property (readonly, strong) NSMutableDictionary<NSPrintInfoAttributeKey, id> *dictionary;
@property (nullable, copy) NSString *paperName;
@property NSSize paperSize;
@property NSPaperOrientation orientation;
@property CGFloat scalingFactor;
@property CGFloat leftMargin;
@property CGFloat rightMargin;
@property CGFloat topMargin;
@property CGFloat bottomMargin;
@property (getter=isHorizontallyCentered) BOOL horizontallyCentered;
@property (getter=isVerticallyCentered) BOOL verticallyCentered;
@property NSPrintingPaginationMode horizontalPagination;
@property NSPrintingPaginationMode verticalPagination;
@property (copy) NSPrintJobDispositionValue jobDisposition;
@property (copy) NSPrinter *printer;
- (void)setUpPrintOperationDefaultValues;
@property (readonly) NSRect imageablePageBounds;
@property (readonly, strong) NSMutableDictionary<NSString *, id> *printSettings;
@property (getter=isSelectionOnly) BOOL selectionOnly;
- (void)updateFromPMPrintSettings;
@end

NS_ASSUME_NONNULL_END
