#include "sheets.h"
