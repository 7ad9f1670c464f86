#pragma once

// Shows a file in the desktop's file manager, selected. The real revealer asks the file manager over D-Bus
// (org.freedesktop.FileManager1.ShowItems) and opens the parent folder when no file manager answers.

#include <memory>
#include <string>

class XAFileRevealer {
public:
    virtual ~XAFileRevealer() = default;
    virtual void revealPath(const std::string &path) = 0;

    static XAFileRevealer &shared();
    static void setShared(std::shared_ptr<XAFileRevealer> revealer); // an empty pointer restores the real one
};
