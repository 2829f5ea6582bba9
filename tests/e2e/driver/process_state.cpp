#include "driver/process_state.h"

#include "driver/text.h"
#include "win32/unique_handle.h"

namespace e2e {

std::string DescribeProcess(DWORD processId) {
    std::string described = "process " + std::to_string(processId);
    const win32::UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    DWORD code = 0;
    if (process && GetExitCodeProcess(process.get(), &code) && code != STILL_ACTIVE)
        described += ", ended with " + DescribeExitCode(code);
    return described;
}

}  // namespace e2e
