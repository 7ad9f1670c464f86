#pragma once

// One resource file of the installation shown in a preview: the file is copied once into a temporary folder of the
// process, under its whole path relative to the resources (so two files of the same name in different folders get
// two copies), and later previews of it reuse that copy.

#include <QString>

#include <memory>
#include <optional>

class XAResourceFileQLDataSource {
public:
    // A data source for the resource, after ensureFileIsInTempPath.
    static std::shared_ptr<XAResourceFileQLDataSource> dataSourceForResourceFile(const QString &resourceFilePath,
                                                                                 const QString &title);

    QString title() const { return title_; }
    QString resourceFilePath() const { return resourceFilePath_; }
    // Copies the resource into the temporary folder unless the copy is there; a failed copy is shown in an alert,
    // a missing resource leaves nothing to show.
    void ensureFileIsInTempPath();
    // Where the copy is (whether or not it exists); empty for a path that leads out of the temporary folder.
    QString previewItemPath() const;
    // The copy's text; empty when there is none.
    QString previewText() const;

private:
    QString resourceFilePath_;
    QString title_;
};
