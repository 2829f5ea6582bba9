// Any bytes as a list file: reading them through the line cursor must end, stay within the file and
// give no more records than the file states or can hold; every record must convert to numbers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "textio/line_cursor.h"
#include "textio/list_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    LineCursor cursor(FileUnitsFromBytes(bytes));
    const ListFileText file = ReadListFileText([&] { return cursor.NextLine(); }, cursor.TextUnits());
    if (file.records.size() > static_cast<size_t>(cursor.TextUnits()) / 4) std::abort();
    if (file.declaredCount < 0 ? !file.records.empty()
                               : file.records.size() > static_cast<size_t>(file.declaredCount))
        std::abort();
    const std::vector<WindowRecord> records = ToWindowRecords(file);
    for (const WindowRecord& record : records) {
        if (record.pathLength != static_cast<int32_t>(record.path.size()) || record.placement.length != 44)
            std::abort();
    }
    return 0;
}
