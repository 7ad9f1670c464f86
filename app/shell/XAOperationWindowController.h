#pragma once

// A sheet that shows a title, a message, an icon and a spinner while one operation runs on a background thread.
// The sheet ends once: with 1 when the operation finishes, with 0 at once when the user cancels (the operation is
// asked to stop, and its later finish is ignored).

#include "app/shell/XAWindowController.h"

#include <QImage>

#include <cstdint>
#include <memory>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

class XAOperation;

class XAOperationWindowController : public XAWindowController {
public:
    XAOperationWindowController(QString title, QString message, QImage icon, std::shared_ptr<XAOperation> operation);
    ~XAOperationWindowController() override;

    void xa_beginOperationModalInParent(QWidget *parent, SheetCallback callback);
    void cancelPressed();

    const std::shared_ptr<XAOperation> &operation() const { return operation_; }
    QLabel *titleField() const { return titleField_; }
    QLabel *infoField() const { return infoField_; }
    QPushButton *cancelButton() const { return cancelButton_; }

protected:
    void windowDidLoad() override;

private:
    void handleCompletion();
    void stopObserving();

    QString title_;
    QString message_;
    QImage iconImage_;
    std::shared_ptr<XAOperation> operation_;
    std::uint64_t finishedObservation_ = 0;
    bool completed_ = false;
    QPointer<QLabel> imageView_;
    QPointer<QLabel> titleField_;
    QPointer<QLabel> infoField_;
    QPointer<QProgressBar> progressIndicator_;
    QPointer<QPushButton> cancelButton_;
};
