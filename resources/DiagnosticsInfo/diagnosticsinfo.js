// Turns the page's file names and code symbols into links that the application opens, and the rule name into the
// action that configures the rule. The application exposes itself to the page as window.tessaryNativeApp.
(function () {
  "use strict";

  function app() {
    return window.tessaryNativeApp;
  }

  function openLink(text, type, ref, line, column) {
    var native = app();
    if (native && native.openLink_ofType_ref_line_column_) {
      native.openLink_ofType_ref_line_column_(text, type, ref, line, column);
    }
  }

  // The code tags of the markup whose text names a symbol the documentation browser can look up.
  var symbolTypes = ["objcclass", "objcmethod", "objcproperty", "objcprotocol", "cfunction", "cmacro", "typedef"];

  function symbolType(element) {
    for (var i = 0; i < symbolTypes.length; i++) {
      if (element.classList.contains("tessary-" + symbolTypes[i])) {
        return symbolTypes[i];
      }
    }
    return null;
  }

  function onClick(event) {
    var element = event.target.closest(".tessary-filepath, code, .tessary-rulename");
    if (!element) {
      return;
    }
    if (element.classList.contains("tessary-filepath")) {
      // A file link's text is the path; the line counts from 1, the column from 0.
      var path = element.getAttribute("data-path") || element.textContent;
      openLink(path, "filepath", undefined, parseInt(element.getAttribute("data-line") || "1", 10),
               parseInt(element.getAttribute("data-column") || "0", 10));
    } else if (element.classList.contains("tessary-rulename")) {
      var native = app();
      if (native && native.invokeGenericAction_withParameter_) {
        native.invokeGenericAction_withParameter_("configure-rule", element.getAttribute("data-rule") || "");
      }
    } else {
      var type = symbolType(element);
      if (type) {
        openLink(element.textContent, type, undefined, undefined, undefined);
      }
    }
    event.preventDefault();
  }

  document.addEventListener("click", onClick, false);
})();
