#include "charts/ChartStyle.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLinearGradient>
#include <algorithm>
#include <qcustomplot.h>

namespace zenoku {

namespace {
/// How far a label's font may be condensed, in percent of its normal width.
constexpr int kMinimumStretch = 70;
} // namespace

QFont chartFont(ChartFont which) {
    QFont font;
    switch (which) {
    case ChartFont::Title:
        font.setFamilies({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"),
                          QStringLiteral("IPAGothic")});
        font.setPixelSize(12);
        break;
    case ChartFont::Axis:
        font.setFamilies({QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"),
                          QStringLiteral("IPAMincho")});
        font.setPixelSize(11);
        break;
    case ChartFont::Hint:
    case ChartFont::Window:
        font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                          QStringLiteral("IPAGothic")});
        font.setPixelSize(which == ChartFont::Hint ? 11 : 12);
        break;
    }
    return font;
}

QColor toQColor(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

QBrush verticalGradient(const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(0.0, 0.0, 0.0, 1.0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    return QBrush(gradient);
}

QCPTextElement* addChartTitle(QCustomPlot* plot, const QString& text) {
    plot->plotLayout()->insertRow(0);
    auto* title = new QCPTextElement(plot, text, chartFont(ChartFont::Title));
    title->setTextColor(Qt::black);
    title->setTextFlags(Qt::AlignLeft | Qt::AlignVCenter);
    title->setMargins(QMargins(8, 2, 8, 0));
    plot->plotLayout()->addElement(0, 0, title);
    // The title row keeps the height of its text; the axis rectangle takes the rest.
    plot->plotLayout()->setRowSpacing(0);
    return title;
}

void styleAxis(QCPAxis* axis, const QString& title) {
    axis->setLabel(title);
    axis->setLabelFont(chartFont(ChartFont::Axis));
    axis->setTickLabelFont(chartFont(ChartFont::Axis));
    axis->setLabelColor(Qt::black);
    axis->setTickLabelColor(Qt::black);
}

QLabel* addChartLabel(QWidget* chart, const QString& objectName, const QString& text,
                      const QRect& geometry) {
    auto* label = new QLabel(text, chart);
    label->setObjectName(objectName);
    label->setFont(chartFont(ChartFont::Hint));
    // The box is the one the layout gives; a font wider than the one it was drawn with is
    // condensed to keep the text inside it, and a taller one keeps its descenders.
    QFont font = label->font();
    const int textWidth = QFontMetrics(font).horizontalAdvance(text);
    if (textWidth > geometry.width() && geometry.width() > 0) {
        font.setStretch(std::max(kMinimumStretch, 100 * geometry.width() / textWidth));
        label->setFont(font);
    }
    label->setGeometry(geometry.x(), geometry.y(), geometry.width(),
                       std::max(geometry.height(), QFontMetrics(font).height()));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

} // namespace zenoku
