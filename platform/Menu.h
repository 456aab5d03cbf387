// TMainMenu and TMenuItem: the menu bar of a form, its items with access keys
// ("&") and Ctrl shortcuts. Shortcuts go through an accelerator table whose
// command ids differ from the items' own, so Windows never refuses one for an
// item that is disabled at that moment: the parents' OnClick runs first (it
// may enable the item), and only then is the item's state looked at.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Component.h"
#include "platform/Events.h"
#include "platform/Handles.h"

struct TShortCut {
    unsigned char Key = 0;  // virtual key ('S'); 0 for none
    bool Ctrl = false;
    bool operator==(const TShortCut& O) const { return Key == O.Key && Ctrl == O.Ctrl; }
};
inline TShortCut CtrlKey(char Key) { return TShortCut{static_cast<unsigned char>(Key), true}; }

class TMainMenu;

class TMenuItem : public TObject {
public:
    explicit TMenuItem(std::string Caption, TShortCut ShortCut = {}, bool Enabled = true);
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    TMenuItem* Add(std::unique_ptr<TMenuItem> Item);
    const std::string& Caption() const { return FCaption; }
    TShortCut ShortCut() const { return FShortCut; }
    TMenuItem* Parent() const { return FParent; }
    std::size_t Count() const { return FItems.size(); }
    TMenuItem* Items(std::size_t I) const { return FItems[I].get(); }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Enabled);

    // Raises OnClick.
    void Click();
    TNotifyEvent OnClick;

    UINT Command() const { return FCommand; }
    HMENU SubMenu() const { return FSubMenu; }

private:
    friend class TMainMenu;
    std::string FCaption;
    TShortCut FShortCut;
    bool FEnabled;
    TMenuItem* FParent = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> FItems;
    HMENU FMenu = nullptr;     // the menu this item stands in
    HMENU FSubMenu = nullptr;  // its own popup, when it has items
    UINT FCommand = 0;
};

class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* AOwner);

    // The menu bar's entries.
    TMenuItem* Add(std::unique_ptr<TMenuItem> Item) { return FRoot.Add(std::move(Item)); }
    TMenuItem& Items() { return FRoot; }

    // Builds the menu; the caller hands it to SetMenu, after which the window owns it.
    MenuHandle CreateHandle();
    AcceleratorHandle CreateAccelerators() const;

    // WM_COMMAND from the menu: the item's OnClick when it is enabled.
    bool DispatchCommand(UINT Command);
    // WM_COMMAND from the accelerator table: every parent's OnClick, outermost
    // first, then the item's OnClick if it is enabled by then.
    bool DispatchShortCut(UINT Command);
    // WM_INITMENUPOPUP: the OnClick of the item whose popup opens.
    bool DispatchPopup(HMENU Popup);

    static constexpr UINT FirstCommand = 100;
    static constexpr UINT ShortCutOffset = 0x4000;

private:
    TMenuItem* FindCommand(const TMenuItem& Under, UINT Command);
    TMenuItem* FindPopup(const TMenuItem& Under, HMENU Popup);

    TMenuItem FRoot{""};
    UINT FNextCommand = FirstCommand;
};
