#include "charts/NumberTicker.h"

#include "charts/ChartNumberText.h"

#include <cmath>

namespace zenoku {

double NumberTicker::getTickStep(const QCPRange& range) {
    double step = QCPAxisTicker::getTickStep(range);
    if (m_options.wholeSteps) {
        // The readable steps include 2.5 × 10^n; on a whole-number axis such a step would put
        // labels between whole numbers, so it is raised to the next whole number.
        step = step < 1.0 ? 1.0 : std::ceil(step - 1e-9);
    }
    return step;
}

int NumberTicker::getSubTickCount(double tickStep) {
    return m_options.subTicks >= 0 ? m_options.subTicks : QCPAxisTicker::getSubTickCount(tickStep);
}

QString NumberTicker::getTickLabel(double tick, const QLocale&, QChar, int) {
    return m_options.format == Format::Whole ? wholeNumberText(tick) : groupedNumberText(tick);
}

} // namespace zenoku
