#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <functional>
#include <qcustomplot.h>
#include <vector>

class QVariantAnimation;

namespace zenoku {

/// One axis and the range it is to show.
struct AxisRange {
    QCPAxis* axis;
    QCPRange range;
};

/// The mouse handling the two line and bar charts share:
/// - a left-button drag draws a black rectangle and zooms every axis of the plot's axis
///   rectangle into it, animated;
/// - a left-button drag towards the upper left, or a double click, returns to the full view;
/// - a right-button drag scrolls every axis with the mouse.
/// The chart supplies its full view as a function, since it depends on the data shown.
class ChartInteraction : public QObject {
    Q_OBJECT
public:
    using FullView = std::function<std::vector<AxisRange>()>;

    /// Drags shorter than this, in pixels along either side, neither zoom nor undo.
    static constexpr int kMinimumDrag = 5;
    /// Length of the zoom animation in milliseconds.
    static constexpr int kDefaultAnimationMs = 250;

    ChartInteraction(QCustomPlot* plot, FullView fullView);

    /// Zooms into the pixel rectangle (corners in either order), animated.
    void zoomTo(const QRect& pixels);
    /// Shows the full view: animated after a user gesture, at once when new data arrive.
    void showFullView(bool animated);
    /// Moves every axis so that the picture follows the mouse by `pixels`.
    void scrollBy(const QPoint& pixels);

    /// Whether the user has zoomed or scrolled away from the full view.
    bool isZoomed() const { return m_zoomed; }
    /// 0 switches the animation off (ranges change at once).
    void setAnimationDuration(int ms) { m_animationMs = ms; }
    bool isAnimating() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onRectangleDone(const QRect& rect);
    void animateTo(const std::vector<AxisRange>& targets);
    std::vector<QCPAxis*> axes() const;

    QCustomPlot* m_plot;
    FullView m_fullView;
    bool m_zoomed = false;
    int m_animationMs = kDefaultAnimationMs;
    bool m_scrolling = false;
    QPoint m_scrollFrom;
    QPointer<QVariantAnimation> m_animation;
};

} // namespace zenoku
