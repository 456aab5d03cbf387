// The root classes the subsystems derive from: TObject, and TComponent, which
// knows its owner. Lifetimes are held by the owner's members (unique_ptr),
// not by a registry of owned components.
#pragma once
#include <memory>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
};

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner) : FOwner(AOwner) {}
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    TComponent* Owner() const { return FOwner; }

private:
    TComponent* FOwner;
};
