| fixture: resources-ios
#import <UIKit/UIKit.h>

//--- a misspelt class is reported in each XIB with the declared class as suggestion
@interface MyView : UIView
@end
@implementation MyView
@end
// expect-file: App/Intro.xib
// expect-info: XIB refers to unknown class MyVeiw. Did you mean MyView?
// expect-file: App/Second.xib
// expect-info: XIB refers to unknown class MyVeiw. Did you mean MyView?

//--- without the declaration both names are unknown; the library's class, UIKit's and the first responder are not
void nothingDeclared(void) {}
// expect-file: App/Intro.xib
// expect-info: unknown class MyView.
// expect-file: App/Intro.xib
// expect-info: unknown class MyVeiw.
// expect-file: App/Second.xib
// expect-info: unknown class MyView.
// expect-file: App/Second.xib
// expect-info: unknown class MyVeiw.

//--- a class declared with both names leaves nothing unknown
@interface MyView : UIView
@end
@interface MyVeiw : UIView
@end

//--- a class of another module is not unknown; one of the target's module is when the target has no Swift sources
@interface MyView : UIView
@end
@interface MyVeiw : UIView
@end
| file: Panel.xib
<?xml version="1.0" encoding="UTF-8"?>
<document type="com.apple.InterfaceBuilder3.CocoaTouch.XIB" version="3.0" toolsVersion="21701" targetRuntime="iOS.CocoaTouch" propertyAccessControl="none" useAutolayout="YES">
    <objects>
        <placeholder placeholderIdentifier="IBFilesOwner" id="-1" userLabel="File's Owner"/>
        <view contentMode="scaleToFill" id="Panel-1" customClass="ChartView" customModule="Charts">
            <rect key="frame" x="0.0" y="0.0" width="320" height="480"/>
            <subviews>
                <view contentMode="scaleToFill" id="Panel-2" customClass="SettingsView" customModuleProvider="target">
                    <rect key="frame" x="0.0" y="0.0" width="100" height="100"/>
                </view>
                <view contentMode="scaleToFill" id="Panel-3" customClass="Gauge">
                    <rect key="frame" x="0.0" y="100" width="100" height="100"/>
                </view>
            </subviews>
        </view>
    </objects>
</document>
// expect-file: CaseFiles/Panel.xib
// expect-info: unknown class SettingsView.
// expect-file: CaseFiles/Panel.xib
// expect-info: unknown class Gauge.

//--- a Swift class of the target is not unknown when the target has Swift sources; an Objective-C class missing is
@interface MyView : UIView
@end
@interface MyVeiw : UIView
@end
| file: SettingsView.swift
import UIKit
class SettingsView: UIView {}
| file: Panel.xib
<?xml version="1.0" encoding="UTF-8"?>
<document type="com.apple.InterfaceBuilder3.CocoaTouch.XIB" version="3.0" toolsVersion="21701" targetRuntime="iOS.CocoaTouch" propertyAccessControl="none" useAutolayout="YES">
    <objects>
        <placeholder placeholderIdentifier="IBFilesOwner" id="-1" userLabel="File's Owner"/>
        <view contentMode="scaleToFill" id="Panel-1" customClass="SettingsView" customModuleProvider="target">
            <rect key="frame" x="0.0" y="0.0" width="320" height="480"/>
            <subviews>
                <view contentMode="scaleToFill" id="Panel-2" customClass="Gauge">
                    <rect key="frame" x="0.0" y="100" width="100" height="100"/>
                </view>
            </subviews>
        </view>
    </objects>
</document>
// expect-file: CaseFiles/Panel.xib
// expect-info: unknown class Gauge.
