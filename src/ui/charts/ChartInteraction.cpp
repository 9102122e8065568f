#include "charts/ChartInteraction.h"

#include <QEasingCurve>
#include <QMouseEvent>
#include <QVariantAnimation>
#include <cstdlib>
#include <utility>

namespace zenoku {

ChartInteraction::ChartInteraction(QCustomPlot* plot, FullView fullView)
    : QObject(plot), m_plot(plot), m_fullView(std::move(fullView)) {
    // The plot draws the rectangle; what a finished rectangle means is decided here.
    plot->setSelectionRectMode(QCP::srmCustom);
    plot->selectionRect()->setPen(QPen(Qt::black));
    plot->selectionRect()->setBrush(Qt::NoBrush);
    connect(plot->selectionRect(), &QCPSelectionRect::accepted, this,
            [this](const QRect& rect, QMouseEvent*) { onRectangleDone(rect); });
    plot->installEventFilter(this);
}

std::vector<QCPAxis*> ChartInteraction::axes() const {
    std::vector<QCPAxis*> visible;
    for (QCPAxis* axis : m_plot->axisRect()->axes())
        if (axis->visible()) visible.push_back(axis);
    return visible;
}

bool ChartInteraction::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_plot) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            if (m_animation) m_animation->stop();
            m_scrolling = true;
            m_scrollFrom = mouse->position().toPoint();
            return true;
        }
        // The plot would start its rectangle for any button anywhere; only a left press
        // inside the plotting area starts a zoom.
        return mouse->button() != Qt::LeftButton ||
               !m_plot->axisRect()->rect().contains(mouse->position().toPoint());
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_scrolling) return false;
        const QPoint at = mouse->position().toPoint();
        scrollBy(at - m_scrollFrom);
        m_scrollFrom = at;
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && m_scrolling) {
            m_scrolling = false;
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            showFullView(true);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void ChartInteraction::onRectangleDone(const QRect& rect) {
    // The rectangle runs from the press (top left corner) to the release (bottom right).
    const int dx = rect.right() - rect.left();
    const int dy = rect.bottom() - rect.top();
    if (std::abs(dx) < kMinimumDrag && std::abs(dy) < kMinimumDrag) return;
    if (dx < 0 && dy < 0) {
        showFullView(true);
        return;
    }
    if (std::abs(dx) < kMinimumDrag || std::abs(dy) < kMinimumDrag) return;
    zoomTo(rect);
}

void ChartInteraction::zoomTo(const QRect& pixels) {
    const QRect area = m_plot->axisRect()->rect();
    const QRect r = pixels.normalized().intersected(area);
    if (r.width() < 1 || r.height() < 1) return;
    std::vector<AxisRange> targets;
    for (QCPAxis* axis : axes()) {
        QCPRange range =
            axis->orientation() == Qt::Horizontal
                ? QCPRange(axis->pixelToCoord(r.left()), axis->pixelToCoord(r.right()))
                : QCPRange(axis->pixelToCoord(r.bottom()), axis->pixelToCoord(r.top()));
        range.normalize();
        targets.push_back({axis, range});
    }
    m_zoomed = true;
    animateTo(targets);
}

void ChartInteraction::showFullView(bool animated) {
    const std::vector<AxisRange> targets = m_fullView();
    m_zoomed = false;
    if (animated) {
        animateTo(targets);
        return;
    }
    if (m_animation) m_animation->stop();
    for (const AxisRange& target : targets)
        target.axis->setRange(target.range);
    m_plot->replot(QCustomPlot::rpQueuedReplot);
}

void ChartInteraction::scrollBy(const QPoint& pixels) {
    const QRect area = m_plot->axisRect()->rect();
    for (QCPAxis* axis : axes()) {
        if (axis->orientation() == Qt::Horizontal)
            axis->moveRange(axis->pixelToCoord(area.left()) -
                            axis->pixelToCoord(area.left() + pixels.x()));
        else
            axis->moveRange(axis->pixelToCoord(area.top()) -
                            axis->pixelToCoord(area.top() + pixels.y()));
    }
    m_zoomed = true;
    m_plot->replot(QCustomPlot::rpQueuedReplot);
}

bool ChartInteraction::isAnimating() const {
    return m_animation && m_animation->state() == QAbstractAnimation::Running;
}

void ChartInteraction::animateTo(const std::vector<AxisRange>& targets) {
    if (m_animation) m_animation->stop();
    if (m_animationMs <= 0) {
        for (const AxisRange& target : targets)
            target.axis->setRange(target.range);
        m_plot->replot(QCustomPlot::rpQueuedReplot);
        return;
    }
    std::vector<AxisRange> from;
    for (const AxisRange& target : targets)
        from.push_back({target.axis, target.axis->range()});

    auto* animation = new QVariantAnimation(this);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    animation->setDuration(m_animationMs);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(animation, &QVariantAnimation::valueChanged, this,
            [this, from, targets](const QVariant& value) {
                const double t = value.toDouble();
                for (std::size_t k = 0; k < targets.size(); ++k) {
                    const QCPRange& a = from[k].range;
                    const QCPRange& b = targets[k].range;
                    targets[k].axis->setRange(a.lower + (b.lower - a.lower) * t,
                                              a.upper + (b.upper - a.upper) * t);
                }
                m_plot->replot(QCustomPlot::rpQueuedReplot);
            });
    // A stopped animation (a new gesture) leaves the ranges where they are.
    connect(animation, &QVariantAnimation::finished, this, [this, targets] {
        for (const AxisRange& target : targets)
            target.axis->setRange(target.range);
        m_plot->replot(QCustomPlot::rpQueuedReplot);
    });
    m_animation = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

} // namespace zenoku
