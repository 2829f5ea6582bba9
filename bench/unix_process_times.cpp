#include "unix_process_times.h"

#include <windows.h>

#include <sstream>
#include <vector>

#include "driver/text.h"
#include "driver/wait.h"
#include "win32/unique_handle.h"

namespace bench {
namespace {

std::string ReadUnixFile(const std::wstring& path) {
    const win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string text;
    if (!file) return text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    return text;
}

// The program a Unix process runs: the first word of its command line (Wine pads it with spaces).
std::string ProgramOf(const std::wstring& directory) {
    std::string program = ReadUnixFile(directory + L"cmdline");
    program = program.substr(0, program.find('\0'));
    program.erase(program.find_last_not_of(' ') + 1);
    return program;
}

// The /proc directory of the one Unix process whose program ends with programEnd and whose environment
// holds inEnvironment.
std::wstring OnlyProcessWith(const std::string& programEnd, const std::string& inEnvironment) {
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW entry;
    const win32::UniqueFind search(FindFirstFileW(L"Z:\\proc\\*", &entry));
    if (search) {
        do {
            const std::wstring name = entry.cFileName;
            if (name.empty() || name.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
            const std::wstring directory = L"Z:\\proc\\" + name + L"\\";
            if (!ProgramOf(directory).ends_with(programEnd)) continue;
            if (ReadUnixFile(directory + L"environ").find(inEnvironment) == std::string::npos) continue;
            found.push_back(directory);
        } while (FindNextFileW(search.get(), &entry));
    }
    if (found.size() != 1) throw e2e::DriverError("no single process running " + programEnd);
    return found.front();
}

// The entry "WINEPREFIX=..." of a process's environment: every process of one Wine session has it.
std::string WinePrefixEntryOf(const std::wstring& directory) {
    const std::string environment = ReadUnixFile(directory + L"environ");
    const size_t start = environment.find("WINEPREFIX=");
    if (start == std::string::npos) throw e2e::DriverError("no Wine prefix in " + e2e::Utf8(directory));
    return environment.substr(start, environment.find('\0', start) - start) + '\0';
}

}  // namespace

UnixProcess UnixProcess::Running(const std::string& program) {
    std::wstring directory = OnlyProcessWith(program, "");
    std::string prefix = WinePrefixEntryOf(directory);
    return UnixProcess(std::move(directory), std::move(prefix));
}

UnixProcess UnixProcess::SiblingRunning(const std::string& programEnd) const {
    return UnixProcess(OnlyProcessWith(programEnd, prefixEntry_), prefixEntry_);
}

// Fields 14 and 15 of stat, after the program's name in parentheses.
double UnixProcess::CpuMs() const {
    const std::string stat = ReadUnixFile(directory_ + L"stat");
    const size_t afterName = stat.rfind(')');
    if (afterName == std::string::npos) throw e2e::DriverError("no process times in " + e2e::Utf8(directory_));
    std::istringstream fields(stat.substr(afterName + 2));
    std::string field;
    unsigned long long user = 0, system = 0;
    for (int index = 3; index <= 15 && fields >> field; ++index) {
        if (index == 14) user = std::stoull(field);
        if (index == 15) system = std::stoull(field);
    }
    return 10.0 * static_cast<double>(user + system);
}

}  // namespace bench
