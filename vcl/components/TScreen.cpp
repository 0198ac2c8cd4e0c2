#include "TScreen.h"

namespace {
TScreen theScreen;
}  // namespace

TScreen* const TheScreen = &theScreen;
