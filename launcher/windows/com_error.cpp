#include "launcher/windows/com_error.h"

#include "launcher/windows/win_text.h"

#include <oleauto.h>

namespace kinsketch::launcher {

namespace {

constexpr unsigned long controlFacilityMask = 0xFFFF0000UL;
constexpr unsigned long controlFacility = 0x800A0000UL;

std::string systemMessage(HRESULT result)
{
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length > 0 ? std::wstring(buffer, length) : L"";
    if (buffer != nullptr) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
    if (text.empty()) return "オートメーション エラーです。";
    return utf8FromWide(text);
}

long numberOf(HRESULT result)
{
    const auto code = static_cast<unsigned long>(result);
    if ((code & controlFacilityMask) == controlFacility) return static_cast<long>(code & 0xFFFFUL);
    return static_cast<long>(result);
}

} // namespace

LauncherError errorFromHresult(HRESULT result, const EXCEPINFO* exception)
{
    if (result == DISP_E_EXCEPTION && exception != nullptr) {
        const long number = exception->wCode != 0 ? exception->wCode : numberOf(exception->scode);
        const std::string description =
            exception->bstrDescription != nullptr
                ? utf8FromWide(std::wstring(exception->bstrDescription, SysStringLen(exception->bstrDescription)))
                : systemMessage(exception->scode);
        return LauncherError(number, description);
    }
    return LauncherError(numberOf(result), systemMessage(result));
}

LauncherError cannotCreateObject()
{
    return LauncherError(error_number::cannotCreateObject, "ActiveX コンポーネントはオブジェクトを作成できません。");
}

} // namespace kinsketch::launcher
