#include "app/settings_line.h"

#include <initializer_list>

#include "convert/number_text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string IntegerText(int32_t value) { return NumberToText(static_cast<double>(value)); }

int32_t FieldNumber(std::string_view field) { return ToInt32(TextToNumber(field)); }

// The reader takes the box's text back as one field only if nothing in it ends a field or opens a quote;
// anything else would shift every later value on the next start, so it is written as the number the
// reader takes from its first field ("\"9\"" is 9, "1 2" is 1).
std::string ListNumberField(const std::string& boxText) {
    constexpr std::string_view kFieldBreakers(" \t,\"\r\n\0", 7);
    if (!boxText.empty() && boxText.find_first_of(kFieldBreakers) == std::string::npos) return boxText;
    const std::vector<std::string> fields = SplitSettingsFields(boxText, 1);
    return IntegerText(fields.empty() ? 0 : FieldNumber(fields.front()));
}

class FieldScanner {
public:
    explicit FieldScanner(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }

    void SkipBlanks() {
        while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
    }

    std::string NextField() {
        std::string field;
        bool quoted = false;
        while (!AtEnd()) {
            const char c = text_[pos_++];
            if (c == '"') {
                quoted = !quoted;
            } else if (quoted && (IsBlank(c) || c == ',')) {
                field += c;
            } else if (IsBlank(c)) {
                SkipSeparatorAfterBlank();
                break;
            } else if (c == ',' || c == '\n' || c == '\0') {
                break;
            } else if (c == '\r' && !AtEnd() && text_[pos_] == '\n') {
                ++pos_;
                break;
            } else {
                field += c;
            }
        }
        return field;
    }

private:
    // "1 , 2" is two fields, not three.
    void SkipSeparatorAfterBlank() {
        SkipBlanks();
        if (!AtEnd() && text_[pos_] == ',') ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

void StoreValue(Settings& settings, std::size_t index, std::string_view field) {
    const int32_t number = FieldNumber(field);
    RestoreOptions& options = settings.options;
    switch (index) {
        case 0: settings.saveState = number; break;
        case 1: settings.listNumber = IntegerText(number); break;
        case 2: settings.overwriteMode = number; break;
        case 3: settings.showStateMode = number; break;
        case 4: settings.reportResults = number; break;
        case 5: settings.duplicateCheckOnCapture = number; break;
        case 6: options.openMethod = number; break;
        case 7: options.duplicatePathMode = number; break;
        case 8: options.applyPlacement = number; break;
        case 9: options.applyViewMode = number; break;
        case 10: options.unmaximize = number; break;
        case 11: options.timeoutMs = static_cast<uint32_t>(number); break;
        default: break;
    }
}

}  // namespace

std::string WriteSettingsLine(const Settings& settings) {
    const RestoreOptions& options = settings.options;
    std::string line = IntegerText(settings.saveState);
    line += '\t';
    line += ListNumberField(settings.listNumber);
    for (const int32_t value : {settings.overwriteMode, settings.showStateMode, settings.reportResults,
                                settings.duplicateCheckOnCapture, options.openMethod, options.duplicatePathMode,
                                options.applyPlacement, options.applyViewMode, options.unmaximize}) {
        line += ' ';
        line += IntegerText(value);
    }
    line += ' ';
    line += NumberToText(static_cast<double>(options.timeoutMs));
    return line;
}

std::vector<std::string> SplitSettingsFields(std::string_view text, std::size_t maxFields) {
    std::vector<std::string> fields;
    FieldScanner scanner(text);
    while (fields.size() < maxFields) {
        scanner.SkipBlanks();
        if (scanner.AtEnd()) break;
        fields.push_back(scanner.NextField());
    }
    return fields;
}

SettingsRead ReadSettingsLine(std::string_view text, const Settings& current) {
    SettingsRead read{current, 0};
    read.settings.saveState = 0;
    read.settings.reportResults = 0;
    read.settings.duplicateCheckOnCapture = 0;
    const std::vector<std::string> fields = SplitSettingsFields(text);
    for (std::size_t i = 0; i < fields.size(); ++i) StoreValue(read.settings, i, fields[i]);
    read.valuesRead = fields.size();
    return read;
}
