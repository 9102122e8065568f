#include "charts/ChartNumberText.h"

#include <cmath>

namespace zenoku {

QString groupedNumberText(double value) {
    if (!std::isfinite(value)) return QString::number(value);
    QString text = QString::number(value, 'f', 3);
    // Trailing zeros of the decimals, then a bare point.
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);

    const bool negative = text.startsWith(u'-');
    if (negative) text.remove(0, 1);
    // A tiny negative value rounds to "-0": show it as plain zero.
    const bool zero = text == u"0";

    const qsizetype point = text.indexOf(u'.');
    const qsizetype integerDigits = point < 0 ? text.size() : point;
    for (qsizetype at = integerDigits - 3; at > 0; at -= 3)
        text.insert(at, u',');
    if (negative && !zero) text.prepend(u'-');
    return text;
}

QString wholeNumberText(double value) {
    if (!std::isfinite(value)) return QString::number(value);
    const long long whole = std::llround(value);
    return QString::number(whole == 0 ? 0 : whole);
}

} // namespace zenoku
