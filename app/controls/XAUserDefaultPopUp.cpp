#include "app/controls/XAUserDefaultPopUp.h"

#include "app/controls/XAQtConversions.h"
#include "core/XAUserDefaults.h"

#include <QComboBox>
#include <QIcon>
#include <QPixmap>

namespace {

constexpr char kBindingName[] = "xa_userDefaultBinding";
constexpr QSize kItemImageSize(16, 16);

// Stores the picked option under the key; a child of the pop-up, so that it goes with it.
class XAUserDefaultBinding : public QObject {
public:
    XAUserDefaultBinding(QComboBox *popUp, QString key, XAPopUpChangeHandler handler)
        : QObject(popUp), key_(std::move(key)), handler_(std::move(handler)) {
        setObjectName(QLatin1String(kBindingName));
        connect(popUp, &QComboBox::activated, this, [this, popUp](int index) { store(popUp, index); });
    }

private:
    void store(QComboBox *popUp, int index) {
        XAUserDefaults::standard().setString(key_.toStdString(), popUp->itemData(index).toString().toStdString());
        if (handler_) {
            handler_();
        }
    }

    QString key_;
    XAPopUpChangeHandler handler_;
};

int indexOfStoredOption(const QString &key, const QStringList &options) {
    const auto stored = XAUserDefaults::standard().stringForKey(key.toStdString());
    const qsizetype index = stored ? options.indexOf(QString::fromStdString(*stored)) : -1;
    return index < 0 ? 0 : static_cast<int>(index);
}

} // namespace

void xa_bindToUserDefault(QComboBox *popUp, const QString &key, const QStringList &options,
                          const XAPopUpItemModifier &itemModifier, const XAPopUpChangeHandler &changeHandler) {
    delete popUp->findChild<XAUserDefaultBinding *>(QLatin1String(kBindingName), Qt::FindDirectChildrenOnly);
    popUp->clear();
    for (int index = 0; index < options.size(); ++index) {
        popUp->addItem(QString(), options[index]);
        if (itemModifier) {
            itemModifier(popUp, index);
        }
    }
    if (!options.isEmpty()) {
        popUp->setCurrentIndex(indexOfStoredOption(key, options));
    }
    new XAUserDefaultBinding(popUp, key, changeHandler);
}

void xa_bindToUserDefault(QComboBox *popUp, const QString &key, const QStringList &options,
                          const QList<std::optional<QString>> &titles, const QList<std::optional<QImage>> &images,
                          const XAPopUpChangeHandler &changeHandler) {
    popUp->setIconSize(kItemImageSize);
    auto modifier = [titles, images](QComboBox *box, int index) {
        if (index < titles.size() && titles[index]) {
            box->setItemText(index, *titles[index]);
        }
        if (index < images.size() && images[index] && !images[index]->isNull()) {
            box->setItemIcon(index, QIcon(QPixmap::fromImage(xa_imageResizedToSize(*images[index], kItemImageSize))));
        }
    };
    xa_bindToUserDefault(popUp, key, options, modifier, changeHandler);
}
