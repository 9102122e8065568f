#include "machine/Slot.h"

namespace zenoku {

template class BasicSlot<RandomSource>;

} // namespace zenoku
