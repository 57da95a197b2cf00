#pragma once

#include "pager_image.h"

// The two images built into the program.
//
// The working image is the default configuration the editor starts with. The factory image has
// the same bytes 0..497 and only "Restore all factory settings" uses it. Neither carries a valid
// image sum (both hold 0xFF 0xFF at 496..497).
kz::TPagerImage builtinWorkingImage();
kz::TPagerImage builtinFactoryImage();
