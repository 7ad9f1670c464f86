#pragma once

// A delegate or data source attached to an object, found in a XIB (as an outlet) or in code (as an assignment or a
// setter message). A record found in code keeps snapshots of the attaching statement and of the member whose delegate
// is set, not the cursors, so that it stays readable after its translation unit is disposed.

#include "codemodel/clang/XACursorSnapshot.h"
#include "project/XAXIBConnection.h"

#include <clang-c/Index.h>

#include <memory>
#include <string>

class XADelegateAttachment {
public:
    // An attachment made in a XIB by the outlet; its two cursor snapshots are those of the null cursor.
    XADelegateAttachment(std::shared_ptr<const XAXIBOutlet> xibOutlet, std::string delegateSpelling);
    // An attachment made in code: the statement that attaches, and the declaration of the member whose delegate or
    // data source is set. The cursors' unit must be alive; they are read at once.
    XADelegateAttachment(std::string delegateSpelling, CXCursor occurrenceCursor, CXCursor delegateCursor);

    bool isXIBAttachment() const { return xibOutlet_ != nullptr; }
    // The spelling is a data-source name ("dataSource", "fooDataSource"), not a delegate name.
    bool isDataSourceAttachment() const;
    // "<spelling> <occurrence description> <delegate description>".
    std::string description() const;

    const std::shared_ptr<const XAXIBOutlet> &xibOutlet() const { return xibOutlet_; }
    // The name of the delegate or data-source property or accessor, as written.
    const std::string &delegateSpelling() const { return delegateSpelling_; }
    const XACursorSnapshot &occurrence() const { return occurrence_; }
    const XACursorSnapshot &delegate() const { return delegate_; }

private:
    std::shared_ptr<const XAXIBOutlet> xibOutlet_;
    std::string delegateSpelling_;
    XACursorSnapshot occurrence_;
    XACursorSnapshot delegate_;
};
