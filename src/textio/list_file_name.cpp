#include "textio/list_file_name.h"

#include "convert/number_text.h"

std::u16string ListFileName(std::u16string_view listNumberText) {
    std::u16string name = u"lists";
    name.append(listNumberText).append(u".txt");
    return name;
}

int16_t ListNumberFromText(std::string_view listNumberText) {
    return static_cast<int16_t>(ToInt32(TextToNumber(listNumberText)));
}
