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

  function symbolType(element) {
    var classes = ["tessary-codesymbol", "tessary-objcmethod", "tessary-cfunction", "tessary-cmacro"];
    for (var i = 0; i < classes.length; i++) {
      if (element.classList.contains(classes[i])) {
        return classes[i].substring("tessary-".length);
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
      var path = element.getAttribute("data-path") || element.textContent;
      openLink(element.textContent, "file", path, parseInt(element.getAttribute("data-line") || "0", 10),
               parseInt(element.getAttribute("data-column") || "0", 10));
    } else if (element.classList.contains("tessary-rulename")) {
      var native = app();
      if (native && native.invokeGenericAction_withParameter_) {
        native.invokeGenericAction_withParameter_("configure-rule", element.getAttribute("data-rule") || "");
      }
    } else {
      var type = symbolType(element);
      if (type) {
        openLink(element.textContent, type, element.textContent, 0, 0);
      }
    }
    event.preventDefault();
  }

  document.addEventListener("click", onClick, false);
})();
