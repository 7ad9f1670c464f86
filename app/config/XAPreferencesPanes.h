#pragma once

// The panes of the preferences window: General (what to do with crash reports), Integrations (which code editor
// opens files and which documentation browser looks symbols up, and the commands and address those integrations
// run) and Updates (when updates were last checked for).
// Every pop-up reads and writes its user default directly, and is bound again each time its pane appears, so that
// values changed elsewhere show up.

#include "app/integrations/XAExternalApp.h"
#include "app/shell/XAViewController.h"

#include <QComboBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class XAPreferencesPane : public XAViewController {
public:
    virtual QString identifier() const = 0;
    virtual QString toolbarItemLabel() const = 0;
    virtual QIcon toolbarItemImage() const = 0;
    bool hasResizableWidth() const { return false; }
    bool hasResizableHeight() const { return false; }
    virtual void viewWillAppear() {}
    virtual void viewDidDisappear() {}
};

class XAGeneralPrefsViewController : public XAPreferencesPane {
public:
    QString identifier() const override { return QStringLiteral("general"); }
    QString toolbarItemLabel() const override { return QStringLiteral("General"); }
    QIcon toolbarItemImage() const override;
    void viewWillAppear() override;
    QComboBox *crashReportPolicyPopupButton() { return view(), crashReportPolicyPopupButton_; }

protected:
    QWidget *loadView() override;

private:
    QPointer<QComboBox> crashReportPolicyPopupButton_;
};

class XAIntegrationsViewController : public XAPreferencesPane {
public:
    QString identifier() const override { return QStringLiteral("integrations"); }
    QString toolbarItemLabel() const override { return QStringLiteral("Integrations"); }
    QIcon toolbarItemImage() const override;
    void viewWillAppear() override;
    void setUpCodeEditorSelectionUI();
    void setUpDocsBrowserSelectionUI();
    void updateCodeEditorInfoField();

    QComboBox *codeEditorPopupButton() { return view(), codeEditorPopupButton_; }
    QLabel *codeEditorInfoField() { return view(), codeEditorInfoField_; }
    QComboBox *docsBrowserPopupButton() { return view(), docsBrowserPopupButton_; }

    // The settings' commands as the user reads and types them (see XACommandTemplateText); an empty field stands for
    // the default, which its placeholder shows. A field the user changed is stored when editing ends.
    void setUpCommandFields();
    QLineEdit *projectCommandField() { return view(), projectCommandField_; }
    QLineEdit *fileCommandField() { return view(), fileCommandField_; }
    QLineEdit *customEditorCommandField() { return view(), customEditorCommandField_; }
    QLineEdit *docsSearchAddressField() { return view(), docsSearchAddressField_; }

protected:
    QWidget *loadView() override;

private:
    QLineEdit *newSettingField(QWidget *parent, std::function<void(const std::string &text)> store);

    QPointer<QComboBox> codeEditorPopupButton_;
    QPointer<QLabel> codeEditorInfoField_;
    QPointer<QComboBox> docsBrowserPopupButton_;
    QPointer<QLineEdit> projectCommandField_;
    QPointer<QLineEdit> fileCommandField_;
    QPointer<QLineEdit> customEditorCommandField_;
    QPointer<QLineEdit> docsSearchAddressField_;
    std::vector<std::shared_ptr<XACodeEditorApp>> editors_;
};

class XASparklePrefsViewController : public XAPreferencesPane {
public:
    ~XASparklePrefsViewController() override;
    QString identifier() const override { return QStringLiteral("sparkle"); }
    QString toolbarItemLabel() const override { return QStringLiteral("Updates"); }
    QIcon toolbarItemImage() const override;
    void viewWillAppear() override;
    void viewDidDisappear() override;
    void updateLastCheckedLabel();
    void sparkleDidFinishUpdating();

    QLabel *lastCheckedTextField() { return view(), lastCheckedTextField_; }

protected:
    QWidget *loadView() override;

private:
    QPointer<QLabel> lastCheckedTextField_;
    std::uint64_t updateObservation_ = 0;
};
