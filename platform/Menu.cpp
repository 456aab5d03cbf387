#include "platform/Menu.h"

#include "platform/FileIO.h"

namespace {

std::string ShortCutText(TShortCut S) {
    if (!S.Key) return "";
    return std::string(S.Ctrl ? "Ctrl+" : "") + static_cast<char>(S.Key);
}

void CollectAccelerators(const TMenuItem& Item, std::vector<ACCEL>& Out) {
    for (std::size_t i = 0; i < Item.Count(); ++i) {
        const TMenuItem* child = Item.Items(i);
        TShortCut s = child->ShortCut();
        if (s.Key)
            Out.push_back(ACCEL{static_cast<BYTE>(FVIRTKEY | (s.Ctrl ? FCONTROL : 0)), s.Key,
                                static_cast<WORD>(child->Command() + TMainMenu::ShortCutOffset)});
        CollectAccelerators(*child, Out);
    }
}

}  // namespace

TMenuItem::TMenuItem(std::string Caption, TShortCut ShortCut, bool Enabled)
    : FCaption(std::move(Caption)), FShortCut(ShortCut), FEnabled(Enabled) {}

TMenuItem* TMenuItem::Add(std::unique_ptr<TMenuItem> Item) {
    Item->FParent = this;
    FItems.push_back(std::move(Item));
    return FItems.back().get();
}

void TMenuItem::SetEnabled(bool Enabled) {
    FEnabled = Enabled;
    if (FMenu && !FSubMenu) ::EnableMenuItem(FMenu, FCommand, MF_BYCOMMAND | (Enabled ? MF_ENABLED : MF_GRAYED));
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

TMainMenu::TMainMenu(TComponent* AOwner) : TComponent(AOwner) {}

MenuHandle TMainMenu::CreateHandle() {
    // Builds each popup before the item that opens it; AppendMenu takes the
    // popup's handle in place of a command id.
    struct Builder {
        TMainMenu& Menu;
        void Fill(TMenuItem& Parent, HMENU Into) {
            for (auto& child : Parent.FItems) {
                TMenuItem& item = *child;
                item.FMenu = Into;
                std::string text = item.FCaption;
                if (item.FShortCut.Key) text += "\t" + ShortCutText(item.FShortCut);
                if (!item.FItems.empty()) {
                    item.FSubMenu = ::CreatePopupMenu();
                    if (!item.FSubMenu) RaiseLastError("CreatePopupMenu", item.FCaption);
                    Fill(item, item.FSubMenu);
                    ::AppendMenuA(Into, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(item.FSubMenu),
                                  text.c_str());
                } else {
                    item.FCommand = Menu.FNextCommand++;
                    ::AppendMenuA(Into, MF_STRING | (item.FEnabled ? MF_ENABLED : MF_GRAYED), item.FCommand,
                                  text.c_str());
                }
            }
        }
    };
    MenuHandle bar(::CreateMenu());
    if (!bar) RaiseLastError("CreateMenu", "");
    Builder{*this}.Fill(FRoot, bar.Get());
    return bar;
}

AcceleratorHandle TMainMenu::CreateAccelerators() const {
    std::vector<ACCEL> keys;
    CollectAccelerators(FRoot, keys);
    if (keys.empty()) return AcceleratorHandle();
    return AcceleratorHandle(::CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size())));
}

TMenuItem* TMainMenu::FindCommand(const TMenuItem& Under, UINT Command) {
    for (auto& child : Under.FItems) {
        if (!child->FSubMenu && child->FCommand == Command) return child.get();
        if (TMenuItem* found = FindCommand(*child, Command)) return found;
    }
    return nullptr;
}

TMenuItem* TMainMenu::FindPopup(const TMenuItem& Under, HMENU Popup) {
    for (auto& child : Under.FItems) {
        if (child->FSubMenu == Popup) return child.get();
        if (TMenuItem* found = FindPopup(*child, Popup)) return found;
    }
    return nullptr;
}

bool TMainMenu::DispatchCommand(UINT Command) {
    TMenuItem* item = FindCommand(FRoot, Command);
    if (!item) return false;
    if (item->Enabled()) item->Click();
    return true;
}

bool TMainMenu::DispatchShortCut(UINT Command) {
    if (Command < ShortCutOffset) return false;
    TMenuItem* item = FindCommand(FRoot, Command - ShortCutOffset);
    if (!item) return false;
    std::vector<TMenuItem*> parents;
    for (TMenuItem* p = item->Parent(); p && p != &FRoot; p = p->Parent()) parents.insert(parents.begin(), p);
    for (TMenuItem* p : parents) p->Click();
    if (item->Enabled()) item->Click();
    return true;
}

bool TMainMenu::DispatchPopup(HMENU Popup) {
    TMenuItem* item = FindPopup(FRoot, Popup);
    if (!item) return false;
    item->Click();
    return true;
}
