#include "app/config/XARuleInfoViewController.h"

#include "app/controls/XASplitView.h"
#include "app/controls/XAViewExtensions.h"
#include "app/controls/XAViewLayout.h"
#include "app/diagnostics/XAWebDelegate.h"
#include "core/XAUserFolders.h"
#include "engine/XARulePage.h"
#include "engine/XARuleRegistry.h"

#include <QWebEnginePage>

#include <algorithm>

QString XARuleInfoPageDocument(const std::string &page) {
    const QString html = QString::fromStdString(page);
    if (html.trimmed().startsWith(QStringLiteral("<!DOCTYPE"), Qt::CaseInsensitive) ||
        html.trimmed().startsWith(QStringLiteral("<html"), Qt::CaseInsensitive)) {
        return html;
    }
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                          "<link rel=\"stylesheet\" href=\"ruleinfo.css\"></head><body>%1</body></html>")
        .arg(html);
}

XARuleInfoViewController::XARuleInfoViewController(XAConfigurationViewControllerDelegate *configVCDelegate,
                                                   const XARuleRegistry *registry)
    : configVCDelegate_(configVCDelegate), registry_(registry ? registry : &XARuleRegistry::shared()) {}

XARuleInfoViewController::~XARuleInfoViewController() {
    if (webView_) {
        XAWebDelegate::sharedDelegate().deactivateInWebView(webView_);
    }
}

QWidget *XARuleInfoViewController::loadView() {
    auto *view = new QWidget;
    splitView_ = new XASplitView(Qt::Vertical, view);
    splitView_->setChildrenCollapsible(false);
    webView_ = new XAWebView(splitView_);
    webView_->page()->setBackgroundColor(Qt::transparent);
    XAWebDelegate::sharedDelegate().activateInWebView(webView_);
    ruleOptionsWrapperView_ = new QWidget(splitView_);
    splitView_->addWidget(webView_);
    splitView_->addWidget(ruleOptionsWrapperView_);
    splitView_->hide();
    xa_makeAndKeepFullSizeOfSuperview(splitView_);
    return view;
}

void XARuleInfoViewController::displayRule(const XARuleDescriptor *rule, const XAConfiguration &configuration) {
    view();
    rule_ = rule;
    if (!rule) {
        splitView_->hide();
        return;
    }
    splitView_->show();
    xa_clearPlaceholderLabel(view());
    const std::string folder = xa_pathForResourcePath("").value_or("");
    webView_->loadHTML(XARuleInfoPageDocument(XARuleHTMLDescriptionPage(*rule)),
                       QUrl::fromLocalFile(QString::fromStdString(folder + "/")));
    showOptions(configuration);
}

void XARuleInfoViewController::showOptions(const XAConfiguration &configuration) {
    // The old controller goes first, while its table still exists; its view goes when the wrapper's subviews change.
    configVC_.reset();
    configVC_ = std::make_unique<XAConfigurationViewController>(
        configuration, false, std::vector<std::string>{rule_->shortName}, QStringLiteral("RuleConfigTable"), registry_);
    configVC_->setDelegate(configVCDelegate_);
    double wantedHeight = 0;
    if (!rule_->optionGroups.empty()) {
        wantedHeight = configVC_->desiredViewHeight();
        xa_clearPlaceholderLabel(ruleOptionsWrapperView_);
        xa_replaceFirstSubviewWithView(ruleOptionsWrapperView_, configVC_->view());
        xa_makeAndKeepFullSizeOfSuperview(configVC_->view());
    } else {
        xa_removeAllSubviews(ruleOptionsWrapperView_);
        xa_addPlaceholderLabelWithText(ruleOptionsWrapperView_, QStringLiteral("This rule has no options."));
    }
    placeDivider(wantedHeight);
}

void XARuleInfoViewController::placeDivider(double wantedOptionsHeight) {
    const int height = splitView_->height();
    const int thickness = splitView_->handleWidth();
    const int position = int(std::max(height - wantedOptionsHeight - thickness, height * 0.5));
    splitView_->setSizes({position, std::max(0, height - position - thickness)});
}

void XARuleInfoViewController::clearDisplayedRuleWithPlaceholder(const QString &text) {
    displayRule(nullptr, XAConfiguration());
    xa_addPlaceholderLabelWithText(view(), text);
}
