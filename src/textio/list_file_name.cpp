#include "textio/list_file_name.h"

#include "convert/number_text.h"

std::string ListFileName(std::string_view listNumberText) {
    std::string name = "lists";
    name.append(listNumberText).append(".txt");
    return name;
}

int16_t ListNumberFromText(std::string_view listNumberText) {
    return static_cast<int16_t>(ToInt32(TextToNumber(listNumberText)));
}
