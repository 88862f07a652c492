// What a Windows screen reader reads of a program, through UI Automation, as Narrator
// and NVDA read it: the tree of a window, and the focus as the keyboard moves it.
//
//   uia_client tree             the tree of the window in front (fails if it closes)
//   uia_client watch SECONDS    the focus events, until the window in front has closed
//
// One line an element: its control type, then name="…" id="…" description="…"
// enabled=0|1 focus=0|1, indented two spaces a level; a focus event is the line of the
// element that took the focus after "focus ". Only the calls that Wine answers are used
// (no patterns, no property events, the tree walker made from a condition). Every call
// has a time limit: one that hangs, or fails, ends the program with status 2 and the
// call's name.
#include <windows.h>
#include <uiautomation.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>

#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto callLimit = std::chrono::seconds(10);

// The call each thread is waiting on, and since when.
std::mutex pendingMutex;
std::map<DWORD, std::pair<const char*, Clock::time_point>> pending;
std::mutex outputMutex;

[[noreturn]] void fail(const std::string& what)
{
    std::lock_guard lock(outputMutex);
    std::fprintf(stdout, "FAIL: %s\n", what.c_str());
    std::fflush(stdout);
    ExitProcess(2);
}

void watchdog()
{
    for (;;) {
        Sleep(100);
        std::lock_guard lock(pendingMutex);
        for (const auto& [thread, call] : pending) {
            if (Clock::now() - call.second > callLimit) {
                fail(std::string(call.first) + " did not answer within 10 s");
            }
        }
    }
}

// Runs a UI Automation call under the time limit and fails on an error HRESULT.
template <typename Call>
void call(const char* name, Call&& run)
{
    {
        std::lock_guard lock(pendingMutex);
        pending[GetCurrentThreadId()] = {name, Clock::now()};
    }
    const HRESULT result = run();
    {
        std::lock_guard lock(pendingMutex);
        pending.erase(GetCurrentThreadId());
    }
    if (FAILED(result)) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08lx", static_cast<unsigned long>(result));
        fail(std::string(name) + " failed: " + code);
    }
}

template <typename T>
struct Ref {
    T* p = nullptr;
    Ref() = default;
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    ~Ref()
    {
        if (p) {
            p->Release();
        }
    }
    T** out() { return &p; }
    T* operator->() const { return p; }
};

std::string utf8(const wchar_t* text, int length)
{
    std::string bytes(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
    return bytes;
}

const char* typeName(int type)
{
    static const std::map<int, const char*> names = {
        {UIA_ButtonControlTypeId, "Button"},       {UIA_CheckBoxControlTypeId, "CheckBox"},
        {UIA_EditControlTypeId, "Edit"},           {UIA_ImageControlTypeId, "Image"},
        {UIA_MenuControlTypeId, "Menu"},           {UIA_MenuBarControlTypeId, "MenuBar"},
        {UIA_MenuItemControlTypeId, "MenuItem"},   {UIA_TextControlTypeId, "Text"},
        {UIA_GroupControlTypeId, "Group"},         {UIA_WindowControlTypeId, "Window"},
        {UIA_PaneControlTypeId, "Pane"},           {UIA_TitleBarControlTypeId, "TitleBar"},
        {UIA_SeparatorControlTypeId, "Separator"}, {UIA_CustomControlTypeId, "Custom"},
        {UIA_DocumentControlTypeId, "Document"},   {UIA_HyperlinkControlTypeId, "Hyperlink"},
        {UIA_ListControlTypeId, "List"},           {UIA_ListItemControlTypeId, "ListItem"},
        {UIA_ScrollBarControlTypeId, "ScrollBar"}, {UIA_ToolBarControlTypeId, "ToolBar"},
    };
    const auto found = names.find(type);
    return found == names.end() ? "Other" : found->second;
}

// A property's value, as the line shows it: quoted and escaped text, or 0/1.
std::string property(IUIAutomationElement* element, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    call("GetCurrentPropertyValueEx", [&] { return element->GetCurrentPropertyValueEx(id, FALSE, &value); });
    std::string shown;
    if (value.vt == VT_BSTR) {
        shown = "\"";
        for (char c : value.bstrVal ? utf8(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal))) : "") {
            if (c == '"' || c == '\\') {
                shown += '\\';
            }
            shown += c == '\n' ? std::string("\\n") : std::string(1, c);
        }
        shown += '"';
    } else if (value.vt == VT_BOOL) {
        shown = value.boolVal ? "1" : "0";
    } else if (value.vt == VT_I4 && id == UIA_ControlTypePropertyId) {
        shown = typeName(value.lVal);
    } else if (value.vt == VT_I4) {
        shown = std::to_string(value.lVal);
    } else {
        shown = id == UIA_ControlTypePropertyId ? "Other" : "\"\"";
    }
    VariantClear(&value);
    return shown;
}

std::string line(IUIAutomationElement* element)
{
    return property(element, UIA_ControlTypePropertyId) + " name=" + property(element, UIA_NamePropertyId)
        + " id=" + property(element, UIA_AutomationIdPropertyId)
        + " description=" + property(element, UIA_FullDescriptionPropertyId)
        + " enabled=" + property(element, UIA_IsEnabledPropertyId)
        + " focus=" + property(element, UIA_HasKeyboardFocusPropertyId);
}

void print(const std::string& text)
{
    std::lock_guard lock(outputMutex);
    std::fprintf(stdout, "%s\n", text.c_str());
    std::fflush(stdout);
}

void walk(IUIAutomationTreeWalker* walker, IUIAutomationElement* element, int depth)
{
    print(std::string(static_cast<size_t>(2 * depth), ' ') + line(element));
    Ref<IUIAutomationElement> child;
    call("GetFirstChildElement", [&] { return walker->GetFirstChildElement(element, child.out()); });
    while (child.p) {
        walk(walker, child.p, depth + 1);
        Ref<IUIAutomationElement> next;
        call("GetNextSiblingElement", [&] { return walker->GetNextSiblingElement(child.p, next.out()); });
        std::swap(child.p, next.p);
    }
}

class FocusHandler : public IUIAutomationFocusChangedEventHandler {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IUIAutomationFocusChangedEventHandler)) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references)); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(InterlockedDecrement(&references)); }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* sender) override
    {
        if (sender) {
            print("focus " + line(sender));
        }
        return S_OK;
    }

private:
    LONG references = 1; // lives on the stack of main
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (!((command == L"tree" && argc == 2) || (command == L"watch" && argc == 3))) {
        std::fprintf(stderr, "usage: uia_client tree | uia_client watch SECONDS\n");
        return 64;
    }
    std::thread(watchdog).detach();
    const HWND window = GetForegroundWindow();
    if (window == nullptr) {
        fail("no window is in front");
    }
    call("CoInitializeEx", [] { return CoInitializeEx(nullptr, COINIT_MULTITHREADED); });
    Ref<IUIAutomation> automation;
    call("CoCreateInstance(CUIAutomation)", [&] {
        return CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IUIAutomation), reinterpret_cast<void**>(automation.out()));
    });

    if (command == L"tree") {
        Ref<IUIAutomationCondition> everything;
        call("CreateTrueCondition", [&] { return automation->CreateTrueCondition(everything.out()); });
        Ref<IUIAutomationTreeWalker> walker;
        call("CreateTreeWalker", [&] { return automation->CreateTreeWalker(everything.p, walker.out()); });
        Ref<IUIAutomationElement> root;
        call("ElementFromHandle", [&] { return automation->ElementFromHandle(window, root.out()); });
        walk(walker.p, root.p, 0);
        // A window that closes in the middle leaves its remaining elements unread, which
        // is no tree of it at all.
        if (!IsWindow(window)) {
            fail("the window closed while its tree was read");
        }
        return 0;
    }

    FocusHandler handler;
    call("AddFocusChangedEventHandler", [&] { return automation->AddFocusChangedEventHandler(nullptr, &handler); });
    print("ready");
    const auto end = Clock::now() + std::chrono::seconds(_wtoi(argv[2]));
    while (IsWindow(window)) {
        if (Clock::now() > end) {
            fail("the window is still open after the time given");
        }
        Sleep(100);
    }
    call("RemoveAllEventHandlers", [&] { return automation->RemoveAllEventHandlers(); });
    return 0;
}
