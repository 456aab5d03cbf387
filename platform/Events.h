// Method references of the window layer: an event holds a routine bound to
// its object (a lambda capturing it); an empty one means "no handler".
#pragma once
#include <cstdint>
#include <functional>

#include "platform/Component.h"

using TNotifyEvent = std::function<void(TObject* Sender)>;

// One window message as the replaceable window procedure sees it; Result is
// what the message answers.
struct TMessage {
    unsigned Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

using TWndMethod = std::function<void(TMessage& Message)>;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
