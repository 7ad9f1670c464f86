#pragma once

// The application's bar-style progress indicator: a rounded track with a filled bar of animated diagonal stripes,
// painted entirely by the class. It may follow a checking run's progress object from any thread: changes arrive as
// state snapshots posted to the GUI thread, where the indicator updates itself.

#include "engine/XAOperationProgress.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

#include <cstdint>

class QPainter;

class XAProgressIndicator : public QWidget {
public:
    explicit XAProgressIndicator(QWidget *parent = nullptr);
    ~XAProgressIndicator() override;

    // The value model of a platform progress indicator.
    double minValue() const { return minValue_; }
    void setMinValue(double value);
    double maxValue() const { return maxValue_; }
    void setMaxValue(double value);
    double doubleValue() const { return doubleValue_; }
    // Stops the animation when the indicator is not displayed when stopped and the value reaches the maximum.
    void setDoubleValue(double value);
    bool isIndeterminate() const { return indeterminate_; }
    // Grey (scheme 3) while indeterminate when xa_grayWhenIndeterminate is set; the chosen scheme otherwise.
    void setIndeterminate(bool indeterminate);
    bool isDisplayedWhenStopped() const { return displayedWhenStopped_; }
    void setDisplayedWhenStopped(bool displayed) { displayedWhenStopped_ = displayed; }

    // Scheme 1 blue, 2 green, 3 grey; another number keeps the colours.
    std::int64_t xa_colorScheme() const { return colorScheme_; }
    void setXa_colorScheme(std::int64_t scheme);
    bool xa_grayWhenIndeterminate() const { return grayWhenIndeterminate_; }
    void setXa_grayWhenIndeterminate(bool gray) { grayWhenIndeterminate_ = gray; }
    double xa_inset() const { return inset_; }
    void setXa_inset(double inset);
    double xa_cornerRadius() const { return cornerRadius_; }
    void setXa_cornerRadius(double radius);
    double xa_stripeWidth() const { return stripeWidth_; }
    void setXa_stripeWidth(double width);
    double xa_stripeSkew() const { return stripeSkew_; }
    void setXa_stripeSkew(double skew);
    // The track's fill. Setting it does not repaint; a scheme change overwrites it.
    QColor xa_barColor() const { return barColor_; }
    void setXa_barColor(const QColor &color) { barColor_ = color; }

    void useColorScheme(std::int64_t scheme);
    // The horizontal phase of the stripes, advanced by one point at every paint.
    double animationOffset() const { return animationOffset_; }
    bool isAnimating() const { return timer_.isActive(); }

    // Follows the progress object until unbound; none does nothing. A binding made earlier is not undone.
    void xa_bindToProgress(XAOperationProgress *progress);
    void xa_unbindFromProgress();
    bool isBoundToProgress() const { return observation_.isActive(); }
    void updateStateFromProgress(const XAOperationProgressState &state);

    void startAnimation();
    void stopAnimation();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double filledFraction() const;
    void drawBezel(QPainter &painter);
    void drawBarBase(QPainter &painter, const QRectF &bar);
    void drawBarStripes(QPainter &painter, const QRectF &bar);
    void drawBarShadow(QPainter &painter, const QRectF &bar);

    double minValue_ = 0;
    double maxValue_ = 100;
    double doubleValue_ = 0;
    bool indeterminate_ = false;
    bool displayedWhenStopped_ = true;

    QTimer timer_;
    QColor topBarBaseColor_;
    QColor bottomBarBaseColor_;
    QColor topStripeColor_;
    QColor bottomStripeColor_;
    QColor shadowColor_;
    double animationOffset_ = 0;
    bool grayWhenIndeterminate_ = true;
    std::int64_t colorScheme_ = 2;
    double inset_ = 1.0;
    double cornerRadius_ = 0.0;
    double stripeWidth_ = 10.0;
    double stripeSkew_ = 10.0;
    QColor barColor_;
    XAOperationProgressObservation observation_;
};
