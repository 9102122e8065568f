#pragma once

#include "texts/Messages.h"

#include <QString>
#include <string_view>

namespace zenoku {

/// A text of the core as the toolkit's string.
inline QString qtext(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

/// The ".sim" file dialogs: the name they start with and their one filter, in the toolkit's
/// "description (pattern)" form.
inline constexpr char kSimFileDefaultName[] = "*.sim";
inline QString simFileFilter() {
    return qtext(texts::kSimFileTypeName) + QStringLiteral(" (*.sim)");
}

} // namespace zenoku
