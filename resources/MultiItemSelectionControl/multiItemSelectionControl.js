// The selection control's page. Native code calls the methods of "multiItemSelectionControl"; a click toggles an
// item and tells "tessaryNativeApp" the new selection.
var multiItemSelectionControl = (function () {
    var items = [];
    var selected = {};
    var tooltips = {};

    function container() {
        return document.getElementById("items");
    }

    function render() {
        var root = container();
        if (!root) {
            return;
        }
        root.textContent = "";
        items.forEach(function (item) {
            var element = document.createElement("span");
            element.className = "item" + (selected[item] ? " selected" : "");
            element.textContent = item;
            element.setAttribute("data-item", item);
            if (tooltips[item]) {
                element.title = tooltips[item];
            }
            element.addEventListener("click", function () {
                toggle(item);
            });
            root.appendChild(element);
        });
    }

    function getSelectedItems() {
        return items.filter(function (item) {
            return selected[item] === true;
        });
    }

    function toggle(item) {
        selected[item] = !selected[item];
        render();
        if (window.tessaryNativeApp) {
            window.tessaryNativeApp.multiItemSelectionControlSelectedItemsDidChange_(getSelectedItems());
        }
    }

    document.addEventListener("DOMContentLoaded", render);
    document.addEventListener("selectstart", function (event) {
        event.preventDefault();
    });

    return {
        setItems: function (newItems) {
            items = (newItems || []).slice();
            render();
        },
        setTooltipsForItems: function (pairs) {
            tooltips = {};
            (pairs || []).forEach(function (pair) {
                tooltips[pair[0]] = pair[1];
            });
            render();
        },
        setSelectedItems: function (newSelection) {
            selected = {};
            (newSelection || []).forEach(function (item) {
                selected[item] = true;
            });
            render();
        },
        getSelectedItems: getSelectedItems
    };
})();
