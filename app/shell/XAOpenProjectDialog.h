#pragma once

// The dialog that opens a project. An Xcode project is a folder whose name ends in ".xcodeproj", so the dialog lists
// folders only and takes such a folder as a whole: choosing it, or opening it by a double click, picks the project
// instead of showing its inside. Any other choice is refused with a message and the dialog stays open.

#include <QFileDialog>

#include <functional>
#include <string>

class XAOpenProjectDialog : public QFileDialog {
public:
    // Receives the chosen project's path.
    using ProjectHandler = std::function<void(const std::string &projectPath)>;

    XAOpenProjectDialog(QWidget *parent, ProjectHandler handler);

    // An existing folder whose extension is "xcodeproj" in any case.
    static bool isProjectBundle(const QString &path);

    void accept() override;

private:
    void chooseProject(const QString &path);

    ProjectHandler handler_;
};
