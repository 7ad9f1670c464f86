#include "app/controls/XAProgressIndicator.h"

#include "app/controls/XAColorExtensions.h"
#include "app/controls/XARoundedRectangles.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

#include <cmath>

namespace {

QColor rgb255(int red, int green, int blue) { return QColor(red, green, blue); }

struct XAColorScheme {
    QColor bar, topBase, bottomBase, topStripe, bottomStripe, shadow;
};

std::optional<XAColorScheme> colorSchemeNumbered(std::int64_t scheme) {
    switch (scheme) {
    case 1:
        return XAColorScheme{rgb255(67, 85, 125),   rgb255(196, 209, 239), rgb255(112, 140, 207),
                             rgb255(111, 142, 217), rgb255(80, 114, 195),  rgb255(180, 197, 237)};
    case 2:
        return XAColorScheme{Qt::black,
                             rgb255(208, 239, 196),
                             rgb255(139, 207, 112),
                             rgb255(141, 217, 111),
                             rgb255(113, 195, 80),
                             rgb255(196, 237, 180)};
    case 3:
        return XAColorScheme{Qt::black,
                             rgb255(221, 221, 221),
                             rgb255(170, 170, 170),
                             rgb255(170, 170, 170),
                             rgb255(136, 136, 136),
                             rgb255(238, 238, 238)};
    default:
        return std::nullopt;
    }
}

} // namespace

XAProgressIndicator::XAProgressIndicator(QWidget *parent) : QWidget(parent) {
    timer_.setInterval(1000 / 30);
    connect(&timer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    useColorScheme(indeterminate_ && grayWhenIndeterminate_ ? 3 : colorScheme_);
}

XAProgressIndicator::~XAProgressIndicator() { xa_unbindFromProgress(); }

void XAProgressIndicator::setMinValue(double value) {
    minValue_ = value;
    update();
}

void XAProgressIndicator::setMaxValue(double value) {
    maxValue_ = value;
    update();
}

void XAProgressIndicator::setDoubleValue(double value) {
    doubleValue_ = value;
    update();
    if (!displayedWhenStopped_ && std::fabs(value - maxValue_) < 0.001) {
        stopAnimation();
    }
}

void XAProgressIndicator::setIndeterminate(bool indeterminate) {
    indeterminate_ = indeterminate;
    useColorScheme(indeterminate && grayWhenIndeterminate_ ? 3 : colorScheme_);
}

void XAProgressIndicator::setXa_colorScheme(std::int64_t scheme) {
    colorScheme_ = scheme;
    useColorScheme(scheme);
}

void XAProgressIndicator::setXa_inset(double inset) {
    inset_ = inset;
    update();
}

void XAProgressIndicator::setXa_cornerRadius(double radius) {
    cornerRadius_ = radius;
    update();
}

void XAProgressIndicator::setXa_stripeWidth(double width) {
    stripeWidth_ = width;
    update();
}

void XAProgressIndicator::setXa_stripeSkew(double skew) {
    stripeSkew_ = skew;
    update();
}

void XAProgressIndicator::useColorScheme(std::int64_t scheme) {
    if (const auto colors = colorSchemeNumbered(scheme)) {
        barColor_ = colors->bar;
        topBarBaseColor_ = colors->topBase;
        bottomBarBaseColor_ = colors->bottomBase;
        topStripeColor_ = colors->topStripe;
        bottomStripeColor_ = colors->bottomStripe;
        shadowColor_ = colors->shadow;
    }
    update();
}

void XAProgressIndicator::xa_bindToProgress(XAOperationProgress *progress) {
    if (!progress) {
        return;
    }
    QPointer<XAProgressIndicator> self(this);
    // Changes come from the run's threads: only a snapshot travels, and only the GUI thread applies it.
    observation_ = progress->observe([self](const XAOperationProgressState &state) {
        QMetaObject::invokeMethod(
            self.data(),
            [self, state] {
                if (self) {
                    self->updateStateFromProgress(state);
                }
            },
            Qt::QueuedConnection);
    });
    updateStateFromProgress(progress->state());
    startAnimation();
}

void XAProgressIndicator::xa_unbindFromProgress() {
    if (!observation_.isActive()) {
        return;
    }
    observation_.cancel();
    stopAnimation();
}

void XAProgressIndicator::updateStateFromProgress(const XAOperationProgressState &state) {
    setIndeterminate(state.indeterminate);
    setMaxValue(static_cast<double>(state.totalUnitCount));
    setDoubleValue(static_cast<double>(state.completedUnitCount));
}

void XAProgressIndicator::startAnimation() {
    if (!timer_.isActive()) {
        timer_.start();
    }
}

void XAProgressIndicator::stopAnimation() { timer_.stop(); }

double XAProgressIndicator::filledFraction() const {
    if (indeterminate_) {
        return 1.0;
    }
    const double range = maxValue_ - minValue_;
    return range > 0 ? doubleValue_ / range : 0.0;
}

void XAProgressIndicator::paintEvent(QPaintEvent *) {
    animationOffset_ = 2 * stripeWidth_ - 1 < animationOffset_ ? 0 : animationOffset_ + 1;
    const double fraction = filledFraction();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBezel(painter);
    if (std::fabs(fraction) < 0.00001) {
        return;
    }
    const QRectF bar(inset_, inset_, fraction * (width() - 2 * inset_), height() - 2 * inset_);
    drawBarBase(painter, bar);
    drawBarStripes(painter, bar);
    drawBarShadow(painter, bar);
}

void XAProgressIndicator::drawBezel(QPainter &painter) {
    painter.fillPath(XARoundedRectPath(QRectF(0, 0, width(), height()), cornerRadius_), barColor_);
}

void XAProgressIndicator::drawBarBase(QPainter &painter, const QRectF &bar) {
    painter.fillPath(XARoundedRectPath(bar, cornerRadius_),
                     XAVerticalGradient(bar, topBarBaseColor_, bottomBarBaseColor_));
}

void XAProgressIndicator::drawBarStripes(QPainter &painter, const QRectF &bar) {
    const double w = stripeWidth_, s = stripeSkew_, i = inset_, h = bar.height();
    const auto count = static_cast<unsigned>(bar.width() / (2 * w)) + 2;
    QPainterPath stripes;
    for (unsigned k = 0; k <= count; ++k) {
        const double x = k * 2 * w + animationOffset_ - 2 * w;
        QPolygonF stripe({{x, i}, {x + w, i}, {x + w - s, i + h}, {x - s, i + h}, {x, i}});
        stripes.addPolygon(stripe);
        stripes.closeSubpath();
    }
    // The clip stays for the shadow line too.
    painter.setClipPath(XARoundedRectPath(bar, cornerRadius_), Qt::IntersectClip);
    painter.fillPath(stripes, XAVerticalGradient(bar, topStripeColor_, bottomStripeColor_));
}

void XAProgressIndicator::drawBarShadow(QPainter &painter, const QRectF &bar) {
    painter.setPen(QPen(shadowColor_, 1));
    painter.drawLine(QPointF(0, inset_), QPointF(bar.width(), inset_));
}
