#include "app/shell/XAOperationWindowController.h"

#include "app/shell/XADispatch.h"
#include "app/shell/XAOperation.h"
#include "app/shell/XAWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>

XAOperationWindowController::XAOperationWindowController(QString title, QString message, QImage icon,
                                                         std::shared_ptr<XAOperation> operation)
    : title_(std::move(title)), message_(std::move(message)), iconImage_(std::move(icon)),
      operation_(std::move(operation)) {}

XAOperationWindowController::~XAOperationWindowController() { stopObserving(); }

void XAOperationWindowController::windowDidLoad() {
    XAWindowController::windowDidLoad();
    QWidget *content = window()->contentView();
    imageView_ = new QLabel(content);
    if (!iconImage_.isNull()) {
        imageView_->setPixmap(QPixmap::fromImage(iconImage_).scaled(64, 64, Qt::KeepAspectRatio));
    }
    titleField_ = new QLabel(title_, content);
    QFont font = titleField_->font();
    font.setBold(true);
    titleField_->setFont(font);
    infoField_ = new QLabel(message_, content);
    infoField_->setWordWrap(true);
    progressIndicator_ = new QProgressBar(content);
    progressIndicator_->setRange(0, 1);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), content);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelPressed(); });
    auto *layout = new QGridLayout(content);
    layout->addWidget(imageView_, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(titleField_, 0, 1);
    layout->addWidget(infoField_, 1, 1);
    layout->addWidget(progressIndicator_, 2, 1);
    layout->addWidget(cancelButton_, 3, 1, Qt::AlignRight);
}

void XAOperationWindowController::xa_beginOperationModalInParent(QWidget *parent, SheetCallback callback) {
    xa_showModalInParent(parent, std::move(callback));
    QPointer<XAOperationWindowController> self(this);
    finishedObservation_ = operation_->addFinishedObserver([self](XAOperation &) {
        XADispatchToMain([self] {
            if (self) {
                self->handleCompletion();
            }
        });
    });
    progressIndicator_->setRange(0, 0); // busy
    std::shared_ptr<XAOperation> operation = operation_;
    XADispatchToGlobal([operation] { operation->start(); });
}

void XAOperationWindowController::cancelPressed() {
    operation_->cancel();
    handleCompletion();
}

void XAOperationWindowController::stopObserving() {
    if (finishedObservation_) {
        operation_->removeFinishedObserver(finishedObservation_);
        finishedObservation_ = 0;
    }
}

void XAOperationWindowController::handleCompletion() {
    if (completed_) {
        return; // a finish after Cancel: the sheet has already ended
    }
    completed_ = true;
    stopObserving();
    progressIndicator_->setRange(0, 1);
    xa_endSelfSheetWithReturnCode(operation_->isCancelled() ? 0 : 1);
}
