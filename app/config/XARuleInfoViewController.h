#pragma once

// One rule in the rule selection sheet: its description page above and the table of its options below, edited in
// place. The page's links and script calls go through the shared bridge of the HTML panes, as the diagnostics
// pane's do. A rule without options shows "This rule has no options." and gives the page the whole height; the options
// never take more than half of it.

#include "app/config/XAConfigurationViewController.h"
#include "app/shell/XAViewController.h"
#include "engine/XARuleDescriptor.h"
#include "engine/config/XAConfiguration.h"

#include "app/diagnostics/XAWebView.h"
#include <QPointer>

#include <memory>

class QSplitter;
class XARuleRegistry;

// The rule's page as a whole document with the desktop's style sheet "ruleinfo.css"; a page that already is a whole
// document stays as it is.
QString XARuleInfoPageDocument(const std::string &page);

class XARuleInfoViewController : public XAViewController {
public:
    // Edits in the options table reach the delegate. The options come from the registry (the shared one when none
    // is given).
    explicit XARuleInfoViewController(XAConfigurationViewControllerDelegate *configVCDelegate,
                                      const XARuleRegistry *registry = nullptr);
    ~XARuleInfoViewController() override;

    // Shows the rule with the configuration's option values; with no rule, hides the pane.
    void displayRule(const XARuleDescriptor *rule, const XAConfiguration &configuration);
    // Shows no rule and a placeholder label with the text.
    void clearDisplayedRuleWithPlaceholder(const QString &text);

    const XARuleDescriptor *rule() const { return rule_; }
    QSplitter *splitView() {
        view();
        return splitView_;
    }
    XAWebView *webView() {
        view();
        return webView_;
    }
    QWidget *ruleOptionsWrapperView() {
        view();
        return ruleOptionsWrapperView_;
    }
    XAConfigurationViewController *configVC() const { return configVC_.get(); }

protected:
    QWidget *loadView() override;

private:
    void showOptions(const XAConfiguration &configuration);
    void placeDivider(double wantedOptionsHeight);

    XAConfigurationViewControllerDelegate *configVCDelegate_;
    const XARuleRegistry *registry_;
    const XARuleDescriptor *rule_ = nullptr;
    QPointer<QSplitter> splitView_;
    QPointer<XAWebView> webView_;
    QPointer<QWidget> ruleOptionsWrapperView_;
    std::unique_ptr<XAConfigurationViewController> configVC_;
};
