// The executable's version record: "Key=Value" strings, NUL-separated, in their own read-only
// section so that standard tools show them without running the program:
//     readelf -p .quarvel_version quarvel
// (readelf shows the ASCII fields; the Russian notices are UTF-8 and read whole with
//     objcopy -O binary --only-section=.quarvel_version quarvel /dev/stdout | tr '\0' '\n' )
// Nothing in the program reads the record; `used` keeps the linker from dropping it.
#include "QuarvelVersion.h"

namespace {

[[gnu::section(".quarvel_version"), gnu::used]] const char kVersionRecord[] =
    "FileVersion=" QUARVEL_FILE_VERSION "\0"
    "ProductVersion=" QUARVEL_PRODUCT_VERSION "\0"
    "FileDescription=Quarvel\0"
    "ProductName=Quarvel\0"
    "InternalName=Quarvel\0"
    "OriginalFilename=quarvel\0"
    "CompanyName=Разработчики Quarvel\0"
    "LegalCopyright=© 2026 Разработчики Quarvel. Распространяется по лицензии MIT.\0"
    "Comments=Расчёт пассивного регулятора тембра НЧ и ВЧ\0";

}  // namespace
