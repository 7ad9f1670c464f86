#pragma once

// The read-only model of one Interface Builder document, a XIB or a storyboard file. Creating it reads the file,
// parses it and walks the tree once; afterwards it never changes and any thread may read it. The build model makes
// one for every XIB and storyboard of a target, many in parallel; rules read the outlets and actions, the classes and
// images the document names, the File's Owner, the Auto Layout switch, and the objects and views.
//
// Bad input never fails the creation: a file that cannot be read, is empty, is not well-formed XML or nests elements
// absurdly deep yields a model with no content, and the reason (naming the file) is logged at the error level and
// kept in readError().

#include "core/XAError.h"
#include "project/XAXIBConnection.h"
#include "project/XAXIBObject.h"
#include "project/XAXIBReferences.h"
#include "project/XAXIBView.h"

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

// The XML dialect of the file, from the root element's name.
enum XAXIBFormat : int {
    XAXIBFormatUnknown = 0,  // any other root, or no document
    XAXIBFormatArchive = 1,  // "archive": the archive format of Xcode 4 and earlier, which is not interpreted
    XAXIBFormatDocument = 2, // "document"
};

// The document type that the root element's "type" attribute declares.
enum XAXIBType : int {
    XAXIBTypeOther = 0,         // anything else, Mac documents and a missing attribute included
    XAXIBTypeIOSXIB = 1,        // "com.apple.InterfaceBuilder3.CocoaTouch.XIB"
    XAXIBTypeIOSStoryboard = 2, // "com.apple.InterfaceBuilder3.CocoaTouch.Storyboard.XIB"
};

class XAXIB {
public:
    // Documents that nest elements deeper than this are refused as bad input: no real document comes near it, and
    // the subview trees of deeper ones could exhaust a worker thread's stack.
    static constexpr size_t kMaximumElementDepth = 1000;

    // A new, fully read model of the file.
    static std::shared_ptr<const XAXIB> XIBWithFile(const std::string &path);
    explicit XAXIB(std::string filePath);

    // A parsed document of XIBData(); null, with the reason, when there are no data or they are not a well-formed
    // XML document (UTF-8 documents are checked as strictly as XML demands; UTF-16 and UTF-32 ones as pugixml reads
    // them) or nest elements deeper than kMaximumElementDepth.
    std::unique_ptr<pugi::xml_document> xmlDocument(XAError *error) const;

    // "Storyboard" for an iOS storyboard, "XIB" otherwise; rules put the word into their messages.
    std::string typeDisplayName() const;
    // The address of the model and the file name, for debugging.
    std::string description() const;

    const std::string &filePath() const { return filePath_; }
    // The raw bytes of the file; no value when it cannot be read.
    const std::optional<std::string> &XIBData() const { return XIBData_; }
    // Why the file could not be read or parsed, naming the file (the text that was logged); no value when it was.
    const std::optional<XAError> &readError() const { return readError_; }
    XAXIBFormat format() const { return format_; }
    XAXIBType type() const { return type_; }
    bool usesAutolayout() const { return usesAutolayout_; }
    const std::optional<std::string> &filesOwnerElementID() const { return filesOwnerElementID_; }
    const std::optional<std::string> &filesOwnerClassName() const { return filesOwnerClassName_; }

    // The lists below are empty when the document could not be read and for the archive format (which callers tell
    // apart by format()).
    const std::vector<XAXIBResourceReference> &resourcePathReferences() const { return resourcePathReferences_; }
    // One entry per element with a non-empty "customClass", so a class named twice is listed twice.
    const std::vector<XAXIBClassReference> &classReferences() const { return classReferences_; }
    // Every outlet and action, in document order.
    const std::vector<std::shared_ptr<const XAXIBConnection>> &connections() const { return connections_; }
    const std::vector<std::shared_ptr<const XAXIBAction>> &ibActions() const { return ibActions_; }
    const std::vector<std::shared_ptr<const XAXIBOutlet>> &ibOutlets() const { return ibOutlets_; }
    // The top-level objects: the children of "/document/objects", then those of every scene's "objects".
    const std::vector<std::shared_ptr<const XAXIBObject>> &rootObjects() const { return rootObjects_; }
    const std::vector<std::shared_ptr<const XAXIBView>> &rootViews() const { return rootViews_; }
    // Every element with an "id" outside "connections" elements, depth first, without duplicates.
    const std::vector<std::shared_ptr<const XAXIBObject>> &allObjects() const { return allObjects_; }
    const std::vector<std::shared_ptr<const XAXIBView>> &allViews() const { return allViews_; }

    // The steps of the walk, each a function of its arguments alone. A document argument is the document node; a
    // null node stands for no document. Where a view cache is given, view records are shared through it.
    static XAXIBFormat formatFromDocument(const pugi::xml_node &document);
    static XAXIBType typeFromDocument(const pugi::xml_node &document);
    static bool usesAutolayoutFromDocument(const pugi::xml_node &document);
    static pugi::xml_node filesOwnerElementFromDocument(const pugi::xml_node &document);
    static std::vector<XAXIBResourceReference> resourcePathReferencesFromDocument(const pugi::xml_node &document);
    static std::vector<XAXIBClassReference> classReferencesFromDocument(const pugi::xml_node &document);
    // "id" to element for the element and all its descendants; of two elements with one id the later one wins.
    static std::unordered_map<std::string, pugi::xml_node>
    recursiveIDToElementMappingFromElement(const pugi::xml_node &element);
    static std::vector<std::shared_ptr<const XAXIBConnection>>
    connectionsFromDocument(const pugi::xml_node &document, const std::optional<std::string> &filesOwnerID,
                            const std::string &XIBFilePath);
    static std::vector<std::shared_ptr<const XAXIBAction>>
    ibActionsFromConnections(const std::vector<std::shared_ptr<const XAXIBConnection>> &connections);
    static std::vector<std::shared_ptr<const XAXIBOutlet>>
    ibOutletsFromConnections(const std::vector<std::shared_ptr<const XAXIBConnection>> &connections);
    static std::vector<std::shared_ptr<const XAXIBObject>> rootObjectsFromDocument(const pugi::xml_node &document,
                                                                                   XAXIBViewCache *cache = nullptr);
    static std::vector<std::shared_ptr<const XAXIBView>>
    viewsFromObjects(const std::vector<std::shared_ptr<const XAXIBObject>> &objects);
    // Pre-order over the container's descendants, skipping "connections" subtrees: a record for each element with an
    // "id". Duplicates are kept.
    static std::vector<std::shared_ptr<const XAXIBObject>>
    objectsRecursivelyFromContainerElement(const pugi::xml_node &container, XAXIBViewCache *cache = nullptr);

private:
    void cacheXIBStructureFromDocument(const pugi::xml_node &document);

    std::string filePath_;
    std::optional<std::string> XIBData_;
    std::optional<XAError> readError_;
    XAXIBFormat format_ = XAXIBFormatUnknown;
    XAXIBType type_ = XAXIBTypeOther;
    bool usesAutolayout_ = false;
    std::optional<std::string> filesOwnerElementID_;
    std::optional<std::string> filesOwnerClassName_;
    std::vector<XAXIBResourceReference> resourcePathReferences_;
    std::vector<XAXIBClassReference> classReferences_;
    std::vector<std::shared_ptr<const XAXIBConnection>> connections_;
    std::vector<std::shared_ptr<const XAXIBAction>> ibActions_;
    std::vector<std::shared_ptr<const XAXIBOutlet>> ibOutlets_;
    std::vector<std::shared_ptr<const XAXIBObject>> rootObjects_;
    std::vector<std::shared_ptr<const XAXIBView>> rootViews_;
    std::vector<std::shared_ptr<const XAXIBObject>> allObjects_;
    std::vector<std::shared_ptr<const XAXIBView>> allViews_;
};
