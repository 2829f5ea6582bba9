// List files as damage, other programs and people leave them, read by the preview and by the restore:
// each shows the title and the complete records the file holds, reopens exactly those folders, says it is
// done, keeps running, and leaves the file as it was. (Files held open elsewhere, and a damaged preview
// without a restore, have scenarios of their own beside the preview and the restore.)
#include <functional>

#include "shell_steps.h"

namespace e2e {
namespace {

using standin::WindowKind;

// The desk every case starts from: two folders of both classes; the file "desk" lists them.
struct Desk {
    ExpectedRecord alpha;
    ExpectedRecord beta;
    std::string text;  // the intact list file as UTF-8 text, CR LF line ends
};

struct ListFileCase {
    std::string name;
    std::function<std::string(const Desk&)> file;  // the bytes of lists1.txt
    std::string title;                              // shown in 1004 by the preview and the restore
    size_t completeRecords = 2;                     // what the file still holds of alpha and beta
    bool readOnly = false;
};
void PrintTo(const ListFileCase& file, std::ostream* out) { *out << file.name; }

// The text with every CR LF replaced by the one character lineEnd.
std::string WithLineEnds(const std::string& text, char lineEnd) {
    std::string changed;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool crLf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        changed += crLf ? lineEnd : text[i];
        i += crLf ? 1 : 0;
    }
    return changed;
}
// The text with line 2 (the count) replaced.
std::string WithCount(const std::string& text, std::string_view count) {
    const size_t start = text.find("\r\n") + 2;
    return text.substr(0, start) + std::string(count) + text.substr(text.find("\r\n", start));
}
// The first `lines` lines of the text.
std::string FirstLines(const std::string& text, int lines) {
    size_t end = 0;
    for (int line = 0; line < lines; ++line) end = text.find("\r\n", end) + 2;
    return text.substr(0, end);
}

std::vector<ListFileCase> Cases() {
    using Change = std::function<std::string(const std::string&)>;
    const auto text = [](Change change) { return [change](const Desk& desk) { return Utf16File(change(desk.text)); }; };
    const auto count = [&](std::string_view value) { return text([value](const std::string& t) { return WithCount(t, value); }); };
    const auto lineEnds = [&](char end) { return text([end](const std::string& t) { return WithLineEnds(t, end); }); };
    std::vector<ListFileCase> cases;
    // Cut after the title, the count, a record's first line, its last, and the next record's third line:
    // only complete records count.
    for (int lines : {0, 1, 2, 3, 6, 9}) {
        cases.push_back({"CutAfterLine" + std::to_string(lines),
                         [lines](const Desk& desk) { return Utf16File(FirstLines(desk.text, lines)); },
                         lines >= 1 ? "desk" : "", static_cast<size_t>(lines >= 2 ? (lines - 2) / 4 : 0)});
    }
    const auto whole = [](const Desk& desk) { return Utf16File(desk.text); };
    const ListFileCase more[] = {
        {"LastLineWithoutItsLineEnd", text([](const std::string& t) { return t.substr(0, t.size() - 2); }), "desk"},
        {"CountZero", count("0"), "desk", 0},
        {"CountOne", count("1"), "desk", 1},
        {"CountLargestInteger", count("2147483647"), "desk"},
        {"CountNegative", count("-2"), "desk", 0},
        {"CountNotANumber", count("zwei"), "desk", 0},
        {"CrOnlyLineEnds", lineEnds('\r'), "desk"},
        {"LfOnlyLineEnds", lineEnds('\n'), "desk"},
        // The reader skips the first unit unseen, taking it for the byte order mark.
        {"WithoutByteOrderMark", [](const Desk& desk) { return Utf16File(desk.text).substr(2); }, "esk"},
        {"OddLength", [](const Desk& desk) { return Utf16File(desk.text) + "A"; }, "desk"},
        {"ReadOnly", whole, "desk", 2, true},
        // Too short for even a byte order mark: a list of nothing.
        {"ZeroBytes", [](const Desk&) { return std::string(); }, "", 0},
        {"OneByte", [](const Desk&) { return std::string("\xFF"); }, "", 0},
    };
    cases.insert(cases.end(), std::begin(more), std::end(more));
    return cases;
}

// The two lines per window the preview shows.
std::string PreviewOf(const std::vector<ExpectedRecord>& records) {
    std::string listing;
    for (const ExpectedRecord& record : records) {
        const RECT& box = record.normal;
        listing += Utf8(record.path) + "\r\n";
        for (const long value : {box.left, box.top, box.right, box.bottom, static_cast<long>(record.flags),
                                 static_cast<long>(record.showCmd)}) {
            listing += std::to_string(value) + ":";
        }
        for (const long long value : {static_cast<long long>(record.urlLength), static_cast<long long>(record.viewMode),
                                      static_cast<long long>(record.classFlag)}) {
            listing.append(" ").append(std::to_string(value));
        }
        listing.append("\r\n");
    }
    return listing;
}

class ListFileVariants : public RestoreScenario, public ::testing::WithParamInterface<ListFileCase> {
protected:
    Desk MakeDesk() {
        Desk desk{Record(MakeFolder("alpha"), WindowKind::Folder, RECT{40, 40, 500, 400}, SW_SHOWNORMAL, 4),
                  Record(MakeFolder("beta"), WindowKind::Explorer, RECT{520, 60, 1000, 500}, SW_SHOWMAXIMIZED, 3),
                  {}};
        desk.text = ListFileText("desk", {desk.alpha, desk.beta});
        return desk;
    }
};

TEST_P(ListFileVariants, PreviewAndRestoreTakeTheCompleteRecordsAndLeaveTheFileAlone) {
    const ListFileCase& variant = GetParam();
    const Desk desk = MakeDesk();
    std::vector<ExpectedRecord> kept{desk.alpha, desk.beta};
    kept.resize(variant.completeRecords);
    const std::string bytes = variant.file(desk);
    folder.Write("lists1.txt", bytes);
    const std::wstring path = folder.PathOf("lists1.txt");
    if (variant.readOnly) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);

    StartWithSettings({.timeoutMs = 5000});  // list 1: the preview runs at start-up
    EXPECT_EQ(Control(id::kListTitle).Text(), variant.title);
    EXPECT_EQ(Control(id::kListText).Text(), PreviewOf(kept));

    Restore({Done()});

    std::vector<ExpectedWindow> reopened;
    for (const ExpectedRecord& record : kept) reopened.push_back(AsRecorded(record));
    ExpectDesktop(reopened);
    EXPECT_EQ(Control(id::kListTitle).Text(), variant.title);
    EXPECT_TRUE(app().IsRunning());
    EXPECT_TRUE(FileHolds(folder, "lists1.txt", bytes));
    if (variant.readOnly) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

INSTANTIATE_TEST_SUITE_P(Damaged, ListFileVariants, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<ListFileCase>& info) { return info.param.name; });

}  // namespace
}  // namespace e2e
