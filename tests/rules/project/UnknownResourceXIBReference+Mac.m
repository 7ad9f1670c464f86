| fixture: xib-resources-mac
//--- a system icon is skipped and an image found by its extension too; the missing one is still reported
void f(void);
// expect-file: App/Toolbar.xib id=sidebar
// expect-info: XIB references unknown resource named sidebar (Image)

//--- AppKit's named images, SF Symbols and system colours are the system's; a missing image beside them is reported
void f(void);
| file: Browser.xib
<?xml version="1.0" encoding="UTF-8"?>
<document type="com.apple.InterfaceBuilder3.Cocoa.XIB" version="3.0" toolsVersion="21701" targetRuntime="MacOSX.Cocoa" propertyAccessControl="none">
    <objects>
        <customObject id="-2" userLabel="File's Owner" customClass="NSObject"/>
        <customView id="Browser-1">
            <rect key="frame" x="0.0" y="0.0" width="300" height="40"/>
        </customView>
    </objects>
    <resources>
        <image name="NSGoBackTemplate" width="12" height="13"/>
        <image name="NSTouchBarAddTemplate" width="14" height="30"/>
        <image name="star.fill" catalog="system" width="15" height="14"/>
        <image name="forward" width="40" height="40"/>
        <systemColor name="systemBackgroundColor">
            <color white="1" alpha="1" colorSpace="custom" customColorSpace="genericGamma22GrayColorSpace"/>
        </systemColor>
        <namedColor name="controlAccentColor" catalog="System"/>
    </resources>
</document>
// expect-file: App/Toolbar.xib id=sidebar
// expect-file: CaseFiles/Browser.xib id=forward
// expect-info: XIB references unknown resource named forward (Image)
