// The combined picture of a diagnostic's impact and severity: the severity's picture at 76 × 76 points with the
// impact's drawn over it. The pictures are SVG resources, so the combination is an SVG document that holds both,
// each as a nested picture filling the whole square (later elements are painted over earlier ones).

#include "engine/XADiagnostic.h"

#include "core/XAUserFolders.h"

#include <map>
#include <mutex>
#include <pugixml.hpp>
#include <sstream>

namespace {

constexpr const char *kCombinedSide = "76";
constexpr const char *kImagesFolder = "DiagnosticsInfo/images/";

// Appends the picture's root element to the canvas, sized to fill it; false when the resource is missing or no SVG.
bool appendPicture(pugi::xml_node canvas, const std::optional<std::string> &imageName) {
    if (!imageName) {
        return false;
    }
    const std::optional<std::string> text = xa_contentsOfResource(kImagesFolder + *imageName + ".svg");
    pugi::xml_document picture;
    if (!text || !picture.load_string(text->c_str()) || std::string(picture.document_element().name()) != "svg") {
        return false;
    }
    pugi::xml_node nested = canvas.append_copy(picture.document_element());
    nested.remove_attribute("xmlns");
    for (const char *attribute : {"x", "y"}) {
        nested.remove_attribute(attribute);
        nested.append_attribute(attribute) = "0";
    }
    for (const char *attribute : {"width", "height"}) {
        nested.remove_attribute(attribute);
        nested.append_attribute(attribute) = kCombinedSide;
    }
    return true;
}

std::optional<std::string> makeCombinedImage(XADiagnosticImpact impact, XADiagnosticSeverity severity) {
    pugi::xml_document document;
    pugi::xml_node canvas = document.append_child("svg");
    canvas.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
    canvas.append_attribute("width") = kCombinedSide;
    canvas.append_attribute("height") = kCombinedSide;
    canvas.append_attribute("viewBox") = (std::string("0 0 ") + kCombinedSide + " " + kCombinedSide).c_str();
    if (!appendPicture(canvas, XADiagnostic::imageForSeverity(severity))) {
        return std::nullopt;
    }
    appendPicture(canvas, XADiagnostic::imageForImpact(impact));
    std::ostringstream text;
    document.save(text, "", pugi::format_raw | pugi::format_no_declaration);
    return text.str();
}

} // namespace

std::optional<std::string> XADiagnostic::combinedImageForImpact(XADiagnosticImpact impact,
                                                                XADiagnosticSeverity severity) {
    static std::mutex mutex;
    static std::map<std::int64_t, std::optional<std::string>> cache;
    std::lock_guard lock(mutex);
    const std::int64_t key = severity * 100 + impact;
    auto found = cache.find(key);
    if (found == cache.end()) {
        found = cache.emplace(key, makeCombinedImage(impact, severity)).first;
    }
    return found->second;
}
