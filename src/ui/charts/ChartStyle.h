#pragma once

#include "results/ChartData.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QCPAxis;
class QCustomPlot;
class QCPTextElement;
class QLabel;
class QWidget;

namespace zenoku {

/// The fonts of the result charts. Each names the Windows font the window was drawn with
/// first and the nearest IPA font after it, so the picture is the same where the first is
/// missing.
enum class ChartFont {
    Title, ///< chart titles: "MS UI Gothic", 12 px
    Axis,  ///< axis labels, axis titles and legends: "ＭＳ Ｐ明朝", 11 px
    Hint,  ///< the labels drawn on a chart: "ＭＳ Ｐゴシック", 11 px
    Window ///< the window's own font: "ＭＳ Ｐゴシック", 12 px
};
QFont chartFont(ChartFont which);

/// An RGB triple of the chart data as a Qt colour.
QColor toQColor(Rgb colour);

/// A background that runs from `top` at the top edge to `bottom` at the bottom edge of
/// whatever rectangle it fills.
QBrush verticalGradient(const QColor& top, const QColor& bottom);

/// Gives an axis its title and the chart font, in black.
void styleAxis(QCPAxis* axis, const QString& title);

/// Puts a title row above the plot's axis rectangle: the text left-aligned, in black.
QCPTextElement* addChartTitle(QCustomPlot* plot, const QString& text);

/// A transparent text label drawn over a chart at a fixed place, such as the colour key. Its
/// font is condensed where the text would not fit the given width.
QLabel* addChartLabel(QWidget* chart, const QString& objectName, const QString& text,
                      const QRect& geometry);

} // namespace zenoku
