#pragma once

#include <qcustomplot.h>

namespace zenoku {

/// Axis ticks of the result charts: steps chosen for readability, labels in the chart's
/// number pattern ("#,##0.###" grouped, or "0" whole), optionally on whole numbers only and
/// with a fixed number of minor ticks between labels.
class NumberTicker : public QCPAxisTicker {
public:
    enum class Format { Grouped, Whole };

    struct Options {
        Format format = Format::Grouped;
        bool wholeSteps = false; ///< labels on whole numbers only: the step is 1 or more
        int subTicks = -1;       ///< minor ticks between labels; -1 lets the step decide
    };

    NumberTicker() = default;
    explicit NumberTicker(Options options) : m_options(options) {}

    const Options& options() const { return m_options; }

protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;

private:
    Options m_options;
};

} // namespace zenoku
