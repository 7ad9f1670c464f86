#pragma once

// What the application delegate asks of the one project window. The project window's controller implements it.

#include <functional>
#include <string>

class XAWindowController;

class XAProjectWindow {
public:
    virtual ~XAProjectWindow() = default;

    virtual XAWindowController &windowController() = 0;
    virtual void openProject(const std::string &path) = 0;
    // True when the project may close now. Otherwise the window may ask the user first, and the completion later
    // tells whether the application may quit.
    virtual bool closeProjectWithPossibleUserPromptAndCompletion(std::function<void(bool mayClose)> completion) = 0;
    // Whether the window's action (named by its selector, such as "reloadProjectFromDisk:") can be sent now, and
    // sending it; the menus ask when they open.
    virtual bool respondsToSelector(const std::string &) const { return false; }
    virtual void performAction(const std::string &) {}
};
