#pragma once

namespace zenoku {

/// Maps the fonts the window's layout names to the installed Japanese fonts: the Gothic
/// faces to IPA P Gothic, the Mincho face to IPA P Mincho. Call once, before the window is
/// built.
void substituteLayoutFonts();

} // namespace zenoku
