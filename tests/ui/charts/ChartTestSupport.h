#pragma once

// Helpers the chart tests share: a seeded run through the core, mouse gestures sent straight
// to a widget, and pictures written to the build folder.

#include "history/PlayHistory.h"
#include "machine/Slot.h"
#include "results/Results.h"
#include "sim/Run.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QString>
#include <QWidget>
#include <memory>
#include <stdexcept>

namespace zenoku::test {

/// Plays one run of `plays` normal games at `level` on a machine seeded with `seed` and
/// computes what the window shows for it.
inline Results seededResults(std::uint32_t seed, std::int32_t plays, std::int32_t level) {
    TSlot slot(seed);
    std::optional<Results> results =
        buildResults(RunSimulation(slot, RunRequest{plays, level, false}).history);
    if (!results) throw std::runtime_error("the seeded run cannot be shown");
    return std::move(*results);
}

inline void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

/// A drag with one button from `from` to `to`, in a few steps as a hand would make it.
inline void drag(QWidget* widget, Qt::MouseButton button, QPoint from, QPoint to) {
    sendMouse(widget, QEvent::MouseButtonPress, from, button, button);
    for (int step = 1; step <= 4; ++step)
        sendMouse(widget, QEvent::MouseMove, from + (to - from) * step / 4, Qt::NoButton, button);
    sendMouse(widget, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
}

inline QString picturePath(const char* name) {
    return QStringLiteral(ZENOKU_PICTURE_DIR "/") + QString::fromLatin1(name);
}

} // namespace zenoku::test
