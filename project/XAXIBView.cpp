#include "project/XAXIBView.h"

#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "project/XAXIBXMLNode.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

namespace {

// Longest text, ellipsis included, that names a view for a user.
constexpr size_t kMaximumViewTextLength = 50;

// "yes" in any letter case.
bool isYes(const std::optional<std::string> &value) {
    constexpr std::string_view yes = "yes";
    return value && std::equal(value->begin(), value->end(), yes.begin(), yes.end(),
                               [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// Both platforms name their most common views alike ("view", "button", "textField"), so the document's platform
// decides which class such a tag stands for.
bool belongsToOSXDocument(const pugi::xml_node &element) {
    for (const pugi::xml_node &child : element.root().children()) {
        if (child.type() == pugi::node_element) {
            return xa_valueOfAttribute(child, "type").value_or("").starts_with("com.apple.InterfaceBuilder3.Cocoa.");
        }
    }
    return false;
}

std::vector<pugi::xml_node> subviewElements(const pugi::xml_node &element) {
    return xa_childElements(xa_firstChildElementWithName(element, "subviews"));
}

} // namespace

std::shared_ptr<const XAXIBView> XAXIBViewCache::view(const pugi::xml_node &element) {
    if (auto found = views_.find(element.internal_object()); found != views_.end()) {
        return found->second;
    }
    // Post-order walk: a view is made once the records of all its subviews exist.
    std::vector<std::pair<pugi::xml_node, bool>> pending = {{element, false}};
    while (!pending.empty()) {
        const auto [node, subviewsQueued] = pending.back();
        if (views_.count(node.internal_object()) != 0) {
            pending.pop_back();
            continue;
        }
        const std::vector<pugi::xml_node> children = subviewElements(node);
        if (!subviewsQueued) {
            pending.back().second = true;
            for (const pugi::xml_node &child : children) {
                pending.emplace_back(child, false);
            }
            continue;
        }
        std::vector<std::shared_ptr<const XAXIBView>> subviews;
        subviews.reserve(children.size());
        for (const pugi::xml_node &child : children) {
            subviews.push_back(views_.at(child.internal_object()));
        }
        views_.emplace(node.internal_object(),
                       std::shared_ptr<const XAXIBView>(new XAXIBView(node, std::move(subviews))));
        pending.pop_back();
    }
    return views_.at(element.internal_object());
}

XAXIBView::XAXIBView(const pugi::xml_node &element) : XAXIBObject(element) {
    XAXIBViewCache cache;
    for (const pugi::xml_node &child : subviewElements(element)) {
        directSubviews_.push_back(cache.view(child));
    }
    readViewFields(element);
}

XAXIBView::XAXIBView(const pugi::xml_node &element, std::vector<std::shared_ptr<const XAXIBView>> directSubviews)
    : XAXIBObject(element), directSubviews_(std::move(directSubviews)) {
    readViewFields(element);
}

void XAXIBView::readViewFields(const pugi::xml_node &element) {
    isInOSXDocument_ = belongsToOSXDocument(element);
    isMisplaced_ = isYes(xa_valueOfAttribute(element, "misplaced"));
    layoutIsAmbiguous_ = isYes(xa_valueOfAttribute(element, "ambiguous"));
    text_ = xa_valueOfAttribute(element, "text");
    // Several configurations may be present; the last one is the one Interface Builder applies.
    for (const pugi::xml_node &child : xa_childElements(element)) {
        if (std::string_view(child.name()) != "accessibility" ||
            xa_valueOfAttribute(child, "key") != "accessibilityConfiguration") {
            continue;
        }
        accessibilityLabel_ = xa_valueOfAttribute(child, "label");
        accessibilityHint_ = xa_valueOfAttribute(child, "hint");
        accessibilityIdentifier_ = xa_valueOfAttribute(child, "identifier");
    }
}

std::optional<std::string> XAXIBView::viewClassName() const {
    if (customClassName() && !customClassName()->empty()) {
        return customClassName();
    }
    const auto *first = isInOSXDocument_ ? &OSXViewTagNamesToClasses() : &iOSViewTagNamesToClasses();
    const auto *second = isInOSXDocument_ ? &iOSViewTagNamesToClasses() : &OSXViewTagNamesToClasses();
    for (const auto *table : {first, second}) {
        if (auto found = table->find(tagName()); found != table->end()) {
            return found->second;
        }
    }
    return std::nullopt;
}

std::string XAXIBView::viewIdentifierForUser() const {
    std::string markup = "<objcclass>" + xa_escapedForXML(viewClassName().value_or("(null)")) + "</objcclass>";
    if (accessibilityLabel_ && !accessibilityLabel_->empty()) {
        markup += " <string>" + xa_escapedForXML(*accessibilityLabel_) + "</string>";
    } else if (text_ && !text_->empty()) {
        markup += " <string>" +
                  xa_escapedForXML(xa_truncatedToLength(*text_, kMaximumViewTextLength, XATruncation::End)) +
                  "</string>";
    }
    markup += " (id <string>" + xa_escapedForXML(identifier().value_or("(null)")) + "</string>)";
    return markup;
}

std::string XAXIBView::description() const {
    return XAXIBObject::description() + " class:" + viewClassName().value_or("(null)");
}

bool XAXIBView::isOfClassOf(const XAXIBObject &other) const {
    return dynamic_cast<const XAXIBView *>(&other) != nullptr;
}

const std::map<std::string, std::string> &XAXIBView::iOSViewTagNamesToClasses() {
    static const std::map<std::string, std::string> table = {
        {"view", "UIView"},
        {"imageView", "UIImageView"},
        {"scrollView", "UIScrollView"},
        {"tableView", "UITableView"},
        {"tableViewCell", "UITableViewCell"},
        {"tableViewCellContentView", "UIView"},
        {"collectionView", "UICollectionView"},
        {"button", "UIButton"},
        {"label", "UILabel"},
        {"segmentedControl", "UISegmentedControl"},
        {"textField", "UITextField"},
        {"textView", "UITextView"},
        {"slider", "UISlider"},
        {"switch", "UISwitch"},
        {"activityIndicatorView", "UIActivityIndicatorView"},
        {"progressView", "UIProgressView"},
        {"pageControl", "UIPageControl"},
        {"stepper", "UIStepper"},
        {"webView", "UIWebView"},
        {"mapView", "MKMapView"},
        {"glkView", "GLKView"},
        {"datePicker", "UIDatePicker"},
        {"pickerView", "UIPickerView"},
        {"adBannerView", "ADBannerView"},
    };
    return table;
}

const std::map<std::string, std::string> &XAXIBView::OSXViewTagNamesToClasses() {
    static const std::map<std::string, std::string> table = {
        {"view", "NSView"},
        {"customView", "NSView"},
        {"button", "NSButton"},
        {"textField", "NSTextField"},
        {"searchField", "NSSearchField"},
        {"tokenField", "NSTokenField"},
        {"secureTextField", "NSSecureTextField"},
        {"comboBox", "NSComboBox"},
        {"datePicker", "NSDatePicker"},
        {"scrollView", "NSScrollView"},
        {"clipView", "NSClipView"},
        {"textView", "NSTextView"},
        {"scroller", "NSScroller"},
        {"popUpButton", "NSPopUpButton"},
        {"segmentedControl", "NSSegmentedControl"},
        {"matrix", "NSMatrix"},
        {"imageView", "NSImageView"},
        {"colorWell", "NSColorWell"},
        {"stepper", "NSStepper"},
        {"levelIndicator", "NSLevelIndicator"},
        {"pathControl", "NSPathControl"},
        {"slider", "NSSlider"},
        {"form", "NSForm"},
        {"progressIndicator", "NSProgressIndicator"},
        {"tableView", "NSTableView"},
        {"tableHeaderView", "NSTableHeaderView"},
        {"outlineView", "NSOutlineView"},
        {"browser", "NSBrowser"},
        {"collectionView", "NSCollectionView"},
        {"predicateEditor", "NSPredicateEditor"},
        {"ruleEditor", "NSRuleEditor"},
        {"openGLView", "NSOpenGLView"},
        {"splitView", "NSSplitView"},
        {"tabView", "NSTabView"},
        {"box", "NSBox"},
        {"stackView", "NSStackView"},
        {"abPeoplePickerView", "ABPeoplePickerView"},
        {"abPersonView", "ABPersonView"},
        {"amPathPopUpButton", "AMPathPopUpButton"},
        {"amWorkflowView", "AMWorkflowView"},
        {"amTokenField", "AMTokenField"},
        {"avPlayerView", "AVPlayerView"},
        {"ikScannerDeviceView", "IKScannerDeviceView"},
        {"ikCameraDeviceView", "IKCameraDeviceView"},
        {"ikDeviceBrowserView", "IKDeviceBrowserView"},
        {"ikImageView", "IKImageView"},
        {"ikImageBrowserView", "IKImageBrowserView"},
        {"mapView", "MKMapView"},
        {"osaDictionaryScriptView", "OSADictionaryScriptView"},
        {"osaDictionaryView", "OSADictionaryView"},
        {"osaSplitView", "OSASplitView"},
        {"pdfThumbnailView", "PDFThumbnailView"},
        {"pdfView", "PDFView"},
        {"qcCompositionParameterView", "QCCompositionParameterView"},
        {"qcCompositionPickerView", "QCCompositionPickerView"},
        {"qcView", "QCView"},
        {"sceneView", "SCNView"},
        {"webView", "WebView"},
    };
    return table;
}

const std::set<std::string> &XAXIBView::knownViewTagNames() {
    static const std::set<std::string> names = [] {
        std::set<std::string> all;
        for (const auto *table : {&iOSViewTagNamesToClasses(), &OSXViewTagNamesToClasses()}) {
            for (const auto &entry : *table) {
                all.insert(entry.first);
            }
        }
        return all;
    }();
    return names;
}
