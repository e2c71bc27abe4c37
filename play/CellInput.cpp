#include "board/FoMenu.h"
