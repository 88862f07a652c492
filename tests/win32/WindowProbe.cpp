// Tells what Windows itself reports of Trellic.exe, for the tests that run it under Wine:
//
//   window_probe windows       one line for each visible top-level window of a running
//                              Trellic.exe: its text, styles, owner, client area, place
//                              on the screen and whether it is the one in front
//   window_probe file PATH     the version block and the icon groups of the file PATH
//   window_probe clipboard     the text on the clipboard (a message box copies its own
//                              there on Ctrl+C)
//   window_probe shortcut PATH the target, working folder and icon of the shortcut PATH,
//                              read through the shell's IShellLink
//
// It reads them with the calls every Windows program uses, in the same Wine session as
// the game, so what it prints is what Windows tells the taskbar and the shell.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <cstdio>
#include <cstring>
#include <objbase.h>
#include <shlobj.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

std::string utf8(const wchar_t* text, int length)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, result.data(), size, nullptr, nullptr);
    return result;
}

bool ownedByTrellic(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return false;
    }
    char image[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    const bool named = QueryFullProcessImageNameA(process, 0, image, &length) != 0;
    CloseHandle(process);
    const char* name = std::strrchr(image, '\\');
    return named && _stricmp(name != nullptr ? name + 1 : image, "Trellic.exe") == 0;
}

BOOL CALLBACK printWindow(HWND window, LPARAM)
{
    if (!IsWindowVisible(window) || !ownedByTrellic(window)) {
        return TRUE;
    }
    wchar_t text[512] = {};
    const int length = GetWindowTextW(window, text, 512);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    const HWND owner = GetWindow(window, GW_OWNER);
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT outline{};
    GetWindowRect(window, &outline);
    // The shell's rule for a taskbar button: an unowned window that is not a tool window,
    // or any window that asks for one.
    const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
    const bool taskbar = (exStyle & WS_EX_APPWINDOW) != 0 || (owner == nullptr && !tool);
    std::printf(
        "text=\"%s\" caption=%d dlgframe=%d sysmenu=%d minimize=%d maximize=%d sizable=%d "
        "tool=%d owner=%d taskbar=%d client=%ldx%ld origin=%ld,%ld active=%d "
        "frame=%ld,%ld,%ld,%ld\n",
        utf8(text, length).c_str(), (style & WS_CAPTION) == WS_CAPTION, (style & WS_DLGFRAME) != 0,
        (style & WS_SYSMENU) != 0, (style & WS_MINIMIZEBOX) != 0, (style & WS_MAXIMIZEBOX) != 0,
        (style & WS_THICKFRAME) != 0, tool, owner != nullptr, taskbar, client.right - client.left,
        client.bottom - client.top, origin.x, origin.y, GetForegroundWindow() == window,
        outline.left, outline.top, outline.right, outline.bottom);
    return TRUE;
}

std::string versionString(const std::vector<char>& block, const char* name)
{
    char* value = nullptr;
    UINT size = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &size) &&
        size > 0) {
        return std::string(value, std::strlen(value));
    }
    return "(none)";
}

int printFile(const char* path)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, block.data())) {
        std::printf("no version block\n");
        return 1;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize)) {
        std::printf("FixedFileVersion=%u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS),
                    LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                    LOWORD(fixed->dwFileVersionLS));
        std::printf("FixedProductVersion=%u.%u.%u.%u\n", HIWORD(fixed->dwProductVersionMS),
                    LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwProductVersionLS),
                    LOWORD(fixed->dwProductVersionLS));
        std::printf("FileType=%lu FileOS=0x%lx\n", fixed->dwFileType, fixed->dwFileOS);
    }
    WORD* translation = nullptr;
    UINT translationSize = 0;
    if (VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                       reinterpret_cast<void**>(&translation), &translationSize) &&
        translationSize >= 4) {
        std::printf("Translation=%04X%04X\n", translation[0], translation[1]);
    }
    for (const char* name : {"CompanyName", "ProductName", "FileVersion", "ProductVersion",
                             "InternalName", "OriginalFilename", "FileDescription"}) {
        std::printf("%s=%s\n", name, versionString(block, name).c_str());
    }

    // The icon groups, and the images each one lists, as the shell reads them.
    HMODULE file = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (file == nullptr) {
        std::printf("cannot open the file's resources\n");
        return 1;
    }
    EnumResourceNamesA(
        file, MAKEINTRESOURCEA(14),
        [](HMODULE module, LPCSTR, LPSTR name, LONG_PTR) -> BOOL {
            HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(14));
            const auto* group =
                static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
            if (IS_INTRESOURCE(name)) {
                std::printf("IconGroup=%u:",
                            static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
            } else {
                std::printf("IconGroup=%s:", name);
            }
            // GRPICONDIR: reserved, type, count; then 14-byte entries ending in the image id.
            WORD count = 0;
            std::memcpy(&count, group + 4, sizeof count);
            for (WORD entry = 0; entry < count; ++entry) {
                const unsigned char* item = group + 6 + 14 * entry;
                WORD bits = 0;
                DWORD bytes = 0;
                WORD id = 0;
                std::memcpy(&bits, item + 6, sizeof bits);
                std::memcpy(&bytes, item + 8, sizeof bytes);
                std::memcpy(&id, item + 12, sizeof id);
                std::printf(" %u(%ux%u,%ubpp,%lu bytes)", id, item[0], item[1], bits, bytes);
            }
            std::printf("\n");
            return TRUE;
        },
        0);
    FreeLibrary(file);
    return 0;
}

int printClipboard()
{
    if (!OpenClipboard(nullptr)) {
        return 1;
    }
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text != nullptr) {
        std::printf("%s\n", utf8(text, -1).c_str());
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text != nullptr ? 0 : 1;
}

int printShortcut(const char* path)
{
    if (FAILED(CoInitialize(nullptr))) {
        return 1;
    }
    int status = 1;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t name[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path, -1, name, MAX_PATH);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(name, STGM_READ))) {
        wchar_t target[MAX_PATH] = {};
        wchar_t folder[MAX_PATH] = {};
        wchar_t icon[MAX_PATH] = {};
        int iconIndex = 0;
        link->GetPath(target, MAX_PATH, nullptr, 0);
        link->GetWorkingDirectory(folder, MAX_PATH);
        link->GetIconLocation(icon, MAX_PATH, &iconIndex);
        std::printf("Target=%s\nWorkingDirectory=%s\nIcon=%s,%d\n", utf8(target, -1).c_str(),
                    utf8(folder, -1).c_str(), utf8(icon, -1).c_str(), iconIndex);
        status = 0;
    }
    if (file != nullptr) {
        file->Release();
    }
    if (link != nullptr) {
        link->Release();
    }
    CoUninitialize();
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    // Sizes and places in the screen's own pixels, as Trellic's Qt sees them: a program
    // that is not aware of the display scale is told every other window's metrics
    // divided by it.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (argc == 2 && std::strcmp(argv[1], "windows") == 0) {
        EnumWindows(printWindow, 0);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "clipboard") == 0) {
        return printClipboard();
    }
    if (argc == 3 && std::strcmp(argv[1], "file") == 0) {
        return printFile(argv[2]);
    }
    if (argc == 3 && std::strcmp(argv[1], "shortcut") == 0) {
        return printShortcut(argv[2]);
    }
    std::fprintf(stderr, "usage: window_probe windows | file PATH | clipboard | shortcut PATH\n");
    return 2;
}
