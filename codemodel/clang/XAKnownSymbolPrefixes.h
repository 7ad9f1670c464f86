#pragma once

// The symbol prefixes that the platforms' own frameworks reserve, one table per target platform. The reserved-prefix
// rule looks the class-name prefix of a declared name up in the table of the project's platform and reports the
// entry's owner and description; the XIB unknown-class rule skips class names whose prefix is any key of the table.

#include <map>
#include <string>

// The owner of one known prefix.
class XAPrefixInfo {
public:
    XAPrefixInfo(std::string owner, std::string prefixDescription, std::string ownerURL)
        : owner_(std::move(owner)), prefixDescription_(std::move(prefixDescription)), ownerURL_(std::move(ownerURL)) {}
    static XAPrefixInfo prefixWithOwner(std::string owner, std::string description, std::string url) {
        return XAPrefixInfo(std::move(owner), std::move(description), std::move(url));
    }

    // "Apple" for every entry of the tables.
    const std::string &owner() const { return owner_; }
    void setOwner(std::string owner) { owner_ = std::move(owner); }
    // "the <frameworks> framework", the frameworks joined by " / ".
    const std::string &prefixDescription() const { return prefixDescription_; }
    void setPrefixDescription(std::string description) { prefixDescription_ = std::move(description); }
    // The owner's web domain, without a scheme.
    const std::string &ownerURL() const { return ownerURL_; }
    void setOwnerURL(std::string url) { ownerURL_ = std::move(url); }

    // "<description> by <owner>": "the UIKit framework by Apple".
    std::string ownerAndDescription() const { return prefixDescription_ + " by " + owner_; }
    // The owner is exactly "Apple".
    bool ownerIsApple() const { return owner_ == "Apple"; }

private:
    std::string owner_;
    std::string prefixDescription_;
    std::string ownerURL_;
};

// The table of prefix (two to four upper-case ASCII letters) to owner for platform 1 (iOS, 57 prefixes) or 2 (OS X,
// 145 prefixes); null for any other platform. Both tables are built together on the first call, under a once-only
// guard, and never change afterwards: every call returns the same table, read by all threads without locks. Callers
// look keys up exactly; the table does no prefix matching of its own.
const std::map<std::string, XAPrefixInfo> *XAKnownSymbolPrefixesForPlatform(long platform);
