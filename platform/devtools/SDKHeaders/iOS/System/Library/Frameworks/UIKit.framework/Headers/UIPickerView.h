/* UIPickerView.h: spinning-wheel pickers of rows in components, with their data source and delegate. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>

@protocol UIPickerViewDataSource, UIPickerViewDelegate;

NS_ASSUME_NONNULL_BEGIN

API_UNAVAILABLE(tvos)
@interface UIPickerView : UIView <NSCoding>
@property (nullable, nonatomic, weak) id<UIPickerViewDataSource> dataSource;
@property (nullable, nonatomic, weak) id<UIPickerViewDelegate> delegate;
@property (nonatomic) BOOL showsSelectionIndicator API_DEPRECATED("", ios(2.0, 13.0));
@property (nonatomic, readonly) NSInteger numberOfComponents;
- (NSInteger)numberOfRowsInComponent:(NSInteger)component;
- (CGSize)rowSizeForComponent:(NSInteger)component;
- (nullable UIView *)viewForRow:(NSInteger)row forComponent:(NSInteger)component;
- (void)reloadAllComponents;
- (void)reloadComponent:(NSInteger)component;
- (void)selectRow:(NSInteger)row inComponent:(NSInteger)component animated:(BOOL)animated;
- (NSInteger)selectedRowInComponent:(NSInteger)component;
@end

API_UNAVAILABLE(tvos)
@protocol UIPickerViewDataSource <NSObject>
@required
- (NSInteger)numberOfComponentsInPickerView:(UIPickerView *)pickerView;
- (NSInteger)pickerView:(UIPickerView *)pickerView numberOfRowsInComponent:(NSInteger)component;
@end

API_UNAVAILABLE(tvos)
@protocol UIPickerViewDelegate <NSObject>
@optional
- (CGFloat)pickerView:(UIPickerView *)pickerView widthForComponent:(NSInteger)component;
- (CGFloat)pickerView:(UIPickerView *)pickerView rowHeightForComponent:(NSInteger)component;
- (nullable NSString *)pickerView:(UIPickerView *)pickerView
                      titleForRow:(NSInteger)row
                     forComponent:(NSInteger)component;
- (nullable NSAttributedString *)pickerView:(UIPickerView *)pickerView
                      attributedTitleForRow:(NSInteger)row
                               forComponent:(NSInteger)component API_AVAILABLE(ios(6.0));
- (UIView *)pickerView:(UIPickerView *)pickerView
            viewForRow:(NSInteger)row
          forComponent:(NSInteger)component
           reusingView:(nullable UIView *)view;
- (void)pickerView:(UIPickerView *)pickerView didSelectRow:(NSInteger)row inComponent:(NSInteger)component;
@end

NS_ASSUME_NONNULL_END
