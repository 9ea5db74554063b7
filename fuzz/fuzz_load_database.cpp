// Feeds arbitrary bytes to the data file loader. A load must never crash, read or write
// outside a table; a file it accepts must save and reload to the same image.

#include "database/STheClass.h"

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> image(data, data + size);
    // The last byte chooses the version check, so both paths (and "1.00" files) are reached.
    const int strict = size > 0 && (data[size - 1] & 1) ? 1 : 0;
    auto db = std::make_unique<qor::The_Class>();
    if (db->LoadDatabaseImage(image, nullptr, strict) != 0) return 0;

    for (int r = 1; r <= db->ResultCount; ++r) {
        (void)db->ResultDriverName(r);
        (void)db->ReasonText(db->Results[static_cast<std::size_t>(r)].Reason);
        (void)db->FormatTime(db->Results[static_cast<std::size_t>(r)].Time);
    }
    for (int g = 1; g <= db->GPCount; ++g)
        (void)db->FormatDate(db->GPs[static_cast<std::size_t>(g)].Date);

    const std::vector<std::uint8_t> saved = db->BuildDataImage();
    auto again = std::make_unique<qor::The_Class>();
    if (again->LoadDatabaseImage(saved, nullptr, 1) != 0) std::abort();
    if (again->BuildDataImage() != saved) std::abort();
    return 0;
}
