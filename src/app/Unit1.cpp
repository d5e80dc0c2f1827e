#include "app/Unit1.h"

#include "app/command_line.h"
#include "app/control_ids.h"
#include "app/desktop.h"
#include "app/program_state.h"
#include "app/res/resource_ids.h"
#include "app/version.h"
#include "heapward/heapward.h"
#include "ide/ide_locator.h"
#include "ide/jump.h"
#include "ide/probe.h"
#include "scan/details.h"
#include "scan/loader.h"
#include "search/key_commands.h"
#include "settings/ini_file.h"
#include "ui/application.h"
#include "ui/reg_ini_file.h"
#include "ui/system_case_folder.h"

#include <shellapi.h>

#include <cstring>
#include <utility>
#include <vector>

using namespace veldo;

ProgramState &Program() {
    static ProgramState state;
    return state;
}

namespace {

constexpr int kDesignWidth = 505, kDesignHeight = 493;
constexpr int kMinWidth = 429, kMinHeight = 445;
constexpr const char *kFormFace = "MS Sans Serif";
constexpr int kFormFontHeight = 11;
constexpr int kStopFrame = FIND_AVI_LAST_FRAME;
constexpr DWORD kTrayRecordSize = 488;
static_assert(NOTIFYICONDATAA_V2_SIZE == kTrayRecordSize, "the tray record is the 488-byte variant");
// How long a jump waits for the IDE's editor to take the keyboard.
constexpr DWORD kEditorFocusWaitMs = 2000;
constexpr char kEditorNotFound[] = "Error : IDE editor window not found";

IdeLocation LocateIde() {
    ProgramState &program = Program();
    DesktopWindows windows(ui::Application::Instance());
    WindowHandle target = AsHandle(program.TargetEditorWindow);
    const IdeLocation location = veldo::LocateIde(windows, target);
    program.TargetEditorWindow = AsHwnd(target);
    return location;
}

BOOL CALLBACK CollectChildId(HWND child, LPARAM context) {
    auto *found = reinterpret_cast<std::pair<HWND, std::vector<int64_t>> *>(context);
    if (GetAncestor(child, GA_PARENT) == found->first)
        found->second.push_back(GetDlgCtrlID(child));
    return TRUE;
}

// The identifiers of window's own child controls; none when it is no window.
std::vector<int64_t> ChildIds(HWND window) {
    std::pair<HWND, std::vector<int64_t>> found{window, {}};
    if (window && IsWindow(window))
        EnumChildWindows(window, CollectChildId, reinterpret_cast<LPARAM>(&found));
    return found.second;
}

} // namespace

Tfrm_veldo::Tfrm_veldo()
    : Form("Tfrm_veldo", "Loading List....", kDesignWidth, kDesignHeight),
      ListBoxFunc(*this, kIdListBoxFunc, 0, 0, 300, 200),
      Panel1(*this, kIdPanelSearch, 0, 0, kDesignWidth, 59),
      StatusBar1(*this, kIdStatusBar, 19, {150, 100, 100, 50}),
      Animate1(Panel1, kIdAnimate, 0, 4, 49, 50, IDR_FIND_AVI, kStopFrame),
      ListBoxDesc(*this, kIdListBoxDesc, 0, 0, 300, 72, false),
      Splitter1(*this, kIdSplitterDesc, ui::Align::Bottom, 3, ListBoxDesc),
      StaticText1(Panel1, kIdStaticSearch, 53, 4, 54, 21, "Search", true),
      TimerStopAni(*this, kTimerStopAnimation, 2000, true), ListBoxVar(*this, kIdListBoxVar, 0, 0, 141, 200),
      Panel2(Panel1, kIdPanelButtons, 0, 0, 96, 59, 2),
      LabelVersion(Panel1, kIdLabelVersion, 60, 40, 330, 14, ""),
      Splitter2(*this, kIdSplitterVar, ui::Align::Right, 3, ListBoxVar), ImageList1(IDB_POPUP, 16),
      Image1(IDI_VELDO, 32), ToolBar1(Panel2, kIdToolBar, 46, 36),
      CB_search(Panel1, kIdSearchBox, ui::ComboStyle::Simple, false, 105, 4, 200),
      ImageList2(IDB_TOOLBAR_HOT, 20), ImageList3(IDB_TOOLBAR_NORMAL, 20), ImageListMenu(IDB_MENU, 16),
      TimerAutoClose(*this, kTimerAutoClose, 60000, true),
      CB_SearchList(Panel1, kIdSearchList, ui::ComboStyle::DropDown, true, 104, 4, 200),
      Button1(Panel1, kIdButtonTest, 400, 30, 40, 20, "TEst", false) {
    SetMinSize(kMinWidth, kMinHeight);
    formFont_ = ui::Font(kFormFace, kFormFontHeight, false);
    boldFont_ = ui::Font(kFormFace, kFormFontHeight, true);
    for (ui::Window *control : std::initializer_list<ui::Window *>{
             &ListBoxVar, &ListBoxDesc, &LabelVersion, &CB_search, &CB_SearchList, &Button1, &ToolBar1})
        control->SetFont(formFont_.Handle());
    StaticText1.SetFont(boldFont_.Handle());

    // Bottom up: status bar, search row, description pane, its splitter;
    // from the right: the variable pane, its splitter; the function list
    // takes the rest.
    StatusBar1.SetAlign(ui::Align::Bottom, 0);
    Panel1.SetAlign(ui::Align::Bottom, 1);
    ListBoxDesc.SetAlign(ui::Align::Bottom, 2);
    Splitter1.SetAlign(ui::Align::Bottom, 3);
    ListBoxVar.SetAlign(ui::Align::Right, 0);
    Splitter2.SetAlign(ui::Align::Right, 1);
    ListBoxFunc.SetAlign(ui::Align::Client);
    Panel2.SetAlign(ui::Align::Right);

    ListBoxFunc.SetItemHeight(16);
    ListBoxVar.SetItemHeight(13);
    ListBoxDesc.SetItemHeight(16);
    LabelVersion.SetTextColor(RGB(0, 0, 255));
    CB_SearchList.SetBackground(GetSysColor(COLOR_INFOBK));
    // The match list lies behind the search box, which covers all of it
    // but the drop-down button it shows when widened.
    SetWindowPos(CB_SearchList.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    ToolBar1.SetImages(ImageList3, ImageList2);
    ToolBar1.AddButton(kCmdOk, "&OK", TOOLBAR_IMAGE_OK, "Press ENTER to jump to selected function",
                       [this] { TB_okClick(); });
    ToolBar1.AddButton(kCmdCancel, "&Cancel", TOOLBAR_IMAGE_SLEEP, "Press ESC button to activate sleep mode",
                       [this] { TB_cancelClick(); });
    ToolBar1.SetBounds(2, 2, 92, 55);

    BuildMenus();

    KeyPreview = true;
    SetActiveControl(&CB_search);
    OnActivate = [this] { FormActivate(); };
    OnResize = [this] { FormResize(); };
    OnClose = [this](ui::CloseAction &action) { FormClose(action); };
    OnDestroy = [this] { FormDestroy(); };
    OnKeyDown = [this](WORD &key, ui::ShiftState shift) { CB_searchKeyDown(key, shift); };
    OnMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
        return TrayMessage(message, wParam, lParam, result);
    };
    CB_search.OnKeyDown = [this](WORD &key, ui::ShiftState shift) { CB_searchKeyDown(key, shift); };

    ListBoxFunc.OnMouseDown = [this](ui::MouseButton, ui::ShiftState, int, int) { ListBoxFuncMouseDown(); };
    ListBoxFunc.OnMouseUp = [this](ui::MouseButton, ui::ShiftState, int, int) { ListBoxFuncMouseUp(); };
    ListBoxFunc.OnDblClick = [this] { ListBoxFuncDblClick(); };
    ListBoxFunc.OnKeyUp = [this](WORD &, ui::ShiftState) { ListBoxFuncKeyUp(); };
    ListBoxFunc.OnClick = [this] { ListBoxFuncClick(); };
    ListBoxVar.OnClick = [this] { ListBoxFuncClick(); };
    ListBoxDesc.OnClick = [this] { ListBoxFuncClick(); };
    Button1.OnClick = [this] { Button1Click(); };
    TimerStopAni.OnTimer = [this] { TimerStopAniTimer(); };
    TimerAutoClose.OnTimer = [this] { TimerAutoCloseTimer(); };

    // The controls came after the window's first size: place them now.
    Realign();
    FormResize();
}

void Tfrm_veldo::BuildMenus() {
    using ui::kShortCutAlt;
    File1 = MainMenu1.Add(nullptr, 0, "&File");
    Update1 = MainMenu1.Add(File1, kCmdUpdate, "&Update", VK_F5, MENU_IMAGE_UPDATE);
    Select1 = MainMenu1.Add(File1, kCmdSelect, "Se&lect", VK_RETURN, MENU_IMAGE_SELECT);
    SaveAs1 = MainMenu1.Add(File1, kCmdSaveAs, "Save &As...", 0, MENU_IMAGE_SAVE_AS);
    N2 = MainMenu1.Add(File1, 0, "-");
    Print1 = MainMenu1.Add(File1, kCmdPrint, "&Print...", 0, MENU_IMAGE_PRINT);
    PrintSetup1 = MainMenu1.Add(File1, kCmdPrintSetup, "P&rint Setup...", 0, MENU_IMAGE_PRINT_SETUP);
    N1 = MainMenu1.Add(File1, 0, "-");
    Sleep1 = MainMenu1.Add(File1, kCmdSleep, "&Sleep", VK_ESCAPE, MENU_IMAGE_SLEEP);
    Exit1 = MainMenu1.Add(File1, kCmdExit, "E&xit", kShortCutAlt | VK_F4, MENU_IMAGE_EXIT);
    Setup1 = MainMenu1.Add(nullptr, 0, "&Setup");
    Options2 = MainMenu1.Add(Setup1, kCmdOptions, "Options", 0, MENU_IMAGE_OPTIONS);
    Debug1 = MainMenu1.Add(Setup1, kCmdDebug, "Debug", VK_F8, -1, false);
    Help1 = MainMenu1.Add(nullptr, 0, "&Help");
    HelpKeyboard = MainMenu1.Add(Help1, kCmdHelpKeyboard, "&Keyboard", 0, MENU_IMAGE_KEYBOARD, false);
    About2 = MainMenu1.Add(Help1, kCmdAbout, "&About", 0, MENU_IMAGE_ABOUT);
    Update1->OnClick = [this] { Update1Click(); };
    Select1->OnClick = [this] { Select1Click(); };
    Sleep1->OnClick = [this] { Sleep1Click(); };
    Exit1->OnClick = [this] { Exit1Click(); };
    Debug1->OnClick = [this] { Debug1Click(); };
    MainMenu1.SetImages(&ImageListMenu);
    MainMenu1.Build();
    SetMenu(&MainMenu1);

    Close1 = PopupMenu1.Add(nullptr, kCmdClose, "&Close", 0, POPUP_IMAGE_CLOSE);
    Close1->OnClick = [this] { Close1Click(); };
    PopupMenu1.SetImages(&ImageList1);
    PopupMenu1.Build();
}

void Tfrm_veldo::FormActivate() {
    ProgramState &program = Program();
    TimerAutoClose.SetEnabled(false);
    SetActiveControl(&CB_search);
    CB_search.SetText("");
    LabelVersion.SetText(VersionLine());
    VersionText = veldo::VersionText();
    Show();
    ui::Application::Instance().ProcessMessages();

    Invocation invocation;
    {
        ui::RegIniFile registry(kRegistryKey);
        std::string commandLine = registry.ReadString(kSectionMsg, kIdentCommandline, "");
        invocation = DeriveInvocation(ParseCommandLine(commandLine));
        SetText(invocation.Caption);
        registry.WriteString(kSectionMsg, kIdentWindowCaption, Text());
    }
    program.CursorLine = invocation.CursorLine;
    program.SourceFileName = invocation.SourceFileName;
    // The search history belongs to one file.
    if (program.SourceFileName != LastSourceFileName)
        CB_search.Clear();
    LastSourceFileName = program.SourceFileName;
    SteadyClock clock;
    LoadAndScan(program.Table, program.SourceFileName, program.CursorLine, *this, clock);
}

void Tfrm_veldo::Update1Click() {
    ListBoxFunc.Perform(WM_KEYDOWN, VK_F5, 0);
    ListBoxFunc.Perform(WM_KEYUP, VK_F5, 0);
}

void Tfrm_veldo::FormResize() {
    int width = Panel2.Left() - CB_search.Left() - 25;
    CB_search.SetWidth(width);
    CB_SearchList.SetWidth(CB_search.Width());
}

void Tfrm_veldo::CB_searchKeyDown(WORD &key, ui::ShiftState shift) {
    ProgramState &program = Program();
    if (program.KeyHandlerBusy)
        return;
    struct Busy {
        bool &flag;
        explicit Busy(bool &f) : flag(f) { flag = true; }
        ~Busy() { flag = false; }
    } busy(program.KeyHandlerBusy);

    KeyDecision decision = DecideKey(key, (shift & ui::kCtrl) != 0);
    switch (decision.Action) {
    case KeyAction::Jump:
        TB_okClick();
        break;
    case KeyAction::Sleep:
        TB_cancelClick();
        break;
    case KeyAction::EditSearchText:
        break;
    case KeyAction::Reload:
        program.Table.SelectionOrigin = kNormalSelection;
        FormActivate();
        CB_search.SetFocus();
        break;
    case KeyAction::ForwardToMatchList:
        CB_SearchList.SetDroppedDown(true);
        CB_SearchList.Perform(WM_KEYDOWN, key, 0);
        CB_SearchList.Perform(WM_KEYUP, key, 0);
        break;
    case KeyAction::ForwardToFunctionList:
        ListBoxFunc.Perform(WM_KEYDOWN, key, 0);
        ListBoxFunc.Perform(WM_KEYUP, key, 0);
        CB_SearchList.SetDroppedDown(false);
        break;
    }
    if (decision.Consume)
        key = 0;
}

void Tfrm_veldo::TB_okClick() {
    ProgramState &program = Program();
    const int32_t line = FunctionLine(program.Table, ListBoxFunc.ItemIndex());
    if (line == 0)
        return;
    const IdeLocation location = LocateIde();
    // Keys sent without the IDE's editor would land in whatever window has
    // the keyboard: stay awake and say so instead.
    if (location == kNoEditorWindow) {
        StatusBar1.SetPanelText(kPanelStatus, kEditorNotFound);
        return;
    }
    HWND editor = program.TargetEditorWindow;
    SetForegroundWindow(editor);
    ::SetFocus(editor);
    char layout[KL_NAMELENGTH] = {};
    GetKeyboardLayoutNameA(layout);
    WaitForKeyboardFocus(editor, kEditorFocusWaitMs);
    SendKeys(
        JumpKeys({line, program.CursorLine, Settings.ScrollEditor != 0, location, IsBelgianLayout(layout)}));
    const int32_t jumped = ListBoxFunc.ItemIndex();
    if (jumped >= 0)
        RecordInHistory(CB_search, ListBoxFunc.Get(jumped), ui::SystemCaseFolder());
    GoToSleep();
}

void Tfrm_veldo::Debug1Click() {
    LocateIde();
}

void Tfrm_veldo::Button1Click() {
    LocateIde();
    HWND editor = Program().TargetEditorWindow;
    for (int32_t id : ProbedIds(ChildIds(editor))) {
        char text[256] = {};
        GetDlgItemTextA(editor, id, text, sizeof text);
        if (text[0])
            ListBoxDesc.Add(text);
    }
}

void Tfrm_veldo::GoToSleep() {
    FreeFunctionTable(Program().Table);
    CB_SearchList.SetDroppedDown(false);
    Hide();
    ShowWindow(ui::Application::Instance().Handle(), SW_HIDE);
    SetText("VELDO INACTIVE");
    TimerAutoClose.SetEnabled(true);
}

void Tfrm_veldo::TimerStopAniTimer() {
    TimerStopAni.SetEnabled(false);
    Animate1.SetActive(false);
}

void Tfrm_veldo::FormClose(ui::CloseAction &) {
    StatusBar1.SetPanelText(kPanelStatus, "Closing...");
    StatusBar1.Update();
    SaveSettings();
    CloseFunctionTable(Program().Table);
}

void Tfrm_veldo::FormDestroy() {
    TrayIconUpdate(NIM_DELETE);
}

bool Tfrm_veldo::TrayIconUpdate(DWORD operation) {
    NOTIFYICONDATAA record{};
    record.cbSize = kTrayRecordSize;
    record.hWnd = Handle();
    record.uID = kTrayIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kTrayMessage;
    if (operation == NIM_MODIFY) {
        record.hIcon = Image1.Icon();
        lstrcpynA(record.szTip, TrayTipText().c_str(), sizeof record.szTip);
    }
    return Shell_NotifyIconA(operation, &record) != FALSE;
}

bool Tfrm_veldo::TrayMessage(UINT message, WPARAM, LPARAM lParam, LRESULT &) {
    if (message != kTrayMessage)
        return false;
    if (lParam == WM_RBUTTONUP) {
        POINT cursor;
        if (GetCursorPos(&cursor)) {
            SetForegroundWindow(Handle());
            PopupMenu1.Popup(*this, cursor.x, cursor.y);
        } else {
            ShowWindow(Handle(), SW_SHOW);
        }
    }
    // The platform's own handling follows in every case.
    return false;
}

void Tfrm_veldo::ListBoxFuncMouseDown() {
    Program().Table.SelectionOrigin = kMouseSelecting;
}

void Tfrm_veldo::ListBoxFuncMouseUp() {
    Program().Table.SelectionOrigin = kNormalSelection;
    ShowFunctionDetails(Program().Table, *this);
}

void Tfrm_veldo::ListBoxFuncDblClick() {
    Program().Table.SelectionOrigin = kDoubleClicked;
    TB_okClick();
}

void Tfrm_veldo::ListBoxFuncKeyUp() {
    ProgramState &program = Program();
    int32_t index = ListBoxFunc.ItemIndex();
    if (index != program.LastKeyUpIndex)
        ShowFunctionDetails(program.Table, *this);
    program.LastKeyUpIndex = index;
}

void Tfrm_veldo::ListBoxFuncClick() {
    CB_search.SetFocus();
}

void Tfrm_veldo::LoadSettings() {
    ui::RegIniFile registry(kRegistryKey);
    veldo::LoadSettings(Settings, Program().FirstSettingsLoad, registry, *this);
}

void Tfrm_veldo::SaveSettings() {
    ui::RegIniFile registry(kRegistryKey);
    veldo::SaveSettings(Settings, registry, *this);
}

void Tfrm_veldo::ApplyListsLook(const ListsLook &look) {
    ListBoxFunc.SetColors(look.Function.Background, look.Function.Text);
    ListBoxVar.SetColors(look.Variable.Background, look.Variable.Text);
    ListBoxDesc.SetColors(look.Description.Background, look.Description.Text);
    funcFont_ = ui::Font(look.Function.Face, 13, true);
    varFont_ = ui::Font(look.Variable.Face, kFormFontHeight, false);
    descFont_ = ui::Font(look.Description.Face, kFormFontHeight, true);
    ListBoxFunc.SetFont(funcFont_.Handle());
    ListBoxVar.SetFont(varFont_.Handle());
    ListBoxDesc.SetFont(descFont_.Handle());
    // A new font resets the item heights.
    ListBoxFunc.SetItemHeight(16);
    ListBoxVar.SetItemHeight(13);
    ListBoxDesc.SetItemHeight(16);
}

void Tfrm_veldo::SetPanelText(StatusPanel panel, std::string_view text) {
    StatusBar1.SetPanelText(panel, text);
}

void Tfrm_veldo::SetBusyPointer(bool busy) {
    SetCursor(LoadCursorA(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void Tfrm_veldo::EnableOk(bool enabled) {
    ToolBar1.Perform(TB_ENABLEBUTTON, kCmdOk, MAKELPARAM(enabled, 0));
}

void Tfrm_veldo::ShowMessage(std::string_view text) {
    ui::Application::Instance().ShowMessage(text);
}

void Tfrm_veldo::SetVariablePaneVisible(bool visible) {
    ListBoxVar.SetVisible(visible);
    Splitter2.SetVisible(visible);
}

void Tfrm_veldo::SetDescriptionPaneVisible(bool visible) {
    ListBoxDesc.SetVisible(visible);
    Splitter1.SetVisible(visible);
}

void Tfrm_veldo::SetHistoryCount(int32_t rows) {
    CB_search.SetDropDownCount(rows);
    CB_SearchList.SetDropDownCount(CB_search.DropDownCount());
}
