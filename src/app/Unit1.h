// The main window: the function list, the variable and description panes,
// the search row, the status bar and the menus.
#pragma once

#include "scan/scan_view.h"
#include "settings/color_table.h"
#include "settings/settings_store.h"
#include "ui/animate.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/image_list.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/splitter.h"
#include "ui/status_bar.h"
#include "ui/timer.h"
#include "ui/tool_bar.h"

#include <string>

class Tfrm_veldo final : public ui::Form, public veldo::ScanView, public veldo::SettingsWindow {
public:
    Tfrm_veldo();

    // Components, in the order the window declares them.
    ui::ListBox ListBoxFunc;
    ui::Panel Panel1;
    ui::StatusBar StatusBar1;
    ui::Animate Animate1;
    ui::ListBox ListBoxDesc;
    ui::Splitter Splitter1;
    ui::Label StaticText1;
    ui::Timer TimerStopAni;
    ui::ListBox ListBoxVar;
    ui::Panel Panel2;
    ui::MainMenu MainMenu1;
    ui::MenuItem *Setup1 = nullptr;
    ui::Label LabelVersion;
    ui::Splitter Splitter2;
    ui::MenuItem *Help1 = nullptr;
    ui::ImageList ImageList1;
    ui::PopupMenu PopupMenu1;
    ui::Image Image1;
    ui::MenuItem *Close1 = nullptr;
    ui::ToolBar ToolBar1;
    ui::ComboBox CB_search;
    ui::ImageList ImageList2;
    ui::ImageList ImageList3;
    ui::MenuItem *HelpKeyboard = nullptr, *About2 = nullptr, *File1 = nullptr, *Exit1 = nullptr,
                 *N1 = nullptr, *PrintSetup1 = nullptr, *Print1 = nullptr, *N2 = nullptr, *SaveAs1 = nullptr,
                 *Sleep1 = nullptr, *Options2 = nullptr;
    ui::ImageList ImageListMenu;
    ui::MenuItem *Update1 = nullptr, *Select1 = nullptr, *Debug1 = nullptr;
    ui::Timer TimerAutoClose;
    ui::ComboBox CB_SearchList;
    ui::Button Button1;

    veldo::Settings Settings;
    std::string LastSourceFileName;
    std::string VersionText;

    // Activation: read the mailbox, set the caption, load the file.
    void FormActivate();
    void Update1Click();
    void FormResize();
    void CB_searchKeyDown(WORD &key, ui::ShiftState shift);
    // The jump: moves the IDE's editor to the selected function and sleeps.
    void TB_okClick();
    void Debug1Click();
    // The probe: lists the texts of the editor window's child controls.
    void Button1Click();
    void Select1Click() { TB_okClick(); }
    void TB_cancelClick() { GoToSleep(); }
    void Sleep1Click() { TB_cancelClick(); }
    void Exit1Click() { Close(); }
    void Close1Click() { Close(); }
    void GoToSleep();
    void TimerStopAniTimer();
    void TimerAutoCloseTimer() { Close(); }
    void FormClose(ui::CloseAction &action);
    void FormDestroy();
    bool TrayIconUpdate(DWORD operation);

    void ListBoxFuncMouseDown();
    void ListBoxFuncMouseUp();
    void ListBoxFuncDblClick();
    void ListBoxFuncKeyUp();
    void ListBoxFuncClick();

    void LoadSettings();
    void SaveSettings();
    // The colours and faces that filling the options applies to the lists.
    void ApplyListsLook(const veldo::ListsLook &look);

    // veldo::ScanView
    veldo::ListItems &FunctionList() override { return ListBoxFunc; }
    veldo::ListItems &VariableList() override { return ListBoxVar; }
    veldo::ListItems &DescriptionList() override { return ListBoxDesc; }
    void SetPanelText(veldo::StatusPanel panel, std::string_view text) override;
    void RepaintStatusBar() override { StatusBar1.Update(); }
    void SetBusyPointer(bool busy) override;
    void EnableOk(bool enabled) override;
    void ShowMessage(std::string_view text) override;

    // veldo::SettingsWindow
    int32_t Width() override { return Form::Width(); }
    int32_t Height() override { return Form::Height(); }
    int32_t Top() override { return Form::Top(); }
    int32_t Left() override { return Form::Left(); }
    void SetWidth(int32_t width) override { Form::SetWidth(width); }
    void SetHeight(int32_t height) override { Form::SetHeight(height); }
    void SetTop(int32_t top) override { Form::SetTop(top); }
    void SetLeft(int32_t left) override { Form::SetLeft(left); }
    void CentreOnFirstShow() override { CentreOnShow(); }
    int32_t VariablePaneWidth() override { return ListBoxVar.Width(); }
    void SetVariablePaneWidth(int32_t width) override { ListBoxVar.SetWidth(width); }
    int32_t DescriptionPaneHeight() override { return ListBoxDesc.Height(); }
    void SetDescriptionPaneHeight(int32_t height) override { ListBoxDesc.SetHeight(height); }
    void SetVariablePaneVisible(bool visible) override;
    void SetDescriptionPaneVisible(bool visible) override;
    int32_t HistoryCount() override { return CB_search.DropDownCount(); }
    void SetHistoryCount(int32_t rows) override;

private:
    void BuildMenus();
    bool TrayMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);

    ui::Font formFont_, boldFont_, funcFont_, varFont_, descFont_;
};
