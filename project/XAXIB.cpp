#include "project/XAXIB.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAXMLText.h"
#include "project/XAXIBXMLNode.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace {

// "YES" in any letter case.
bool isYes(const std::optional<std::string> &value) {
    constexpr std::string_view yes = "YES";
    return value && std::equal(value->begin(), value->end(), yes.begin(), yes.end(),
                               [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

// The root element of the document that `node` belongs to; a null node for no document.
pugi::xml_node rootElement(const pugi::xml_node &node) {
    for (const pugi::xml_node &child : node.root().children()) {
        if (child.type() == pugi::node_element) {
            return child;
        }
    }
    return {};
}

std::vector<pugi::xml_node> elementsForXPath(const pugi::xml_node &node, std::string_view query) {
    return xa_elementsForXPath(node, std::string(query).c_str()).value_or(std::vector<pugi::xml_node>{});
}

pugi::xml_node firstElementForXPath(const pugi::xml_node &node, std::string_view query) {
    const std::vector<pugi::xml_node> elements = elementsForXPath(node, query);
    return elements.empty() ? pugi::xml_node() : elements.front();
}

bool nestsDeeperThan(pugi::xml_document &document, size_t limit) {
    struct DepthWalker : pugi::xml_tree_walker {
        size_t limit = 0;
        bool tooDeep = false;
        bool for_each(pugi::xml_node &node) override {
            // depth() is 0 for the root element, so an element lies at depth() + 1.
            if (node.type() == pugi::node_element && static_cast<size_t>(depth()) + 1 > limit) {
                tooDeep = true;
                return false;
            }
            return true;
        }
    } walker;
    walker.limit = limit;
    document.traverse(walker);
    return walker.tooDeep;
}

// A view record for a known view tag, a plain object record otherwise.
std::shared_ptr<const XAXIBObject> recordFromElement(const pugi::xml_node &element, XAXIBViewCache &cache) {
    if (XAXIBView::knownViewTagNames().count(element.name()) != 0) {
        return cache.view(element);
    }
    return std::make_shared<const XAXIBObject>(element);
}

// The "id" values of the direct children of the first "/document/objects" element.
std::unordered_set<std::string> topLevelIDs(const pugi::xml_node &document) {
    std::unordered_set<std::string> ids;
    for (const pugi::xml_node &child : xa_childElements(firstElementForXPath(document, "/document/objects"))) {
        if (auto id = xa_valueOfAttribute(child, "id")) {
            ids.insert(std::move(*id));
        }
    }
    return ids;
}

// The facts shared by every connection of one document.
struct ConnectionContext {
    const std::string &XIBFilePath;
    const std::optional<std::string> &filesOwnerID;
    std::unordered_set<std::string> topLevelIDs;
    std::unordered_map<std::string, pugi::xml_node> elementsByID;

    bool isTopLevel(const std::optional<std::string> &id) const { return id && topLevelIDs.count(*id) != 0; }
};

std::shared_ptr<XAXIBConnection> connectionFromElement(const pugi::xml_node &element) {
    const std::string_view name = element.name();
    if (name == "action") {
        auto action = std::make_shared<XAXIBAction>();
        action->setSelector(xa_valueOfAttribute(element, "selector"));
        action->setEventType(xa_valueOfAttribute(element, "eventType"));
        return action;
    }
    if (name == "outlet") {
        auto outlet = std::make_shared<XAXIBOutlet>();
        outlet->setPropertyName(xa_valueOfAttribute(element, "property"));
        return outlet;
    }
    return nullptr; // segues, outlet collections and anything else are no connections of this model
}

void fillConnectionEnds(XAXIBConnection &connection, const pugi::xml_node &element, const pugi::xml_node &parent,
                        const ConnectionContext &context) {
    connection.setIdentifier(xa_valueOfAttribute(element, "id"));
    connection.setParentXIBPath(context.XIBFilePath);
    connection.setParentElementID(xa_valueOfAttribute(parent, "id"));
    connection.setParentElementTagName(parent.name());
    connection.setParentClassName(xa_valueOfAttribute(parent, "customClass"));
    connection.setParentIsFilesOwner(
        xa_valueOfAttribute(parent, "placeholderIdentifier") == "IBFilesOwner" ||
        (context.filesOwnerID && xa_valueOfAttribute(parent, "id") == *context.filesOwnerID));
    connection.setParentIsTopLevelObject(context.isTopLevel(connection.parentElementID()));

    const std::optional<std::string> destinationID = xa_valueOfAttribute(element, "destination");
    connection.setDestinationID(destinationID);
    connection.setDestinationIsFilesOwner(destinationID && context.filesOwnerID &&
                                          *destinationID == *context.filesOwnerID);
    if (destinationID) {
        if (auto found = context.elementsByID.find(*destinationID); found != context.elementsByID.end()) {
            connection.setDestinationClassName(xa_valueOfAttribute(found->second, "customClass"));
        }
    }
    connection.setDestinationIsTopLevelObject(context.isTopLevel(destinationID));
}

template <typename Record, typename Base>
std::vector<std::shared_ptr<const Record>> recordsOfClass(const std::vector<std::shared_ptr<const Base>> &records) {
    std::vector<std::shared_ptr<const Record>> matching;
    for (const auto &record : records) {
        if (auto cast = std::dynamic_pointer_cast<const Record>(record)) {
            matching.push_back(std::move(cast));
        }
    }
    return matching;
}

// Keeps the first of records that are of the same class and carry the same identifier.
std::vector<std::shared_ptr<const XAXIBObject>>
withoutDuplicates(std::vector<std::shared_ptr<const XAXIBObject>> objects) {
    std::set<std::pair<bool, std::string>> seen;
    std::vector<std::shared_ptr<const XAXIBObject>> unique;
    for (auto &object : objects) {
        if (object->identifier()) {
            const bool isView = dynamic_cast<const XAXIBView *>(object.get()) != nullptr;
            if (!seen.emplace(isView, *object->identifier()).second) {
                continue;
            }
        }
        unique.push_back(std::move(object));
    }
    return unique;
}

} // namespace

std::shared_ptr<const XAXIB> XAXIB::XIBWithFile(const std::string &path) { return std::make_shared<const XAXIB>(path); }

XAXIB::XAXIB(std::string filePath) : filePath_(std::move(filePath)) {
    XAError error;
    XIBData_ = XAContentsOfFile(filePath_, &error);
    std::unique_ptr<pugi::xml_document> document;
    if (!XIBData_) {
        // A missing or unreadable file has no data at all, which the message says in these words whatever the
        // system's reason was.
        readError_ = XAError("Error parsing XIB XML " + filePath_ + " : empty NSData", error.code);
    } else if (!(document = xmlDocument(&error))) {
        readError_ = XAError("Error parsing XIB XML " + filePath_ + " : " + error.message, error.code);
    }
    if (readError_) {
        XALog(XALogLevelError, readError_->message);
    }
    cacheXIBStructureFromDocument(document ? static_cast<pugi::xml_node>(*document) : pugi::xml_node());
}

std::unique_ptr<pugi::xml_document> XAXIB::xmlDocument(XAError *error) const {
    if (!XIBData_) {
        XASetError(error, "The file could not be read.");
        return nullptr;
    }
    if (XIBData_->empty()) {
        XASetError(error, "The file is empty.");
        return nullptr;
    }
    auto document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result result =
        document->load_buffer(XIBData_->data(), XIBData_->size(), pugi::parse_default, pugi::encoding_auto);
    // pugixml lets some malformed documents pass (text or a second element after the root, repeated attributes);
    // for UTF-8, the encoding Interface Builder writes, the strict check of the XML helpers refuses them and words the
    // reason with line and column.
    XAError strictError;
    if (result.encoding == pugi::encoding_utf8 && !xa_isValidXMLWithError(*XIBData_, &strictError)) {
        XASetError(error, strictError.message, strictError.code);
        return nullptr;
    }
    if (!result) {
        XASetError(error, std::string("Invalid XML: ") + result.description(), static_cast<int>(result.status));
        return nullptr;
    }
    if (nestsDeeperThan(*document, kMaximumElementDepth)) {
        XASetError(error,
                   "The document nests elements more than " + std::to_string(kMaximumElementDepth) + " levels deep.");
        return nullptr;
    }
    return document;
}

void XAXIB::cacheXIBStructureFromDocument(const pugi::xml_node &document) {
    format_ = formatFromDocument(document);
    type_ = typeFromDocument(document);
    if (format_ == XAXIBFormatArchive) {
        return;
    }
    usesAutolayout_ = usesAutolayoutFromDocument(document);
    const pugi::xml_node filesOwner = filesOwnerElementFromDocument(document);
    filesOwnerElementID_ = xa_valueOfAttribute(filesOwner, "id");
    filesOwnerClassName_ = xa_valueOfAttribute(filesOwner, "customClass");
    resourcePathReferences_ = resourcePathReferencesFromDocument(document);
    classReferences_ = classReferencesFromDocument(document);
    connections_ = connectionsFromDocument(document, filesOwnerElementID_, filePath_);
    ibActions_ = ibActionsFromConnections(connections_);
    ibOutlets_ = ibOutletsFromConnections(connections_);
    XAXIBViewCache views;
    rootObjects_ = rootObjectsFromDocument(document, &views);
    rootViews_ = viewsFromObjects(rootObjects_);
    allObjects_ = withoutDuplicates(objectsRecursivelyFromContainerElement(rootElement(document), &views));
    allViews_ = viewsFromObjects(allObjects_);
}

std::string XAXIB::typeDisplayName() const { return type_ == XAXIBTypeIOSStoryboard ? "Storyboard" : "XIB"; }

std::string XAXIB::description() const {
    std::ostringstream text;
    text << static_cast<const void *>(this) << " " << xa_lastPathComponent(filePath_);
    return text.str();
}

XAXIBFormat XAXIB::formatFromDocument(const pugi::xml_node &document) {
    const std::string_view name = rootElement(document).name();
    if (name == "archive") {
        return XAXIBFormatArchive;
    }
    return name == "document" ? XAXIBFormatDocument : XAXIBFormatUnknown;
}

XAXIBType XAXIB::typeFromDocument(const pugi::xml_node &document) {
    const auto type = xa_valueOfAttribute(rootElement(document), "type");
    if (type == "com.apple.InterfaceBuilder3.CocoaTouch.XIB") {
        return XAXIBTypeIOSXIB;
    }
    return type == "com.apple.InterfaceBuilder3.CocoaTouch.Storyboard.XIB" ? XAXIBTypeIOSStoryboard : XAXIBTypeOther;
}

bool XAXIB::usesAutolayoutFromDocument(const pugi::xml_node &document) {
    return isYes(xa_valueOfAttribute(rootElement(document), "useAutolayout"));
}

pugi::xml_node XAXIB::filesOwnerElementFromDocument(const pugi::xml_node &document) {
    // iOS documents mark the File's Owner with a placeholder identifier; OS X documents make it the top-level
    // custom object with the identifier -2.
    return firstElementForXPath(
        document, "//*[@placeholderIdentifier='IBFilesOwner'] | /document/objects/customObject[@id='-2']");
}

namespace {

// A resource the system provides rather than the bundle: a system colour, an image or colour of the system's catalog
// (SF Symbols among them), or one of AppKit's named images ("NSGoBackTemplate").
bool isSystemResource(const pugi::xml_node &element, const std::string &name) {
    std::string catalog = xa_valueOfAttribute(element, "catalog").value_or("");
    std::transform(catalog.begin(), catalog.end(), catalog.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool appKitName =
        name.size() > 2 && name.starts_with("NS") && std::isupper(static_cast<unsigned char>(name[2]));
    return std::string_view(element.name()) == "systemColor" || catalog == "system" ||
           (std::string_view(element.name()) == "image" && appKitName);
}

} // namespace

std::vector<XAXIBResourceReference> XAXIB::resourcePathReferencesFromDocument(const pugi::xml_node &document) {
    std::vector<XAXIBResourceReference> references;
    for (const pugi::xml_node &element : elementsForXPath(document, "/document/resources/*")) {
        if (auto name = xa_valueOfAttribute(element, "name"); name && !isSystemResource(element, *name)) {
            references.emplace_back(std::move(*name), std::string_view(element.name()) == "image"
                                                          ? XAXIBResourceTypeImage
                                                          : XAXIBResourceTypeUnknown);
        }
    }
    return references;
}

std::vector<XAXIBClassReference> XAXIB::classReferencesFromDocument(const pugi::xml_node &document) {
    std::vector<XAXIBClassReference> references;
    for (const pugi::xml_node &element : elementsForXPath(document, "//*[@customClass]")) {
        auto className = xa_valueOfAttribute(element, "customClass");
        if (className && !className->empty()) {
            XAXIBClassReference &reference = references.emplace_back(std::move(*className));
            std::optional<std::string> moduleName = xa_valueOfAttribute(element, "customModule");
            if (moduleName && moduleName->empty()) {
                moduleName.reset();
            }
            reference.setModule(std::move(moduleName), xa_valueOfAttribute(element, "customModuleProvider") ==
                                                           std::optional<std::string>("target"));
        }
    }
    return references;
}

std::unordered_map<std::string, pugi::xml_node>
XAXIB::recursiveIDToElementMappingFromElement(const pugi::xml_node &element) {
    std::unordered_map<std::string, pugi::xml_node> elementsByID;
    if (element.type() != pugi::node_element) {
        return elementsByID;
    }
    // Pre-order without recursion; a later element overwrites an earlier one with the same id.
    std::vector<pugi::xml_node> pending = {element};
    while (!pending.empty()) {
        const pugi::xml_node node = pending.back();
        pending.pop_back();
        if (auto id = xa_valueOfAttribute(node, "id")) {
            elementsByID[std::move(*id)] = node;
        }
        const std::vector<pugi::xml_node> children = xa_childElements(node);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return elementsByID;
}

std::vector<std::shared_ptr<const XAXIBConnection>>
XAXIB::connectionsFromDocument(const pugi::xml_node &document, const std::optional<std::string> &filesOwnerID,
                               const std::string &XIBFilePath) {
    const ConnectionContext context{XIBFilePath, filesOwnerID, topLevelIDs(document),
                                    recursiveIDToElementMappingFromElement(rootElement(document))};
    std::vector<std::shared_ptr<const XAXIBConnection>> connections;
    for (const pugi::xml_node &parent : elementsForXPath(document, "//*[connections]")) {
        for (const pugi::xml_node &element : xa_childElements(xa_firstChildElementWithName(parent, "connections"))) {
            if (std::shared_ptr<XAXIBConnection> connection = connectionFromElement(element)) {
                fillConnectionEnds(*connection, element, parent, context);
                connections.push_back(std::move(connection));
            }
        }
    }
    return connections;
}

std::vector<std::shared_ptr<const XAXIBAction>>
XAXIB::ibActionsFromConnections(const std::vector<std::shared_ptr<const XAXIBConnection>> &connections) {
    return recordsOfClass<XAXIBAction>(connections);
}

std::vector<std::shared_ptr<const XAXIBOutlet>>
XAXIB::ibOutletsFromConnections(const std::vector<std::shared_ptr<const XAXIBConnection>> &connections) {
    return recordsOfClass<XAXIBOutlet>(connections);
}

std::vector<std::shared_ptr<const XAXIBObject>> XAXIB::rootObjectsFromDocument(const pugi::xml_node &document,
                                                                               XAXIBViewCache *cache) {
    XAXIBViewCache localCache;
    XAXIBViewCache &views = cache ? *cache : localCache;
    std::vector<pugi::xml_node> containers;
    if (pugi::xml_node objects = firstElementForXPath(document, "/document/objects")) {
        containers.push_back(objects);
    }
    for (const pugi::xml_node &objects : elementsForXPath(document, "/document/scenes/scene/objects")) {
        containers.push_back(objects);
    }
    std::vector<std::shared_ptr<const XAXIBObject>> rootObjects;
    for (const pugi::xml_node &container : containers) {
        for (const pugi::xml_node &element : xa_childElements(container)) {
            rootObjects.push_back(recordFromElement(element, views));
        }
    }
    return rootObjects;
}

std::vector<std::shared_ptr<const XAXIBView>>
XAXIB::viewsFromObjects(const std::vector<std::shared_ptr<const XAXIBObject>> &objects) {
    return recordsOfClass<XAXIBView>(objects);
}

std::vector<std::shared_ptr<const XAXIBObject>>
XAXIB::objectsRecursivelyFromContainerElement(const pugi::xml_node &container, XAXIBViewCache *cache) {
    XAXIBViewCache localCache;
    XAXIBViewCache &views = cache ? *cache : localCache;
    std::vector<std::shared_ptr<const XAXIBObject>> objects;
    // Pre-order without recursion: children are pushed in reverse so that the first is taken first.
    const std::vector<pugi::xml_node> topChildren = xa_childElements(container);
    std::vector<pugi::xml_node> pending(topChildren.rbegin(), topChildren.rend());
    while (!pending.empty()) {
        const pugi::xml_node element = pending.back();
        pending.pop_back();
        if (std::string_view(element.name()) == "connections") {
            continue;
        }
        if (xa_hasAttribute(element, "id")) {
            objects.push_back(recordFromElement(element, views));
        }
        const std::vector<pugi::xml_node> children = xa_childElements(element);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return objects;
}
