#pragma once

// The toolkit's system utilities: errors, the user's number conventions, number conversions.
#include "Exception.h"
#include "FloatToStrF.h"
#include "FloatingPoint.h"
#include "FormatSettings.h"
#include "NarrowToFloat.h"
#include "StrToFloat.h"
