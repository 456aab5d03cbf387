// MessageDlg: the modal prompt of the importer. A top-level dialog owned by
// Owner; its message stands in a static control and its answers are push
// buttons in the fixed order Yes, No, Cancel, All, so tests and screen readers
// can find them. The header stays free of <windows.h>.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

struct HWND__;
typedef HWND__* HWND;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation };

enum TMsgDlgBtn { mbYes, mbNo, mbCancel, mbAll, mbOK };

// A set of TMsgDlgBtn: TMsgDlgButtons{mbYes, mbNo} or mbYes | mbNo.
class TMsgDlgButtons {
public:
    constexpr TMsgDlgButtons() = default;
    constexpr TMsgDlgButtons(TMsgDlgBtn B) : FBits(Bit(B)) {}
    constexpr TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> Bs) {
        for (TMsgDlgBtn b : Bs) FBits |= Bit(b);
    }
    constexpr bool Contains(TMsgDlgBtn B) const { return (FBits & Bit(B)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TMsgDlgButtons operator|(TMsgDlgButtons O) const { return FromBits(FBits | O.FBits); }

private:
    static constexpr std::uint8_t Bit(TMsgDlgBtn B) { return static_cast<std::uint8_t>(1u << B); }
    static constexpr TMsgDlgButtons FromBits(std::uint8_t Bits) {
        TMsgDlgButtons s;
        s.FBits = Bits;
        return s;
    }
    std::uint8_t FBits = 0;
};

constexpr TMsgDlgButtons operator|(TMsgDlgBtn A, TMsgDlgBtn B) { return TMsgDlgButtons(A) | TMsgDlgButtons(B); }

// Answer codes, as the platform's message boxes number them.
enum : int { mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7, mrAll = 8 };

// Shows Msg and returns the answer. Closing the dialog without a button
// (Esc, the close box) answers mrCancel when Cancel is offered, mrOk for a
// lone OK, else mrNo.
// An empty set shows Yes alone, so the dialog can always be answered.
int MessageDlg(HWND Owner, const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);
