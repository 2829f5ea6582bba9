// Pavorin.ini across runs: what check box 1008 writes at exit (everything when set, "0" and TAB over the start
// of the file when clear), what the next start shows, and files as people and other programs leave them.
#include "app_steps.h"

namespace e2e {
namespace {

class SettingsFile : public PavorinScenario {
protected:
    void StartWithSettings(std::string_view bytes) {
        folder.Write("Pavorin.ini", bytes);
        StartPavorin();
    }
    void ExpectSettingsFileAfterClosing(std::string_view bytes) {
        EXPECT_EQ(ClosePavorin(), 0u);
        EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", bytes));
    }
};

std::string Megabyte(std::string start, std::string_view filler) {
    while (start.size() < (1u << 20)) start += filler;
    return start;
}

// The list number is saved as typed and shown as a number; the file is code page 932 whatever the system's
// (e2e_other_code_page runs this under 1252).
TEST_F(SettingsFile, SavedValuesSurviveRestartsClearingSaveStateFreezesThemAndTheFileIsCodePage932) {
    const std::string file = Megabyte("-1\t3 1 2 -1 0 1 0 1 1 0 800 ", "123456789 abc,\"x\"\r\n\t");
    StartWithSettings(file);
    Control(id::kSaveState).SetChecked(false);
    RestartPavorin();
    EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", "0\t" + file.substr(2)));

    Control(id::kListNumber).TypeOver("042");
    Control(id::kOverwriteMode).SelectComboItem(2);
    Control(id::kShowStateMode).SelectComboItem(1);
    Control(id::kReportResults).SetChecked(false);
    Control(id::kSaveState).SetChecked(true);
    RestartPavorin();
    EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", "-1\t042 2 1 0 0 1 0 1 1 0 800"));
    EXPECT_EQ(SettingsShownBy(app()), (ShownSettings{"42", 2, 1, false, true, false}));

    Control(id::kSaveState).SetChecked(false);
    Control(id::kListNumber).TypeOver("9");
    Control(id::kOverwriteMode).SelectComboItem(0);
    Control(id::kReportResults).SetChecked(true);
    RestartPavorin();
    EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", "0\t\t042 2 1 0 0 1 0 1 1 0 800"));
    EXPECT_EQ(SettingsShownBy(app()), (ShownSettings{"42", 2, 1, false, false, false}));

    Control(id::kListNumber).TypeOver("１");
    Control(id::kSaveState).SetChecked(true);
    ExpectSettingsFileAfterClosing("-1\t\x82\x50 2 1 0 0 1 0 1 1 0 800");
}

// Held open at the start, the file counts as one with no values (the check boxes are cleared); held open at
// exit, it is left as it is and nothing is said.
TEST_F(SettingsFile, HeldOpenByAnotherProgramCountsAsEmptyAtStartAndIsLeftAloneQuietlyAtExit) {
    folder.Write("Pavorin.ini", "-1\t4 1 1 -1 -1 1 0 1 1 0 500");
    {
        const FileLock held = folder.HoldOpenExclusively("Pavorin.ini");
        StartPavorin();
    }
    EXPECT_EQ(SettingsShownBy(app()), (ShownSettings{"0", 0, 0, false, false, false}));
    EXPECT_EQ(app().MessageBoxes().size(), 0u);
    ExpectSettingsFileAfterClosing("0\t\t4 1 1 -1 -1 1 0 1 1 0 500");

    const std::string saved = "-1\t4 1 1 -1 0 1 0 1 1 0 500";
    for (const bool saveState : {true, false}) {
        SCOPED_TRACE(saveState ? "1008 set" : "1008 clear");
        StartWithSettings(saved);
        Control(id::kListNumber).TypeOver("8");
        Control(id::kSaveState).SetChecked(saveState);
        {
            const FileLock held = folder.HoldOpenExclusively("Pavorin.ini");
            // A message box would keep the program from ending; the scenario's end names the box.
            EXPECT_EQ(ClosePavorin(), 0u);
        }
        EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", saved));
    }
}

struct FileCase {
    const char* name;
    std::string file;
    ShownSettings shown;
    std::string savedAtExit;
};
void PrintTo(const FileCase& file, std::ostream* out) { *out << file.name; }

// What a run that changes nothing writes back at exit.
const FileCase kFiles[] = {
    {"SavedValues", "-1\t17 2 1 0 -1 4 -1 0 0 -1 900", {"17", 2, 1, false, true, true},
     "-1\t17 2 1 0 -1 4 -1 0 0 -1 900"},
    // Check boxes come back as -1 whatever non-zero value set them; option values as they were read.
    {"NonZeroCheckBoxValues", "5\t3 1 2 7 9 2 2 0 1 7 1500", {"3", 1, 2, true, true, true},
     "-1\t3 1 2 -1 -1 2 2 0 1 7 1500"},
    {"HandWrittenWithCommas", "0,3,1,2", {"3", 1, 2, false, false, false}, "0\t3,1,2"},
    {"TimeoutInHexadecimal", "-1\t0 0 0 -1 0 1 0 1 1 0 &H1F4", {"0", 0, 0, true, true, false},
     "-1\t0 0 0 -1 0 1 0 1 1 0 500"},
    {"HexadecimalAndOctalInEitherCase", "-1\t&h7 &H2 &o1 -1 0 &O4 0 1 1 0 &h3e8", {"7", 2, 1, true, true, false},
     "-1\t7 2 1 -1 0 4 0 1 1 0 1000"},
    {"ComboValuesOutOfRange", "-1\t0 3 -5 -1 0 1 0 1 1 0 500", {"0", -1, -1, true, true, false},
     "-1\t0 -1 -1 -1 0 1 0 1 1 0 500"},
    // An empty file clears all three check boxes, 1007 included.
    {"EmptyFile", "", {"0", 0, 0, false, false, false}, "0\t"},
    {"ThreeValues", "-1\t5 2", {"5", 2, 0, false, true, false}, "-1\t5 2 0 0 0 1 0 1 1 0 500"},
    {"TwentyValues", "-1\t1 1 1 0 -1 2 -1 0 0 -1 600 7 7 7 7 7 7 7 7 7", {"1", 1, 1, false, true, true},
     "-1\t1 1 1 0 -1 2 -1 0 0 -1 600"},
    {"QuotedSpacesAndCommas", "-1\t\"7\" \"2,9\" \"1 1\" 0 -1 2 0 1 1 0 \"600\"", {"7", 2, 1, false, true, true},
     "-1\t7 2 1 0 -1 2 0 1 1 0 600"},
    {"CarriageReturnWithoutLineFeed", "-1\t5\r9 1 2", {"5", 1, 2, false, true, false}, "-1\t5 1 2 0 0 1 0 1 1 0 500"},
    {"OneValuePerCrLfLine", "-1\r\n6\r\n2\r\n1\r\n-1\r\n0\r\n4\r\n0\r\n1\r\n1\r\n0\r\n700\r\n",
     {"6", 2, 1, true, true, false}, "-1\t6 2 1 -1 0 4 0 1 1 0 700"},
    {"MegabyteAfterTheValues", Megabyte("-1\t3 1 2 -1 0 1 0 1 1 0 800 ", "9 "), {"3", 1, 2, true, true, false},
     "-1\t3 1 2 -1 0 1 0 1 1 0 800"},
    // Too many digits for any number: the conversion gives the most negative 32-bit value.
    {"MegabyteLongField", Megabyte("-1\t", "7"), {"-2147483648", 0, 0, false, true, false},
     "-1\t-2147483648 0 0 0 0 1 0 1 1 0 500"},
};

class SettingsFileRead : public SettingsFile, public ::testing::WithParamInterface<FileCase> {};

TEST_P(SettingsFileRead, ShowsItsValuesAndIsWrittenBackAtExit) {
    StartWithSettings(GetParam().file);
    EXPECT_EQ(SettingsShownBy(app()), GetParam().shown);
    ExpectSettingsFileAfterClosing(GetParam().savedAtExit);
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsFileRead, ::testing::ValuesIn(kFiles),
                         [](const ::testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
